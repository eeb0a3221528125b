// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <QString>
#include <QStringList>
#include <span>

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

// A value that names a program by its full path. Where the system keeps no registry, the
// system's registry holds such values alone, each naming the first of its programs found on the
// search path at the time of the lookup, and missing when none is there; the key is there
// either way. Windows' registry holds what Windows put there.
struct ProgramValue
{
    RegistryHandle root;
    QString key;
    QString name;
    QStringList programs; // the preferred one first
};

// The registry that one lookup reads: a ServiceScope's stand-in while there is one, else the
// system's, taken afresh for every lookup. On Windows that is advapi32's own entries (Error
// EntryNotFound when they cannot be found); elsewhere an in-memory registry of the program
// values the caller knows, so a program installed while this one runs is found at once.
class RegistryLookup
{
public:
    explicit RegistryLookup(std::span<const ProgramValue> programValues);
    ~RegistryLookup();
    RegistryLookup(const RegistryLookup &) = delete;
    RegistryLookup &operator=(const RegistryLookup &) = delete;

    RegistryApi *operator->() const { return m_api; }

private:
    std::unique_ptr<RegistryApi> m_system;
    RegistryApi *m_api;
};

// The system's registry entries; defined once per platform.
std::unique_ptr<RegistryApi> systemRegistry(std::span<const ProgramValue> programValues);

} // namespace runtime
