// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// How the started program's window first appears: normal, and given the focus.
enum class WindowStyle { NormalFocus = 1 };

// Starts the program at the path and returns at once, leaving it to run on its own. The path
// names one program: it is never handed to a shell nor split at blanks. A program that cannot
// be started raises FileNotFound when nothing is there, PermissionDenied otherwise.
void startProgram(const QString &platformPath, WindowStyle style);

} // namespace runtime
