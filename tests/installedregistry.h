// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry.h"
#include "registrylibrary.h"

// Serves a registry through the system-library service for as long as it lives.
class InstalledRegistry
{
public:
    explicit InstalledRegistry(runtime::Registry registry)
        : m_library(std::move(registry))
    {
        runtime::SystemLibrary::setInstance(&m_library);
    }
    ~InstalledRegistry() { runtime::SystemLibrary::setInstance(nullptr); }
    InstalledRegistry(const InstalledRegistry &) = delete;
    InstalledRegistry &operator=(const InstalledRegistry &) = delete;

private:
    runtime::RegistryLibrary m_library;
};
