// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/timer.h"

#include "runtime/kernel/error.h"

namespace runtime {

Timer::Timer(QObject *parent)
    : QTimer(parent)
{
    // A coarse timer may stray by 5 % of its interval; the beat has to hold to the millisecond.
    setTimerType(Qt::PreciseTimer);
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    startOrStop();
}

void Timer::changeInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw Error(ErrorNumber::ControlFailure);
    QTimer::setInterval(milliseconds);
    startOrStop();
}

void Timer::startOrStop()
{
    if (m_enabled && interval() > 0) {
        if (!isActive())
            start();
    } else {
        stop();
    }
}

} // namespace runtime
