// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// The name of the ordinary file at the path, or empty text when there is none. The path is
// written with backslashes, as the registry's are. A folder never counts, nor anything else that
// is no regular file (a FIFO, a device); on Windows neither does a file marked hidden or system.
// Unix has no such marks: a name starting with a dot is hidden from listings only, and counts.
QString findFile(const QString &platformPath);

} // namespace runtime
