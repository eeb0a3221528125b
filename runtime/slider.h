// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

namespace runtime {

// The common-controls slider. Its properties carry the classic names so that windows can read
// them late-bound; Change is raised whenever the position ends up somewhere new: at once for
// keys and clicks on the track, when the thumb is let go for a drag.
class Slider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue NOTIFY Change)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int SmallChange READ singleStep WRITE setSingleStep)
    Q_PROPERTY(int LargeChange READ pageStep WRITE setPageStep)
    Q_PROPERTY(int TickFrequency READ tickInterval WRITE setTickInterval)

public:
    explicit Slider(QWidget *parent = nullptr);

Q_SIGNALS:
    void Change();
};

} // namespace runtime
