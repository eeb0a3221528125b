// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// How often the stand-in tool (recordrun) at the path ran; -1 when a run was handed arguments,
// its path split, or was given an input other than the null device.
inline int recordedRuns(const QString &toolPath)
{
    QFile record(toolPath + QStringLiteral(".ran"));
    if (!record.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray lines = record.readAll();
    const int count = int(lines.count('\n'));
    return lines == QByteArray("1 null\n").repeated(count) ? count : -1;
}
