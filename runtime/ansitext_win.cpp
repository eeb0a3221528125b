// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ansitext.h"

#include <QByteArray>
#include <QString>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace runtime::ansi {

QByteArray encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = static_cast<int>(text.size());
    // No best fit: a character the code page lacks must not turn into a look-alike.
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.constData(), length, nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.constData(), length,
                        reinterpret_cast<wchar_t *>(text.data()), size);
    return text;
}

} // namespace runtime::ansi
