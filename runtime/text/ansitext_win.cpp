// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/ansitext.h"
#include "runtime/text/codepage.h"

#include <optional>
#include <QByteArray>
#include <QString>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace runtime::ansi {

static_assert(NoBestFitChars == WC_NO_BEST_FIT_CHARS && ErrInvalidChars == WC_ERR_INVALID_CHARS);

namespace {

QString decodeIn(UINT codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    // Flags 0, which every code page allows: a byte that makes no character reads as the code
    // page's replacement, so a value is never lost whole for one bad byte.
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, bytes.data(), length, reinterpret_cast<wchar_t *>(text.data()),
                        size);
    return text;
}

// The text in the code page, or nothing when the code page lacks one of its characters.
std::optional<QByteArray> encodeIn(UINT codePage, QStringView text)
{
    const EncodeRule rule = encodeRule(codePage);
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL *used = rule.missing == Missing::UsedDefaultChar ? &usedDefault : nullptr;
    const int size =
        WideCharToMultiByte(codePage, rule.flags, wide, length, nullptr, 0, nullptr, used);
    if (size == 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(codePage, rule.flags, wide, length, bytes.data(), size, nullptr, nullptr);
    if (rule.missing == Missing::RoundTripDiffers && decodeIn(codePage, bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace

QByteArray encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const UINT codePage = GetACP();
    if (std::optional<QByteArray> bytes = encodeIn(codePage, text))
        return *bytes;
    // Some character is missing: each alone, so that only the missing ones become '?'. A
    // surrogate pair is one character.
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            ? 2
            : 1;
        bytes += encodeIn(codePage, QStringView(text).mid(i, length)).value_or("?");
        i += length;
    }
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    return decodeIn(GetACP(), bytes);
}

} // namespace runtime::ansi
