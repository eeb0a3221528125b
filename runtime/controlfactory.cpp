// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlfactory.h"

#include "frame.h"
#include "layout.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "slider.h"
#include "timer.h"

#include <QLabel>
#include <QPushButton>

namespace runtime {

namespace {

QString caption(const ControlSpec &spec)
{
    return QString::fromUtf8(spec.caption);
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

QWidget *createLabel(const ControlSpec &spec, QWidget *container)
{
    auto *label = new QLabel(caption(spec), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(spec.alignment);
    label->setWordWrap(true);
    applyTextColour(label, spec.colour);
    return label;
}

QWidget *createPictureBox(const ControlSpec &spec, QWidget *container)
{
    const QPixmap picture = spec.picture ? QPixmap(QString::fromUtf8(spec.picture)) : QPixmap();
    return new PictureBox(picture, container);
}

QWidget *createButton(const ControlSpec &spec, QWidget *container)
{
    auto *button = new QPushButton(caption(spec), container);
    button->setDefault(spec.isDefault);
    return button;
}

QWidget *createSlider(const ControlSpec &spec, QWidget *container)
{
    auto *slider = new Slider(container);
    slider->setRange(spec.slider.min, spec.slider.max);
    slider->setValue(spec.slider.value);
    slider->setSingleStep(spec.slider.smallChange);
    slider->setPageStep(spec.slider.largeChange);
    slider->setTickInterval(spec.slider.tickFrequency);
    return slider;
}

QObject *createTimer(const ControlSpec &spec, QWidget *window)
{
    auto *timer = new Timer(window);
    timer->setInterval(spec.interval);
    timer->setEnabled(spec.enabled);
    return timer;
}

QWidget *createLine(const ControlSpec &spec, QWidget *container)
{
    const LineDesign &design = spec.line;
    const QLine line(pixels(design.x1), pixels(design.y1), pixels(design.x2), pixels(design.y2));
    return new LineControl(line, QColor::fromRgb(design.colour), design.widthPixels, container);
}

QWidget *createWidget(const ControlSpec &spec, QWidget *container)
{
    switch (spec.kind) {
    case ControlKind::Frame: {
        auto *frame = new Frame(caption(spec), container);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlKind::Label:
        return createLabel(spec, container);
    case ControlKind::Button:
        return createButton(spec, container);
    case ControlKind::Slider:
        return createSlider(spec, container);
    case ControlKind::PictureBox:
        return createPictureBox(spec, container);
    case ControlKind::Line:
        return createLine(spec, container);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QObject *createControl(const ControlSpec &spec, QWidget *container)
{
    QObject *control = spec.kind == ControlKind::Timer ? createTimer(spec, container)
                                                       : createWidget(spec, container);
    control->setObjectName(QString::fromLatin1(spec.name));
    if (spec.index >= 0)
        control->setProperty("Index", spec.index);
    auto *widget = qobject_cast<QWidget *>(control);
    if (!widget)
        return control;
    if (spec.kind != ControlKind::Line)
        widget->setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width),
                            pixels(spec.height));
    if (spec.kind != ControlKind::Button && spec.kind != ControlKind::Slider)
        widget->setFocusPolicy(Qt::NoFocus);
    if (spec.font.face) {
        QFont font(QString::fromLatin1(spec.font.face));
        font.setPointSizeF(spec.font.points);
        font.setWeight(QFont::Weight(spec.font.weight));
        widget->setFont(font);
    }
    if (spec.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
    if (spec.description)
        widget->setAccessibleDescription(QString::fromUtf8(spec.description));
    return widget;
}

} // namespace runtime
