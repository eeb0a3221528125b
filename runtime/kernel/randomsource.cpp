// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/randomsource.h"

#include "runtime/kernel/servicescope.h"

#include <chrono>

namespace runtime {

RandomSource &RandomSource::current()
{
    static RandomSource source;
    RandomSource *standIn = ServiceScope<RandomSource>::standIn();
    return standIn ? *standIn : source;
}

void RandomSource::seed(quint32 seed)
{
    m_engine.seed(seed);
}

void RandomSource::seedFromClock()
{
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq sequence {quint32(wall), quint32(quint64(wall) >> 32), quint32(steady),
                            quint32(quint64(steady) >> 32)};
    m_engine.seed(sequence);
}

float RandomSource::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24.
    constexpr float scale = 1.0f / float(1u << 24);
    return float(m_engine() >> 8) * scale;
}

} // namespace runtime
