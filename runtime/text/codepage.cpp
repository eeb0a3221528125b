// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/codepage.h"

#include <algorithm>
#include <array>

namespace runtime::ansi {

namespace {

// Stateful and other code pages that take no flag at all: ISO-2022 Japanese and Korean, HZ,
// ISCII, UTF-7 and Symbol.
constexpr std::array noFlagPages = {42u,    50220u, 50221u, 50222u, 50225u,
                                    50227u, 50229u, 52936u, 65000u};

} // namespace

EncodeRule encodeRule(quint32 codePage)
{
    // UTF-8 and GB18030 hold every character; the one flag they take refuses what is no
    // character at all (a lone surrogate), and they take no default character.
    if (codePage == 65001 || codePage == 54936)
        return {ErrInvalidChars, Missing::CallFails};
    // Where best fit cannot be turned off, a look-alike is caught by reading the bytes back.
    if ((codePage >= 57002 && codePage <= 57011)
        || std::find(noFlagPages.begin(), noFlagPages.end(), codePage) != noFlagPages.end())
        return {0, Missing::RoundTripDiffers};
    return {NoBestFitChars, Missing::UsedDefaultChar};
}

} // namespace runtime::ansi
