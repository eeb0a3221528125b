// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bench {

enum class Verdict { Met, Short, Record, Pending };

inline Verdict meets(bool met)
{
    return met ? Verdict::Met : Verdict::Short;
}

// One line of the results table, tab-separated on stdout behind a ROW marker so that
// measure.sh can pick the rows out of everything else a tool prints.
void printRow(const QString &figure, const QString &measured, const QString &goal, Verdict verdict);

// A number with a fixed count of decimals, signed when asked.
QString number(double value, int decimals, bool sign = false);

} // namespace bench
