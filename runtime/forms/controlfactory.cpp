// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/forms/controlfactory.h"

#include "runtime/controls/frame.h"
#include "runtime/controls/linecontrol.h"
#include "runtime/controls/picturebox.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/forms/layout.h"

#include <QLabel>
#include <QPushButton>

namespace runtime {

namespace {

QString caption(const ControlDesign &row)
{
    return QString::fromUtf8(row.caption);
}

void applyTextColour(QWidget *widget, TextColour colour)
{
    if (colour == TextColour::Default)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     colour == TextColour::Black ? QColor(Qt::black)
                                                 : palette.color(QPalette::Highlight));
    widget->setPalette(palette);
}

QWidget *createLabel(const ControlDesign &row, QWidget *container)
{
    auto *label = new QLabel(caption(row), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(row.alignment);
    label->setWordWrap(true);
    applyTextColour(label, row.colour);
    return label;
}

QWidget *createFrame(const ControlDesign &row, QWidget *container)
{
    auto *frame = new Frame(caption(row), container);
    frame->setShowsStatus(row.showsStatus);
    return frame;
}

QWidget *createButton(const ControlDesign &row, QWidget *container)
{
    auto *button = new QPushButton(caption(row), container);
    button->setDefault(row.isDefault);
    return button;
}

QWidget *createSlider(const ControlDesign &row, QWidget *container)
{
    auto *slider = new Slider(container);
    slider->setRange(row.slider.min, row.slider.max);
    slider->setValue(row.slider.value);
    slider->setSingleStep(row.slider.smallChange);
    slider->setPageStep(row.slider.largeChange);
    slider->setTickInterval(row.slider.tickFrequency);
    return slider;
}

QObject *createTimer(const ControlDesign &row, QWidget *window)
{
    auto *timer = new Timer(window);
    timer->changeInterval(row.interval);
    timer->setEnabled(row.enabled);
    return timer;
}

QWidget *createLine(const ControlDesign &row, QWidget *container)
{
    const LineDesign &design = row.line;
    const QLine line(pixels(design.x1), pixels(design.y1), pixels(design.x2), pixels(design.y2));
    return new LineControl(line, QColor::fromRgb(design.colour), design.widthPixels, container);
}

QWidget *createWidget(const ControlDesign &row, QWidget *container)
{
    switch (row.kind) {
    case ControlKind::Frame:
        return createFrame(row, container);
    case ControlKind::Label:
        return createLabel(row, container);
    case ControlKind::Button:
        return createButton(row, container);
    case ControlKind::Slider:
        return createSlider(row, container);
    case ControlKind::PictureBox:
        return new PictureBox(row.picture, container);
    case ControlKind::Line:
        return createLine(row, container);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QObject *createControl(const ControlDesign &row, QWidget *container)
{
    QObject *control =
        row.kind == ControlKind::Timer ? createTimer(row, container) : createWidget(row, container);
    control->setObjectName(QString::fromLatin1(row.name));
    auto *widget = qobject_cast<QWidget *>(control);
    if (!widget)
        return control;
    widget->setEnabled(row.enabled);
    if (row.kind != ControlKind::Line)
        widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width),
                            pixels(row.height));
    if (row.kind != ControlKind::Button && row.kind != ControlKind::Slider)
        widget->setFocusPolicy(Qt::NoFocus);
    if (row.font.face) {
        QFont font(QString::fromLatin1(row.font.face));
        font.setPointSizeF(row.font.points);
        font.setWeight(QFont::Weight(row.font.weight));
        widget->setFont(font);
    }
    if (row.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
    if (row.description)
        widget->setAccessibleDescription(QString::fromUtf8(row.description));
    return widget;
}

} // namespace runtime
