// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the registry test vectors against the system's own registry: writes their values below
// HKEY_CURRENT_USER, reads them back through RegOpenKeyExA, RegQueryValueExA and RegCloseKey,
// and prints one line per vector: its tag, a tab, its outcome. Built by the cross compiler
// without Qt, so the entry types below repeat those of runtime/registry/registryapi.h.
#include "runvector.h"

#include <cstdint>
#include <cstdio>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

using RegistryHandle = std::uintptr_t;
using RegOpenKeyExAEntry = std::int32_t(__stdcall *)(RegistryHandle key, const char *subKey,
                                                     std::uint32_t options,
                                                     std::uint32_t desiredAccess,
                                                     RegistryHandle *result);
using RegQueryValueExAEntry = std::int32_t(__stdcall *)(RegistryHandle key, const char *valueName,
                                                        std::uint32_t *reserved,
                                                        std::uint32_t *type, std::uint8_t *data,
                                                        std::uint32_t *dataSize);
using RegCloseKeyEntry = std::int32_t(__stdcall *)(RegistryHandle key);

static_assert(sizeof(HKEY) == sizeof(RegistryHandle) && sizeof(LONG) == sizeof(std::int32_t)
              && sizeof(DWORD) == sizeof(std::uint32_t));

// As runtime/registry/systemregistry_win.cpp finds an entry: advapi32 from the system folder only.
template<typename Entry>
Entry lookup(const char *name)
{
    const HMODULE module = LoadLibraryExA("advapi32", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    if (!found) {
        std::fprintf(stderr, "no entry %s\n", name);
        std::exit(2);
    }
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(found));
}

bool check(LONG status, const char *what)
{
    if (status != ERROR_SUCCESS)
        std::fprintf(stderr, "%s: %ld\n", what, status);
    return status == ERROR_SUCCESS;
}

bool writeValues()
{
    using namespace registryvectors;
    RegDeleteTreeA(HKEY_CURRENT_USER, Key.c_str());
    HKEY key = nullptr;
    if (!check(RegCreateKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &key, nullptr),
               "create key"))
        return false;
    bool written = true;
    for (const std::string &name : subKeys()) {
        HKEY subKey = nullptr;
        written = check(RegCreateKeyExA(key, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                        &subKey, nullptr),
                        name.c_str())
            && written;
        if (subKey)
            RegCloseKey(subKey);
    }
    for (const Value &value : values()) {
        // Text followed by a zero in memory is stored with that zero counted, as on Windows;
        // the byte after the value is never zero, so that text can be stored without one.
        const std::string data = value.data + '\x01';
        written = check(RegSetValueExA(key, value.name.c_str(), 0, value.type,
                                       reinterpret_cast<const BYTE *>(data.data()),
                                       DWORD(value.data.size())),
                        value.name.c_str())
            && written;
    }
    RegCloseKey(key);
    return written;
}

} // namespace

int main()
{
    if (!writeValues())
        return 1;
    const auto open = lookup<RegOpenKeyExAEntry>("RegOpenKeyExA");
    const auto query = lookup<RegQueryValueExAEntry>("RegQueryValueExA");
    const auto close = lookup<RegCloseKeyEntry>("RegCloseKey");
    for (const registryvectors::Vector &vector : registryvectors::vectors()) {
        if (vector.crashesWine)
            continue;
        const std::string outcome =
            registryvectors::run<RegistryHandle>(vector, open, query, close);
        std::printf("%s\t%s\n", vector.tag.c_str(), outcome.c_str());
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, registryvectors::Key.c_str());
    return 0;
}
