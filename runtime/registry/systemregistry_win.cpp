// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/error.h"
#include "runtime/registry/registryapi.h"
#include "runtime/registry/registryconstants.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace runtime {

// The handle type and the numbers in registryconstants.h must be the system's.
static_assert(sizeof(HKEY) == sizeof(RegistryHandle));
static_assert(sizeof(DWORD) == sizeof(quint32) && sizeof(LONG) == sizeof(qint32));
static_assert(registry::Success == ERROR_SUCCESS && registry::FileNotFound == ERROR_FILE_NOT_FOUND
              && registry::AccessDenied == ERROR_ACCESS_DENIED
              && registry::InvalidHandle == ERROR_INVALID_HANDLE
              && registry::InvalidParameter == ERROR_INVALID_PARAMETER
              && registry::BadPathname == ERROR_BAD_PATHNAME
              && registry::MoreData == ERROR_MORE_DATA);
static_assert(registry::TypeString == REG_SZ && registry::TypeExpandString == REG_EXPAND_SZ
              && registry::TypeBinary == REG_BINARY && registry::TypeDword == REG_DWORD
              && registry::TypeMultiString == REG_MULTI_SZ);
static_assert(registry::KeyQueryValue == KEY_QUERY_VALUE && registry::KeySetValue == KEY_SET_VALUE
              && registry::ReadControl == READ_CONTROL && registry::KeyRead == KEY_READ
              && registry::KeyWrite == KEY_WRITE && registry::KeyAllAccess == KEY_ALL_ACCESS
              && registry::KeyWow64_64Key == KEY_WOW64_64KEY
              && registry::KeyWow64_32Key == KEY_WOW64_32KEY);

namespace {

// Only the system folder is searched, so a same-named library beside the program or in the
// working folder is never loaded in its place. The library stays loaded.
template<typename Entry>
Entry advapi32(const char *name)
{
    const HMODULE module = LoadLibraryExA("advapi32", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    if (!found)
        throw Error(ErrorNumber::EntryNotFound);
    return reinterpret_cast<Entry>(reinterpret_cast<void *>(found));
}

class Advapi32Registry : public RegistryApi
{
public:
    qint32 RegOpenKeyExA(RegistryHandle key, const char *subKey, quint32 options,
                         quint32 desiredAccess, RegistryHandle *result) override
    {
        return m_open(HKEY(key), subKey, options, desiredAccess, reinterpret_cast<PHKEY>(result));
    }
    qint32 RegQueryValueExA(RegistryHandle key, const char *valueName, quint32 *reserved,
                            quint32 *type, quint8 *data, quint32 *dataSize) override
    {
        return m_query(HKEY(key), valueName, reinterpret_cast<LPDWORD>(reserved),
                       reinterpret_cast<LPDWORD>(type), data, reinterpret_cast<LPDWORD>(dataSize));
    }
    qint32 RegCloseKey(RegistryHandle key) override { return m_close(HKEY(key)); }

private:
    decltype(&::RegOpenKeyExA) m_open = advapi32<decltype(&::RegOpenKeyExA)>("RegOpenKeyExA");
    decltype(&::RegQueryValueExA) m_query =
        advapi32<decltype(&::RegQueryValueExA)>("RegQueryValueExA");
    decltype(&::RegCloseKey) m_close = advapi32<decltype(&::RegCloseKey)>("RegCloseKey");
};

} // namespace

std::unique_ptr<RegistryApi> systemRegistry(std::span<const ProgramValue>)
{
    return std::make_unique<Advapi32Registry>();
}

} // namespace runtime
