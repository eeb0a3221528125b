// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/kernel/randomsource.h"
#include "runtime/kernel/servicescope.h"

// Hands out one chosen value, so that a roll's edges can be reached on purpose.
class FixedRandomSource : public runtime::RandomSource
{
public:
    explicit FixedRandomSource(float value)
        : m_value(value)
    { }

    void seedFromClock() override { ++seedings; }
    float next() override { return m_value; }

    int seedings = 0;

private:
    float m_value;
    runtime::ServiceScope<runtime::RandomSource> m_scope {*this};
};
