// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticktracker.h"

#include "clock.h"

#include <QEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

namespace bench {

TickTracker::TickTracker(QObject *timer, QWidget *window)
    : QObject(window)
    , m_timer(timer)
    , m_window(window)
{
    timer->installEventFilter(this);
    window->installEventFilter(this);
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->installEventFilter(this);
}

bool TickTracker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_timer && event->type() == QEvent::Timer) {
        const qint64 now = nowNs();
        m_fired.push_back(now);
        m_pending = now;
        m_current = {};
        Q_EMIT ticked(int(m_fired.size()));
    } else if (m_pending && event->type() == QEvent::Paint) {
        notePaint(static_cast<QWidget *>(watched), static_cast<QPaintEvent *>(event)->region());
    }
    return false;
}

void TickTracker::notePaint(QWidget *widget, const QRegion &region)
{
    const bool first = m_current.widgets == 0;
    m_current.tick = int(m_fired.size()) - 1;
    ++m_current.widgets;
    m_current.bounds |= region.boundingRect().translated(widget->mapTo(m_window, QPoint()));
    if (!first)
        return;
    // The pass that paints this widget paints the rest and flushes before the loop runs again.
    QTimer::singleShot(0, this, [this] {
        m_current.latencyNs = nowNs() - m_pending;
        m_repaints.push_back(m_current);
        m_pending = 0;
    });
}

} // namespace bench
