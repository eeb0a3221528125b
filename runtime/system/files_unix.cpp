// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/files_unix.h"

#include "runtime/system/files.h"

#include <QFileInfo>

namespace runtime {

namespace {

// A file, a folder or a symbolic link (whether or not it leads anywhere) at the path.
bool somethingAt(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

} // namespace

QString localPath(const QString &platformPath)
{
    // A zero would end the path early, at another file. A lone surrogate stands for a byte that
    // was no text in the system's code set (ansitext.h): such a value is taken for a damaged
    // one, not for a name.
    if (platformPath.contains(QChar(0)) || !QStringView(platformPath).isValidUtf16())
        return {};
    // The registry's values here are paths as they stand, in which a backslash is an ordinary
    // character of a name. Only the program joins with a backslash, a file name to a folder
    // from the registry, so only a last backslash with no slash after it can be a separator.
    const qsizetype join = platformPath.lastIndexOf(u'\\');
    if (join < 0 || platformPath.indexOf(u'/', join) >= 0)
        return platformPath;
    const QString joined = platformPath.left(join) + u'/' + platformPath.mid(join + 1);
    if (!somethingAt(platformPath))
        return joined;
    // Where both readings name something, which one was meant cannot be told: neither.
    return somethingAt(joined) ? QString() : platformPath;
}

QString findFile(const QString &platformPath)
{
    if (platformPath.isEmpty())
        return {};
    const QFileInfo file(localPath(platformPath));
    return file.isFile() ? file.fileName() : QString();
}

} // namespace runtime
