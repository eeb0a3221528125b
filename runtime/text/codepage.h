// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// How text is converted into a Windows code page. WideCharToMultiByte allows different flags in
// different code pages and fails outright (ERROR_INVALID_FLAGS) on one it does not allow, so the
// choice is plain data, made here and checked on every platform.
namespace runtime::ansi {

// The flags' values, as the system's headers give them.
constexpr quint32 NoBestFitChars = 0x400; // WC_NO_BEST_FIT_CHARS
constexpr quint32 ErrInvalidChars = 0x80; // WC_ERR_INVALID_CHARS

// How a character that the code page lacks shows, so that it is never passed on as a
// look-alike.
enum class Missing {
    UsedDefaultChar, // the call says it put in the code page's default character
    CallFails, // the call fails (ERROR_NO_UNICODE_TRANSLATION)
    RoundTripDiffers, // the bytes read back as other text
};

struct EncodeRule
{
    quint32 flags;
    Missing missing;
};

EncodeRule encodeRule(quint32 codePage);

} // namespace runtime::ansi
