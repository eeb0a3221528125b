// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// Text handed to or taken from system libraries is 8-bit in the ANSI code page, one character
// per byte. Where no such code page exists that is Latin-1.
namespace runtime::ansi {

// Characters the code page lacks become '?'.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace runtime::ansi
