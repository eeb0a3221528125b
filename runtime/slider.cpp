// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/slider.h"

namespace runtime {

Slider::Slider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setTracking(false);
    setTickPosition(QSlider::TicksBelow);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, &Slider::Change);
}

} // namespace runtime
