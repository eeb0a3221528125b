// SPDX-License-Identifier: GPL-3.0-or-later
#include "registrylibrary.h"

#include "error.h"
#include "registryconstants.h"

#include <utility>

namespace runtime {

namespace {

Registry *s_served = nullptr;

// Options only ask for symbolic links, which this registry has none of.
qint32 DICEMERE_WINAPI openKey(RegistryHandle key, const char *subKey, quint32,
                               quint32 desiredAccess, RegistryHandle *result)
{
    if (!s_served)
        return registry::InvalidHandle;
    return s_served->openKey(key, subKey, desiredAccess, result);
}

qint32 DICEMERE_WINAPI queryValue(RegistryHandle key, const char *valueName, quint32 *reserved,
                                  quint32 *type, quint8 *data, quint32 *dataSize)
{
    if (!s_served)
        return registry::InvalidHandle;
    return s_served->queryValue(key, valueName, reserved, type, data, dataSize);
}

qint32 DICEMERE_WINAPI closeKey(RegistryHandle key)
{
    if (!s_served)
        return registry::InvalidHandle;
    return s_served->closeKey(key);
}

// Checks the entry against its declared type before it loses that type.
template<typename Entry>
SystemLibrary::EntryPoint generic(Entry entry)
{
    return reinterpret_cast<SystemLibrary::EntryPoint>(entry);
}

bool isAdvapi32(QByteArray library)
{
    library = library.toLower();
    if (library.endsWith(".dll"))
        library.chop(4);
    return library == "advapi32";
}

} // namespace

RegistryLibrary::RegistryLibrary(Registry registry)
    : m_registry(std::move(registry))
{ }

RegistryLibrary::~RegistryLibrary()
{
    if (s_served == &m_registry)
        s_served = nullptr;
}

SystemLibrary::EntryPoint RegistryLibrary::entry(const QByteArray &library, const QByteArray &name)
{
    if (isAdvapi32(library)) {
        // Entry names match case and all, as the system's loader does.
        EntryPoint found = nullptr;
        if (name == "RegOpenKeyExA")
            found = generic<RegOpenKeyExAEntry>(&openKey);
        else if (name == "RegQueryValueExA")
            found = generic<RegQueryValueExAEntry>(&queryValue);
        else if (name == "RegCloseKey")
            found = generic<RegCloseKeyEntry>(&closeKey);
        if (found) {
            s_served = &m_registry;
            return found;
        }
    }
    throw Error(ErrorNumber::EntryNotFound);
}

} // namespace runtime
