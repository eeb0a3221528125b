// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintwatcher.h"

#include "clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace bench {

PaintWatcher::PaintWatcher(const QString &windowName, QObject *parent)
    : QObject(parent)
    , m_windowName(windowName)
{
    QCoreApplication::instance()->installEventFilter(this);
    connect(this, &PaintWatcher::flushed, this,
            [this](qint64 nanoseconds) { m_last = nanoseconds; });
}

qint64 PaintWatcher::wait(int timeoutMs)
{
    if (m_last)
        return m_last;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &PaintWatcher::flushed, &loop, &QEventLoop::quit);
    guard.start(timeoutMs);
    loop.exec();
    return m_last;
}

bool PaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_armed || event->type() != QEvent::Paint)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window()->objectName() != m_windowName)
        return false;
    m_armed = false;
    // The whole window is painted and flushed in the pass this paint belongs to; a zero timer
    // runs once the event loop is back, after the flush.
    QTimer::singleShot(0, this, [this] { Q_EMIT flushed(nowNs()); });
    return false;
}

} // namespace bench
