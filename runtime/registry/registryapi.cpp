// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry/registryapi.h"

#include "runtime/kernel/servicescope.h"

namespace runtime {

RegistryLookup::RegistryLookup(std::span<const ProgramValue> programValues)
    : m_system(ServiceScope<RegistryApi>::standIn() ? nullptr : systemRegistry(programValues))
    , m_api(m_system ? m_system.get() : ServiceScope<RegistryApi>::standIn())
{ }

RegistryLookup::~RegistryLookup() = default;

} // namespace runtime
