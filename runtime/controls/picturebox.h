// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/layout.h"

#include <QFrame>
#include <QImage>

namespace runtime {

// A picture at its natural size in a sunken border, drawn for the screen's pixel ratio: on a
// scaled screen its pixels are its own, never an image blown up.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(PictureDrawing drawing, QWidget *parent);

    // The picture as drawn for this widget's screen; none when there is no drawing.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureDrawing m_drawing;
    // The last picture drawn, kept while the pixel ratio stays.
    mutable QImage m_picture;
};

} // namespace runtime
