// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <QtGlobal>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: one clock for every process on the machine, so a runner and
// the program it started can compare their readings.
inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The real-time clock in nanoseconds, for a start-up time measured across processes: a Windows
// program under Wine reads the same clock as the Linux runner that started it, which it does not
// for the steady clock.
inline qint64 stampNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

inline double toMs(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace bench
