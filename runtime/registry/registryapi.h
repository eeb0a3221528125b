// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <QtGlobal>

namespace runtime {

// An HKEY.
using RegistryHandle = quintptr;

// The three registry entries of advapi32 that the program reads with, as the system declares
// them: 8-bit names in the ANSI code page, statuses as the system's error codes.
class RegistryApi
{
public:
    virtual ~RegistryApi() = default;

    virtual qint32 RegOpenKeyExA(RegistryHandle key, const char *subKey, quint32 options,
                                 quint32 desiredAccess, RegistryHandle *result) = 0;
    virtual qint32 RegQueryValueExA(RegistryHandle key, const char *valueName, quint32 *reserved,
                                    quint32 *type, quint8 *data, quint32 *dataSize) = 0;
    virtual qint32 RegCloseKey(RegistryHandle key) = 0;
};

// The registry that one lookup reads: a ServiceScope's stand-in while there is one, else the
// system's, taken afresh for every lookup. On Windows that is advapi32's own entries (Error
// EntryNotFound when they cannot be found); elsewhere an in-memory registry that names the
// system-information tool installed right now.
class RegistryLookup
{
public:
    RegistryLookup();
    ~RegistryLookup();
    RegistryLookup(const RegistryLookup &) = delete;
    RegistryLookup &operator=(const RegistryLookup &) = delete;

    RegistryApi *operator->() const { return m_api; }

private:
    std::unique_ptr<RegistryApi> m_system;
    RegistryApi *m_api;
};

// The system's registry entries; defined once per platform.
std::unique_ptr<RegistryApi> systemRegistry();

} // namespace runtime
