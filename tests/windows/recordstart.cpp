// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the system-information tool: each run appends one line, in UTF-8, to a file named
// after the file that actually ran (its module path and ".ran"): its command line, its working
// folder, and the startup flags and window style it was given, separated by tabs.
#include <fstream>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

int main()
{
    wchar_t module[32768];
    const DWORD moduleLength = GetModuleFileNameW(nullptr, module, DWORD(std::size(module)));
    wchar_t folder[32768];
    const DWORD folderLength = GetCurrentDirectoryW(DWORD(std::size(folder)), folder);
    STARTUPINFOW startup = {};
    GetStartupInfoW(&startup);

    std::ofstream record((std::wstring(module, moduleLength) + L".ran").c_str(), std::ios::app);
    record << utf8(GetCommandLineW()) << '\t' << utf8(std::wstring(folder, folderLength)) << '\t'
           << startup.dwFlags << '\t' << startup.wShowWindow << '\n';
    return 0;
}
