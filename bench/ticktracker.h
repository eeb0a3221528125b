// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <vector>

class QWidget;

namespace bench {

// Follows the roller's beat from outside: the time each timer event reaches tmrRoller, and for
// each tick that changed lblRoll, the time its repaint was flushed and what it repainted.
class TickTracker : public QObject
{
    Q_OBJECT

public:
    struct Repaint
    {
        int tick = 0; // index into fired()
        qint64 latencyNs = 0;
        QRect bounds; // in the window's coordinates
        int widgets = 0;
    };

    TickTracker(QObject *timer, QWidget *window);

    const std::vector<qint64> &fired() const { return m_fired; }
    const std::vector<Repaint> &repaints() const { return m_repaints; }

Q_SIGNALS:
    // Before the tick's own handler runs; count includes this tick.
    void ticked(int count);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void notePaint(QWidget *widget, const QRegion &region);

    QObject *m_timer;
    QWidget *m_window;
    std::vector<qint64> m_fired;
    std::vector<Repaint> m_repaints;
    qint64 m_pending = 0;
    Repaint m_current;
};

} // namespace bench
