// SPDX-License-Identifier: GPL-3.0-or-later
#include "error.h"
#include "registryconstants.h"
#include "systemlibrary.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace runtime {

// The entry types in systemlibrary.h and the numbers in registryconstants.h must be the system's.
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
              && registry::KeyCreateSubKey == KEY_CREATE_SUB_KEY
              && registry::KeyEnumerateSubKeys == KEY_ENUMERATE_SUB_KEYS
              && registry::KeyNotify == KEY_NOTIFY && registry::KeyCreateLink == KEY_CREATE_LINK
              && registry::ReadControl == READ_CONTROL && registry::KeyRead == KEY_READ
              && registry::KeyWrite == KEY_WRITE && registry::KeyAllAccess == KEY_ALL_ACCESS
              && registry::KeyWow64_64Key == KEY_WOW64_64KEY
              && registry::KeyWow64_32Key == KEY_WOW64_32KEY);

SystemLibrary::EntryPoint SystemLibrary::entry(const QByteArray &library, const QByteArray &name)
{
    // Only the system folder is searched, so a same-named library beside the program or in the
    // working folder is never loaded in its place. Loaded libraries stay loaded: the entries
    // handed out must stay valid.
    const HMODULE module =
        LoadLibraryExA(library.constData(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module ? GetProcAddress(module, name.constData()) : nullptr;
    if (!found)
        throw Error(ErrorNumber::EntryNotFound);
    return reinterpret_cast<EntryPoint>(found);
}

} // namespace runtime
