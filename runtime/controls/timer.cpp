// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/timer.h"

#include "runtime/kernel/error.h"

#include <QTimerEvent>
#include <utility>

namespace runtime {

Timer::Timer(QObject *parent)
    : QObject(parent)
{ }

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    startOrStop();
}

void Timer::changeInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw Error(ErrorNumber::ControlFailure);
    m_interval = milliseconds;
    if (m_id)
        killTimer(std::exchange(m_id, 0));
    startOrStop();
}

void Timer::startOrStop()
{
    if (m_enabled && m_interval > 0) {
        // A coarse timer may stray by 5 % of its interval; the beat has to hold to the
        // millisecond.
        if (!m_id)
            m_id = startTimer(m_interval, Qt::PreciseTimer);
    } else if (m_id) {
        killTimer(std::exchange(m_id, 0));
    }
}

void Timer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_id)
        Q_EMIT timeout();
}

} // namespace runtime
