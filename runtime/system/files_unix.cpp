// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/files_unix.h"

#include "runtime/system/files.h"

#include <QDir>
#include <QFileInfo>

namespace runtime {

QString localPath(const QString &platformPath)
{
    // A zero would end the path early, at another file. A lone surrogate stands for a byte that
    // was no text in the system's code set (ansitext.h): such a value is taken for a damaged
    // one, not for a name.
    if (platformPath.contains(QChar(0)) || !QStringView(platformPath).isValidUtf16())
        return {};
    QString path = platformPath;
    return path.replace(u'\\', QDir::separator());
}

QString findFile(const QString &platformPath)
{
    if (platformPath.isEmpty())
        return {};
    const QFileInfo file(localPath(platformPath));
    return file.isFile() ? file.fileName() : QString();
}

} // namespace runtime
