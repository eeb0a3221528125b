// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/error.h"
#include "runtime/system/files_unix.h"
#include "runtime/system/programstart.h"

#include <QFileInfo>
#include <QProcess>

namespace runtime {

void startProgram(const QString &platformPath, WindowStyle)
{
    // Window styles mean nothing to a new process here; its window manager places and focuses it.
    const QString path = localPath(platformPath);
    if (path.isEmpty() || !QFileInfo::exists(path))
        throw Error(ErrorNumber::FileNotFound);
    QProcess process;
    // Absolute, so that a bare name is the file in the working folder that was just checked,
    // never a program of that name on the search path.
    process.setProgram(QFileInfo(path).absoluteFilePath());
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw Error(ErrorNumber::PermissionDenied);
}

} // namespace runtime
