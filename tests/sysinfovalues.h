// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where "System Info..." looks for the tool, under HKEY_LOCAL_MACHINE: its path, else its folder.
namespace sysinfo {
inline constexpr char PathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char LocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
} // namespace sysinfo
