// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QString;

// Text functions that count characters from 1. A position or length that cannot be meant raises
// InvalidArgument rather than yielding some text.
namespace runtime::text {

// Up to length characters from position start on; empty text when start lies past the end.
QString mid(const QString &text, qint64 start, qint64 length);
QString left(const QString &text, qint64 length);

// The code of the first character in the system's code set: the first byte it crosses as.
int asc(const QString &text);

// Two upper-case hexadecimal digits.
QString hexByte(int value);

} // namespace runtime::text
