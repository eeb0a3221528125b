// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/picturebox.h"

#include <QPainter>

namespace runtime {

PictureBox::PictureBox(PictureDrawing drawing, QWidget *parent)
    : QFrame(parent)
    , m_drawing(drawing)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

QImage PictureBox::picture() const
{
    if (m_drawing && (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF()))
        m_picture = m_drawing(devicePixelRatioF());
    return m_picture;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture());
}

} // namespace runtime
