// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a registry test vector through three registry entries and tells its outcome as text.
// Plain C++ only, like the vectors.

#include "registryvectors.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace registryvectors {

inline std::string hex(const std::uint8_t *bytes, std::size_t size)
{
    std::string text;
    char digits[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += digits;
    }
    return text;
}

// Runs one vector through the three entries; Handle is the entries' own handle type.
template<typename Handle, typename Open, typename Query, typename Close>
std::string run(const Vector &vector, Open open, Query query, Close close)
{
    constexpr auto untouchedHandle = Handle(0xdead);
    constexpr std::uint32_t untouched = 0xa5a5a5a5;
    std::string outcome;
    Handle key = Handle(vector.given);
    if (vector.base != Base::Given) {
        const auto status = open(Handle(CurrentUser), Key.c_str(), 0, KeyRead, &key);
        if (status != 0)
            return "Key cannot be opened: " + std::to_string(status);
        if (vector.base == Base::ClosedKey)
            close(key);
    }

    if (vector.kind == Kind::Open) {
        Handle result = untouchedHandle;
        const char *subKey = vector.subKey ? vector.subKey->c_str() : nullptr;
        const auto status =
            open(key, subKey, 0, vector.access, vector.withResult ? &result : nullptr);
        outcome = "open " + std::to_string(status);
        // What a failed open leaves in the result is not defined; callers must not use it.
        if (status == 0) {
            outcome += result == key ? ", result the base" : ", result new";
            // Whether the handle reads; the keys made here have no default value.
            std::uint32_t size = 0;
            outcome += ", read "
                + std::to_string(query(result, nullptr, nullptr, nullptr, nullptr, &size));
            outcome += ", close " + std::to_string(close(result));
        }
    } else if (vector.kind == Kind::Query) {
        // Guard bytes past the buffer show whether anything is written beyond it.
        std::vector<std::uint8_t> buffer(vector.capacity + 4, 0xa5);
        std::uint32_t reserved = 0;
        std::uint32_t type = untouched;
        std::uint32_t size = vector.capacity;
        const auto status =
            query(key, vector.name ? vector.name->c_str() : nullptr,
                  vector.withReserved ? &reserved : nullptr, vector.withType ? &type : nullptr,
                  vector.withData ? buffer.data() : nullptr, vector.withSize ? &size : nullptr);
        outcome = "query " + std::to_string(status);
        // Type and size are only defined when the value was found; the buffer is only written
        // when all of the value fits.
        if (status == 0 || status == 234)
            outcome += ", type " + (type == untouched ? "untouched" : std::to_string(type))
                + ", size " + std::to_string(size);
        outcome += ", buffer " + hex(buffer.data(), buffer.size());
    } else {
        outcome = "close " + std::to_string(close(key));
        if (vector.base == Base::OpenKey)
            outcome += ", again " + std::to_string(close(key));
    }
    if (vector.base == Base::OpenKey && vector.kind != Kind::Close)
        close(key);
    return outcome;
}

} // namespace registryvectors
