// SPDX-License-Identifier: GPL-3.0-or-later
// Rolls TICKS times with callgrind collecting, after a warm-up it does not count; run.sh divides
// the instructions by TICKS. Without valgrind it just rolls.
//   valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no dicemere-bench-tick TICKS
#include "drivenform.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <cstdlib>
#include <QApplication>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 100;
    // Valgrind runs the program many times slower; the first paint may take seconds.
    bench::DrivenForm driven(120000);
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < 50; ++i)
        driven.tick();
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < ticks; ++i)
        driven.tick();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;
    return 0;
}
