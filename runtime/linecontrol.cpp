// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecontrol.h"

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
    const QPoint origin = geometry().topLeft();
    const QRect box = QRect(m_line.p1() - origin, m_line.p2() - origin).normalized();
    if (box.height() == 0)
        painter.fillRect(box.left(), box.top(), box.width(), m_width, m_colour);
    else if (box.width() == 0)
        painter.fillRect(box.left(), box.top(), m_width, box.height(), m_colour);
    else {
        painter.setPen(QPen(m_colour, m_width));
        painter.drawLine(m_line.translated(-origin));
    }
}

} // namespace runtime
