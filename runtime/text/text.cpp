// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/text.h"

#include "runtime/kernel/error.h"
#include "runtime/text/ansitext.h"

#include <QString>

namespace runtime::text {

QString mid(const QString &text, qint64 start, qint64 length)
{
    if (start < 1 || length < 0)
        throw Error(ErrorNumber::InvalidArgument);
    if (start > text.size())
        return {};
    return text.mid(start - 1, length);
}

QString left(const QString &text, qint64 length)
{
    if (length < 0)
        throw Error(ErrorNumber::InvalidArgument);
    return text.left(length);
}

int asc(const QString &text)
{
    if (text.isEmpty())
        throw Error(ErrorNumber::InvalidArgument);
    return quint8(ansi::encode(text.left(1)).at(0));
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xff, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace runtime::text
