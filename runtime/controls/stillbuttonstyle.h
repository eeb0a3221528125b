// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace runtime {

// The application's style with buttons drawn still. Qt's Windows style keeps a default button
// pulsing, repainting it about thirty times a second for as long as its window is open; the
// About window's OK button alone cost twenty times what the rolling main window does. Without
// the button's style object the style has nothing to animate, and draws the default button's
// frame as it is.
class StillButtonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit StillButtonStyle(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

} // namespace runtime
