// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/files.h"

#include <QFileInfo>
#include <QString>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace runtime {

QString findFile(const QString &platformPath)
{
    const std::wstring path = platformPath.toStdWString();
    // A zero inside the path would cut it short and test another file.
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return {};
    // An ordinary file is neither a folder nor hidden nor a system file; read-only and archived
    // files are ordinary.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    constexpr DWORD notOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN
        | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & notOrdinary))
        return {};
    return QFileInfo(platformPath).fileName();
}

} // namespace runtime
