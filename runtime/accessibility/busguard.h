// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime::busguard {

// Qt's accessibility bridge (6.4), and its platform services too (6.8), wait with no deadline on
// a session bus or accessibility bus that takes connections and never answers: no window, or
// one that never moves. Before the application object is built this checks, a second at most
// for each, that both buses answer. Where one does not, Qt is given an address that fails at
// once in its place for this run: that costs the screen reader, and one line says so, but not
// the program.
void beforeApplication();

// The application object stands: Qt meets its buses now, on the addresses it was given, and
// keeps what it found; then the user's own addresses are back for the programs started later.
void applicationBuilt();

} // namespace runtime::busguard
