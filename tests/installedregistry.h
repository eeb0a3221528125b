// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/kernel/servicescope.h"
#include "runtime/registry/memoryregistry.h"

// Serves a registry to the reader for as long as it lives.
class InstalledRegistry
{
public:
    explicit InstalledRegistry(runtime::MemoryRegistry registry)
        : m_registry(std::move(registry))
        , m_scope(m_registry)
    { }

private:
    runtime::MemoryRegistry m_registry;
    runtime::ServiceScope<runtime::RegistryApi> m_scope;
};
