// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/startup_p.h"

#include <cstdio>
#include <QByteArray>

namespace runtime::startup {

// The display is the machine's own here: it cannot leave the program waiting.
void beforePlatform() { }

void afterPlatform() { }

void writeToUser(const QByteArray &text)
{
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
}

} // namespace runtime::startup
