// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// The calling convention of system library entries.
#ifdef Q_OS_WIN
#define DICEMERE_WINAPI __stdcall
#else
#define DICEMERE_WINAPI
#endif

namespace runtime {

// An HKEY.
using RegistryHandle = quintptr;

// advapi32's registry entries, typed as the system declares them.
using RegOpenKeyExAEntry = qint32(DICEMERE_WINAPI *)(RegistryHandle key, const char *subKey,
                                                     quint32 options, quint32 desiredAccess,
                                                     RegistryHandle *result);
using RegQueryValueExAEntry = qint32(DICEMERE_WINAPI *)(RegistryHandle key, const char *valueName,
                                                        quint32 *reserved, quint32 *type,
                                                        quint8 *data, quint32 *dataSize);
using RegCloseKeyEntry = qint32(DICEMERE_WINAPI *)(RegistryHandle key);

// Finds entries of system libraries by name. On Windows these are the system's own; elsewhere
// advapi32's registry entries are served from an in-process Registry.
class SystemLibrary
{
public:
    // Any entry; it must be cast to its own type before it is called.
    using EntryPoint = void (*)();

    virtual ~SystemLibrary() = default;

    // Library names ignore case and may end in ".dll". Raises Error(EntryNotFound) when the
    // library or the entry cannot be found.
    virtual EntryPoint entry(const QByteArray &library, const QByteArray &name);

    template<typename Entry>
    Entry lookup(const QByteArray &library, const QByteArray &name)
    {
        return reinterpret_cast<Entry>(entry(library, name));
    }

    static SystemLibrary &instance()
    {
        static SystemLibrary platform;
        return s_instance ? *s_instance : platform;
    }
    // Tests put in their own; nullptr brings back the platform's. Ownership stays with the caller.
    static void setInstance(SystemLibrary *library) { s_instance = library; }

private:
    static inline SystemLibrary *s_instance = nullptr;
};

} // namespace runtime
