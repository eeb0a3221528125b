// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// Paths the program builds join a file name to a folder with a backslash, as the registry's
// paths do. Where the system's separator is another, that backslash stands for it, while a
// backslash inside a name the registry gave stays what it is; a path that could be read
// either way names no file. The one place that converts.
QString localPath(const QString &platformPath);

// The name of the ordinary file at the path, or empty text when there is none: a folder never
// counts, nor does a file marked hidden or system.
QString findFile(const QString &platformPath);

} // namespace runtime
