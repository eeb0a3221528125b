// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <qnamespace.h>
#include <span>

class QImage;

namespace runtime {

// Layouts are written in twips, 1/1440 inch: 15 twips make one pixel at 96 dpi, and Qt's
// high-DPI scaling takes the pixels from there.
constexpr int TwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

enum class ControlKind { Frame, Label, Button, Slider, Timer, PictureBox, Line };
enum class TextColour { Default, Black, Highlight };
enum class Border { Sizable, FixedDialog };

struct FontDesign
{
    const char *face = nullptr;
    qreal points = 0;
    int weight = 400;
};

struct SliderDesign
{
    int min = 0;
    int max = 10;
    int value = 0;
    int smallChange = 1;
    int largeChange = 5;
    int tickFrequency = 1;
};

// Draws a picture for a device pixel ratio, so that it is drawn afresh for each scale.
using PictureDrawing = QImage (*)(qreal devicePixelRatio);

struct LineDesign
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QRgb colour = 0;
    int widthPixels = 1;
};

// One row of a window's layout table. Positions are twips from the container's top-left.
struct ControlDesign
{
    ControlKind kind;
    const char *name;
    const char *container = nullptr; // the window's client area when null
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = -1;
    const char *caption = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    FontDesign font = {};
    TextColour colour = TextColour::Default;
    bool isDefault = false;
    bool isCancel = false;
    SliderDesign slider = {};
    int interval = 0; // timer, ms
    bool enabled = true;
    PictureDrawing picture = nullptr;
    LineDesign line = {};
    // For assistive tools, where the caption does not say it or there is none.
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    bool showsStatus = false; // a frame around the program's state, read as a status bar
};

struct WindowDesign
{
    const char *className;
    const char *caption;
    int clientWidth; // twips
    int clientHeight;
    Border border;
    // Resource paths of the icon's pictures, from which Qt picks by size; none of its own when
    // empty.
    std::span<const char *const> icon = {};
    bool fixedPlacement = false;
    int left = 0; // twips from the screen's top-left to the client area, when fixed
    int top = 0;
};

} // namespace runtime
