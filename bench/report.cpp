// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include <cstdio>

namespace bench {

namespace {

const char *verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Met:
        return "met";
    case Verdict::Short:
        return "SHORT";
    case Verdict::Record:
        return "record";
    case Verdict::Pending:
        return "pending";
    }
    return "";
}

} // namespace

void printRow(const QString &figure, const QString &measured, const QString &goal, Verdict verdict)
{
    std::printf("ROW\t%s\t%s\t%s\t%s\n", qUtf8Printable(figure), qUtf8Printable(measured),
                qUtf8Printable(goal), verdictText(verdict));
    std::fflush(stdout);
}

QString number(double value, int decimals, bool sign)
{
    QString text = QString::number(value, 'f', decimals);
    if (sign && value >= 0)
        text.prepend(QLatin1Char('+'));
    return text;
}

} // namespace bench
