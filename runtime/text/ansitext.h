// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// Text handed to or taken from system libraries is 8-bit in the system's code set: the ANSI
// code page on Windows, elsewhere the locale's, which for Qt is UTF-8 and is also how file
// names are written. A character may take more than one byte.
namespace runtime::ansi {

// On Windows, characters the code page lacks become '?'.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace runtime::ansi
