// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/convert.h"

#include "runtime/kernel/error.h"

#include <cmath>
#include <limits>
#include <QLocale>
#include <QString>
#include <QVariant>

namespace runtime::convert {

namespace {

double textToNumber(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw Error(ErrorNumber::TypeMismatch);
    return number;
}

double variantToNumber(const QVariant &value)
{
    if (!value.isValid())
        return 0.0;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString:
        return textToNumber(value.toString());
    default:
        break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw Error(ErrorNumber::TypeMismatch);
    return number;
}

template<typename Int>
Int roundedInto(double number)
{
    if (!std::isfinite(number))
        throw Error(ErrorNumber::Overflow);
    // The default rounding mode of the FPU is to nearest, ties to even.
    const double rounded = std::nearbyint(number);
    if (rounded < double(std::numeric_limits<Int>::min())
        || rounded > double(std::numeric_limits<Int>::max()))
        throw Error(ErrorNumber::Overflow);
    return static_cast<Int>(rounded);
}

} // namespace

QString toText(qint64 value)
{
    return QString::number(value);
}

qint16 toInt16(const QString &text)
{
    return roundedInto<qint16>(textToNumber(text));
}

qint16 toInt16(const QVariant &value)
{
    return roundedInto<qint16>(variantToNumber(value));
}

qint32 multiply(qint32 a, qint32 b)
{
    qint32 product = 0;
    if (qMulOverflow(a, b, &product))
        throw Error(ErrorNumber::Overflow);
    return product;
}

double wholePart(double value)
{
    return std::floor(value);
}

} // namespace runtime::convert
