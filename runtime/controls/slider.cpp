// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/slider.h"

#include <cmath>
#include <QStyleOptionSlider>
#include <QStylePainter>

namespace runtime {

Slider::Slider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setTracking(false);
    setTickPosition(QSlider::TicksBelow);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, &Slider::Change);
}

void Slider::paintEvent(QPaintEvent *)
{
    // What QSlider draws, in the style's own order, with the tick marks drawn apart.
    QStylePainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove;
    painter.drawComplexControl(QStyle::CC_Slider, option);
    paintTicks(painter, option);
    option.subControls = QStyle::SC_SliderHandle;
    painter.drawComplexControl(QStyle::CC_Slider, option);
}

// The style puts each tick on a whole logical pixel, which on a fractional scale falls between
// device pixels: side by side, ticks come out one and two pixels wide, and their spacing is
// rounded twice. So each tick is drawn on its own, shifted from where the style puts it to the
// device pixel nearest its exact place, and clipped to the whole device pixels it is to cover:
// all then meet the pixel grid alike, also where the style smooths its ticks across two pixels
// (Qt's Windows 11 style). At scale 1 a tick the style draws whole does not move.
void Slider::paintTicks(QStylePainter &painter, QStyleOptionSlider &option) const
{
    if (tickPosition() == NoTicks)
        return;
    option.subControls = QStyle::SC_SliderTickmarks;
    const int length = style()->pixelMetric(QStyle::PM_SliderLength, &option, this);
    const int span = style()->pixelMetric(QStyle::PM_SliderSpaceAvailable, &option, this);
    const int range = maximum() - minimum();
    const int interval = qMax(1, tickInterval());
    const qreal step = range > 0 ? qreal(span) / range : 0;
    const qreal ratio = devicePixelRatioF();
    // A tick one logical pixel wide covers the whole number of device pixels nearest that,
    // centred on its position: on a pixel's middle when that number is odd, on an edge if even.
    const int pixels = qMax(qRound(ratio), 1);
    const qreal middle = pixels % 2 ? 0.5 : 0.0;
    for (int next = minimum();; next += interval) {
        const int value = qMin(next, maximum());
        const int offset = option.upsideDown ? maximum() - value : value - minimum();
        const int drawn =
            QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown)
            + length / 2;
        const qreal exact = length / 2 + offset * step;
        const qreal centre = std::floor(exact * ratio + 0.5) + middle;
        painter.save();
        painter.setClipRect(QRectF((centre - pixels / 2.0) / ratio, 0, pixels / ratio, height()));
        painter.translate(centre / ratio - drawn, 0);
        painter.drawComplexControl(QStyle::CC_Slider, option);
        painter.restore();
        if (value == maximum())
            break;
    }
}

} // namespace runtime
