// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry.h"
#include "systemlibrary.h"

namespace runtime {

// Plays advapi32's part with a Registry of its own: hands out RegOpenKeyExA, RegQueryValueExA
// and RegCloseKey. The entries are plain functions, so they act on the registry of the library
// that handed one out last; once that library is gone they answer that no handle is valid.
class RegistryLibrary : public SystemLibrary
{
public:
    explicit RegistryLibrary(Registry registry);
    ~RegistryLibrary() override;

    EntryPoint entry(const QByteArray &library, const QByteArray &name) override;

private:
    Registry m_registry;
};

} // namespace runtime
