// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up as the user meets it. Whatever keeps the application object from standing or from
// showing a window (no display, a display that never answers, a platform plugin that fails or
// gives no screen) ends in one line on the standard error, with Qt's reason after the program's,
// and the runtime's failure status: never a hang, an abort or a core dump. Qt's messages are
// held while it starts and go out once it stands.
namespace runtime::startup {

// Before the application object is built.
void begin();

// Once the application object stands; ends the program when it can show no window.
void end();

} // namespace runtime::startup
