// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// Text handed to or taken from system libraries is 8-bit in the system's code set: the ANSI
// code page on Windows, elsewhere the locale's, which for Qt is UTF-8 and is also how file
// names are written. A character may take more than one byte.
//
// On Windows, characters the code page lacks become '?', and bytes that are no text in it read
// as the code page's replacement. Elsewhere such a byte reads as a lone surrogate, U+DC80 and
// up (as Python's "surrogateescape"), and is written back as itself: text read whole never holds
// one, so it cannot be mistaken for a replacement character that a name truly holds.
namespace runtime::ansi {

QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace runtime::ansi
