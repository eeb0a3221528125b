// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ansitext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace runtime::ansi {

QByteArray encode(const QString &text)
{
    // By code point, so a character outside the basic plane becomes one '?', not two.
    QByteArray bytes;
    for (const uint character : text.toUcs4())
        bytes.append(character <= 0xff ? char(character) : '?');
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace runtime::ansi
