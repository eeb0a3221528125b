// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace bench {

// For the start-up probes: once the named window's first paint is flushed, prints the time
// (bench::stampNs) on stdout, stops callgrind's count when it runs under callgrind, and ends the
// event loop. Call after QApplication exists.
void reportFirstPaint(const QString &windowName);

} // namespace bench
