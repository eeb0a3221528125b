// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/registry/registryapi.h"

// The registry entries' numbers, under names of their own so that they never meet the system
// headers' macros.
namespace runtime::registry {

// The predefined roots: 32-bit values sign-extended to a handle's width.
constexpr RegistryHandle predefinedRoot(quint32 value)
{
    return RegistryHandle(qintptr(qint32(value)));
}
constexpr RegistryHandle ClassesRoot = predefinedRoot(0x80000000);
constexpr RegistryHandle CurrentUser = predefinedRoot(0x80000001);
constexpr RegistryHandle LocalMachine = predefinedRoot(0x80000002);
constexpr RegistryHandle Users = predefinedRoot(0x80000003);
constexpr RegistryHandle CurrentConfig = predefinedRoot(0x80000005);

// Value types.
constexpr quint32 TypeString = 1;
constexpr quint32 TypeExpandString = 2;
constexpr quint32 TypeBinary = 3;
constexpr quint32 TypeDword = 4;
constexpr quint32 TypeMultiString = 7;

// Access rights.
constexpr quint32 KeyQueryValue = 0x0001;
constexpr quint32 KeySetValue = 0x0002;
constexpr quint32 ReadControl = 0x20000;
constexpr quint32 KeyRead = 0x20019;
constexpr quint32 KeyWrite = 0x20006;
constexpr quint32 KeyAllAccess = 0xf003f;
// Choose the 64- or 32-bit view of the registry; they grant nothing.
constexpr quint32 KeyWow64_64Key = 0x0100;
constexpr quint32 KeyWow64_32Key = 0x0200;

// Statuses.
constexpr qint32 Success = 0;
constexpr qint32 FileNotFound = 2;
constexpr qint32 AccessDenied = 5;
constexpr qint32 InvalidHandle = 6;
constexpr qint32 InvalidParameter = 87;
constexpr qint32 BadPathname = 161;
constexpr qint32 MoreData = 234;

} // namespace runtime::registry
