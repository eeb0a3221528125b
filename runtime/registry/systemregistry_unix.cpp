// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "runtime/text/ansitext.h"

#include <QStandardPaths>

namespace runtime {

namespace {

// Programs that show a summary of the machine's hardware and system, the preferred one first.
constexpr const char *systemInformationTools[] = {"hardinfo", "kinfocenter", "cpu-x", "lshw-gtk"};

} // namespace

// Where there is no system registry, the one thing looked up in it is the system-information
// tool, found on the search path; built at each lookup, so a tool installed while the program
// runs is found at once.
std::unique_ptr<RegistryApi> systemRegistry()
{
    const QByteArray key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    auto registry = std::make_unique<MemoryRegistry>();
    registry->createKey(registry::LocalMachine, key);
    for (const char *name : systemInformationTools) {
        // The registry holds the tool's full path, so the launcher starts exactly that file.
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            registry->setValue(registry::LocalMachine, key, "PATH", registry::TypeString,
                               ansi::encode(path).append('\0'));
            break;
        }
    }
    return registry;
}

} // namespace runtime
