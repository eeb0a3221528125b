// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/ansitext.h"

#include <QByteArray>
#include <QString>

namespace runtime::ansi {

namespace {

// A byte that is no text in the code set, 0x80 or above, stands as this plus its value: a lone
// surrogate, which no text read whole holds.
constexpr char16_t Escape = 0xdc00;

// The length of the character the bytes start with, or 0 when they start with none. Qt's code
// set here is UTF-8, whose characters take up to four bytes.
qsizetype characterLength(QByteArrayView bytes)
{
    for (qsizetype length = 1; length <= qMin<qsizetype>(4, bytes.size()); ++length) {
        const QByteArrayView character = bytes.first(length);
        if (QString::fromLocal8Bit(character).toLocal8Bit() == character)
            return length;
    }
    return 0;
}

} // namespace

// The code set file names are written in, so that a path crosses unchanged in any script.
QByteArray encode(const QString &text)
{
    if (QStringView(text).isValidUtf16())
        return text.toLocal8Bit();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t unit = text.at(i).unicode();
        const qsizetype length =
            QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            ? 2
            : 1;
        if (length == 1 && unit >= Escape + 0x80 && unit <= Escape + 0xff)
            bytes += char(unit - Escape);
        else
            bytes += QStringView(text).sliced(i, length).toLocal8Bit();
        i += length;
    }
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    QString text = QString::fromLocal8Bit(bytes);
    if (text.toLocal8Bit() == bytes)
        return text;
    text.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = characterLength(QByteArrayView(bytes).sliced(i));
        if (length) {
            text += QString::fromLocal8Bit(bytes.sliced(i, length));
            i += length;
        } else {
            text += QChar(char16_t(Escape + quint8(bytes.at(i))));
            ++i;
        }
    }
    return text;
}

} // namespace runtime::ansi
