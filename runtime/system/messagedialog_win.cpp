// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/runtime.h"
#include "runtime/system/messagedialog.h"

#include <QString>
#include <windows.h>

namespace runtime {

void MessageDialog::show(const QString &text)
{
    // Task-modal with no owner: every window of the program waits, and the system's modal loop
    // still delivers the timer's messages, so the roller keeps rolling behind the box.
    const std::wstring message = text.toStdWString();
    const std::wstring title = Runtime::title().toStdWString();
    MessageBoxW(nullptr, message.c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
}

} // namespace runtime
