// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/clockpicture.h"

#include <cmath>
#include <QImage>
#include <QPainter>
#include <utility>

namespace about {

namespace {

constexpr int Side = 32;
constexpr qreal Middle = Side / 2.0;
// The rim: a ring from this radius out to the picture's edge, transparent beyond.
constexpr qreal RimInside = 13.85;

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Grey = qRgb(128, 128, 128);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);

// In the picture's own pixels, later boxes over earlier ones.
struct Box
{
    int left;
    int top;
    int width;
    int height;
    QRgb colour;
};
constexpr Box Boxes[] = {
    // The hours between the quarters.
    {10, 5, 1, 1, Grey},
    {21, 5, 1, 1, Grey},
    {5, 10, 1, 1, Grey},
    {26, 10, 1, 1, Grey},
    {5, 21, 1, 1, Grey},
    {26, 21, 1, 1, Grey},
    {10, 26, 1, 1, Grey},
    {21, 26, 1, 1, Grey},
    // The quarters.
    {15, 3, 2, 2, Black},
    {3, 15, 2, 2, Black},
    {27, 15, 2, 2, Black},
    {15, 27, 2, 2, Black},
    // The minute hand at twelve, the hour hand at nine.
    {15, 6, 2, 10, Black},
    {9, 15, 8, 2, Black},
};
// The second hand runs this far from the middle down to the right, over the rest.
constexpr int SecondHand = 8;

// Where a run of the picture's pixels falls in device pixels: as many as it scales to (halves
// rounded down, so that marks keep clear of the rim), at least one, about the same middle, rounded
// alike on either side of the picture's middle so that the picture stays as symmetric as it is
// drawn.
std::pair<int, int> devicePixels(int start, int length, qreal ratio, qreal middle)
{
    const int count = qMax(1, int(std::ceil(length * ratio - 0.5)));
    const qreal centre = (start + length / 2.0 - Middle) * ratio;
    return {int(std::floor(middle + std::round(centre - count / 2.0))), count};
}

} // namespace

QImage clockPicture(qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio;
    const int side = qRound(Side * ratio);
    const qreal middle = side / 2.0;
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const qreal radius = std::hypot(x + 0.5 - middle, y + 0.5 - middle) / ratio;
            image.setPixel(x, y,
                           radius > Middle           ? qRgba(0, 0, 0, 0)
                               : radius >= RimInside ? Black
                                                     : White);
        }
    }
    QPainter painter(&image);
    for (const Box &box : Boxes) {
        const auto [left, width] = devicePixels(box.left, box.width, ratio, middle);
        const auto [top, height] = devicePixels(box.top, box.height, ratio, middle);
        painter.fillRect(left, top, width, height, QColor::fromRgb(box.colour));
    }
    painter.end();
    // One pixel's breadth at scale 1, a diagonal of whole pixels at any.
    const int length = qRound(SecondHand * ratio);
    const int breadth = qMax(1, qRound(ratio));
    const int start = int(std::floor(middle));
    for (int along = 0; along < length; ++along) {
        for (int across = 0; across < breadth && along + across < length; ++across)
            image.setPixel(start + along + across, start + along, Red);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace about
