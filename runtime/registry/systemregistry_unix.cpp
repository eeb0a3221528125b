// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "runtime/text/ansitext.h"

#include <QStandardPaths>

namespace runtime {

// Where there is no system registry, it holds the values the program looks up to find other
// programs, and they are found on the search path; built at each lookup.
std::unique_ptr<RegistryApi> systemRegistry(std::span<const ProgramValue> programValues)
{
    auto registry = std::make_unique<MemoryRegistry>();
    for (const ProgramValue &value : programValues) {
        const QByteArray key = ansi::encode(value.key);
        registry->createKey(value.root, key);
        for (const QString &program : value.programs) {
            // The registry holds the program's full path, so exactly that file is started.
            const QString path = QStandardPaths::findExecutable(program);
            if (!path.isEmpty()) {
                registry->setValue(value.root, key, ansi::encode(value.name), registry::TypeString,
                                   ansi::encode(path).append('\0'));
                break;
            }
        }
    }
    return registry;
}

} // namespace runtime
