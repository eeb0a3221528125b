// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/linecontrol.h"

#include <algorithm>
#include <cstdlib>
#include <QPainter>

namespace runtime {

LineControl::LineControl(const QLine &line, const QColor &colour, int widthPixels, QWidget *parent)
    : QWidget(parent)
    , m_line(line)
    , m_colour(colour)
    , m_width(widthPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A wide pen grows down and to the right of the given points; the end point is left out,
    // as the system's own line drawing does.
    const QRect box = QRect(line.p1(), line.p2()).normalized();
    setGeometry(box.adjusted(0, 0, widthPixels, widthPixels));
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QLine local = m_line.translated(-geometry().topLeft());
    const int left = std::min(local.x1(), local.x2());
    const int top = std::min(local.y1(), local.y2());
    if (local.dy() == 0) {
        painter.fillRect(left, top, std::abs(local.dx()), m_width, m_colour);
    } else if (local.dx() == 0) {
        painter.fillRect(left, top, m_width, std::abs(local.dy()), m_colour);
    } else {
        painter.setPen(QPen(m_colour, m_width));
        painter.drawLine(local);
    }
}

} // namespace runtime
