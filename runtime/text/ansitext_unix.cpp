// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/ansitext.h"

#include <QByteArray>
#include <QString>

namespace runtime::ansi {

// The code set file names are written in, so that a path crosses unchanged in any script.
QByteArray encode(const QString &text)
{
    return text.toLocal8Bit();
}

QString decode(const QByteArray &bytes)
{
    return QString::fromLocal8Bit(bytes);
}

} // namespace runtime::ansi
