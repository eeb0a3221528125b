// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// Paths the program builds join a file name to a folder with a backslash, as the registry's
// paths do; here that backslash stands for the system's separator, while a backslash inside a
// name the registry gave stays what it is. The one place that converts; empty text for a path
// that can name no file, or that could be read either way.
QString localPath(const QString &platformPath);

} // namespace runtime
