// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

class QStyleOptionSlider;
class QStylePainter;

namespace runtime {

// The pause slider: a horizontal QSlider with a tick at every position. Its position is also the
// property Value, the name the control's position goes by where it is read by name. Change is
// raised whenever the position ends up somewhere new: at once for keys and clicks on the track,
// and for a drag only when the thumb is let go.
class Slider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue NOTIFY Change)

public:
    explicit Slider(QWidget *parent = nullptr);

Q_SIGNALS:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTicks(QStylePainter &painter, QStyleOptionSlider &option) const;
};

} // namespace runtime
