// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemlibrary.h"

#include "registryconstants.h"
#include "registrylibrary.h"

#include <QFileInfo>

namespace runtime {

namespace {

// Programs that show a summary of the machine's hardware and system, the preferred one first.
constexpr const char *systemInformationTools[] = {"/usr/bin/hardinfo", "/usr/bin/kinfocenter",
                                                  "/usr/bin/cpu-x", "/usr/bin/lshw-gtk"};

// What the program looks up where there is no system registry: the system information tool.
Registry builtInRegistry()
{
    const QByteArray key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    Registry registry;
    registry.createKey(registry::LocalMachine, key);
    for (const char *path : systemInformationTools) {
        const QFileInfo tool(QString::fromLatin1(path));
        if (tool.isFile() && tool.isExecutable()) {
            registry.setValue(registry::LocalMachine, key, "PATH", registry::TypeString,
                              QByteArray(path).append('\0'));
            break;
        }
    }
    return registry;
}

} // namespace

SystemLibrary::EntryPoint SystemLibrary::entry(const QByteArray &library, const QByteArray &name)
{
    static RegistryLibrary builtIn(builtInRegistry());
    return builtIn.entry(library, name);
}

} // namespace runtime
