// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/files_unix.h"

#include "runtime/system/files.h"

#include <QDir>
#include <QFileInfo>

namespace runtime {

QString localPath(const QString &platformPath)
{
    // A replacement character stands for bytes that were no text in the system's code set:
    // written back, it would name another file, so such a path names none.
    if (platformPath.contains(QChar::ReplacementCharacter))
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
