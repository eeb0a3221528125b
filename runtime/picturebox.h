// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPixmap>

namespace runtime {

// A picture at its natural size in a sunken border. On a scaled screen its pixels grow whole,
// never smoothed, so a small icon stays sharp.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(const QPixmap &picture, QWidget *parent);

    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace runtime
