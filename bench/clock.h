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

inline double toMs(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace bench
