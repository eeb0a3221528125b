// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QString;
class QVariant;

// Conversions between numbers, text and variants. Each raises the runtime's Error
// (TypeMismatch, Overflow) instead of returning a half-valid result.
namespace runtime::convert {

// Decimal digits with a leading minus where needed, never a leading blank.
QString toText(qint64 value);

// Text that reads as a number (blanks around it allowed, fractions rounded half to even).
qint16 toInt16(const QString &text);

// Numbers are rounded half to even, text is read as by toInt16, an empty variant is 0.
qint16 toInt16(const QVariant &value);

qint32 multiply(qint32 a, qint32 b);

// The whole part of a value, rounded towards minus infinity.
double wholePart(double value);

} // namespace runtime::convert
