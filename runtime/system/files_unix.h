// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// Paths the program builds use the backslash as their separator, as the registry's do; here each
// backslash stands for the system's separator. The one place that converts; empty text for a
// path that can name no file.
QString localPath(const QString &platformPath);

} // namespace runtime
