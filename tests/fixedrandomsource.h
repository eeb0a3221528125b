// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomsource.h"
#include "runtime.h"

// Hands out one chosen value, so that a roll's edges can be reached on purpose.
class FixedRandomSource : public runtime::RandomSource
{
public:
    explicit FixedRandomSource(float value)
        : m_value(value)
    {
        runtime::Runtime::setRandomSource(this);
    }
    ~FixedRandomSource() override { runtime::Runtime::setRandomSource(nullptr); }

    void seedFromClock() override { }
    float next() override { return m_value; }

private:
    float m_value;
};
