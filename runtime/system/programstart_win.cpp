// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/error.h"
#include "runtime/system/programstart.h"

#include <QString>
#include <windows.h>

namespace runtime {

void startProgram(const QString &platformPath, WindowStyle)
{
    // The application name is passed on its own, so a path with blanks is never read as a
    // program followed by arguments; the command line repeats it quoted, as programs expect.
    const std::wstring application = platformPath.toStdWString();
    // A zero inside the path would cut it short and name another file.
    if (application.empty() || application.find(L'\0') != std::wstring::npos)
        throw Error(ErrorNumber::FileNotFound);
    std::wstring commandLine = L"\"" + application + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        throw Error(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                        ? ErrorNumber::FileNotFound
                        : ErrorNumber::PermissionDenied);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace runtime
