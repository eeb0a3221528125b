// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// Paths the program builds use the backslash as their separator, as the registry's do; where
// the system's separator is another, each backslash stands for it. The one place that converts.
QString localPath(const QString &platformPath);

// The name of the ordinary file at the path, or empty text when there is none: a folder never
// counts, nor does a file marked hidden or system.
QString findFile(const QString &platformPath);

} // namespace runtime
