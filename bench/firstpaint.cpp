// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaint.h"

#include "clock.h"
#include "paintwatcher.h"

#include <cstdio>
#include <QCoreApplication>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

namespace bench {

void reportFirstPaint(const QString &windowName)
{
    auto *watcher = new PaintWatcher(windowName, QCoreApplication::instance());
    QObject::connect(watcher, &PaintWatcher::flushed, watcher, [] {
        // Under callgrind the count of instructions ends here; elsewhere this does nothing.
        CALLGRIND_STOP_INSTRUMENTATION;
        std::printf("%lld\n", static_cast<long long>(stampNs()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace bench
