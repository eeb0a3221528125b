// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/picturebox.h"

#include <QPainter>

namespace runtime {

PictureBox::PictureBox(const QPixmap &picture, QWidget *parent)
    : QFrame(parent)
    , m_picture(picture)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}

} // namespace runtime
