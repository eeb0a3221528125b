// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <random>

namespace runtime {

// The program's one source of random values. Unseeded it gives the engine's fixed default
// sequence; the main window seeds it from the clock as it loads.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // The program's random source, or a test's stand-in (ServiceScope).
    static RandomSource &current();

    void seed(quint32 seed);
    virtual void seedFromClock();

    // Uniform over [0, 1) in single precision; never 1.0.
    virtual float next();

private:
    // Mersenne Twister: a 2^19937 - 1 period, equidistributed in 623 dimensions and clean on
    // TestU01's BigCrush but for its linear-complexity tests, which say nothing about dice.
    std::mt19937 m_engine;
};

} // namespace runtime
