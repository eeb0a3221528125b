// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace runtime {

// A line drawn between two points of its container. The widget covers just the line's
// bounding box and lets clicks and focus pass by.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    LineControl(const QLine &line, const QColor &colour, int widthPixels, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    QColor m_colour;
    int m_width;
};

} // namespace runtime
