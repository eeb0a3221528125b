// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// What start-up does differently on each system (startup_unix.cpp, startup_win.cpp), around
// what it does alike (startup.cpp).
namespace runtime::startup {

// Ends the program with its one line, the reason after it. Safe from any thread.
[[noreturn]] void fail(const QString &reason);

// Before the application object is built, after Qt's messages are held.
void beforePlatform();
// The application object stands and can show windows; Qt's messages are still held.
void afterPlatform();
// Writes to the standard error the user gave the program.
void writeToUser(const QByteArray &text);

} // namespace runtime::startup
