// SPDX-License-Identifier: GPL-3.0-or-later
// Rolls TICKS times as fast as the repaints allow and compares the resident set and the heap
// in use after TICKS ticks with the same after the first 1 000.
//   dicemere-bench-soak TICKS
#include "drivenform.h"
#include "report.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <QApplication>
#include <unistd.h>

namespace {

struct Memory
{
    double residentKiB = 0;
    double heapBytes = 0;
};

Memory memory()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    const struct mallinfo2 heap = mallinfo2();
    return {double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0,
            double(heap.uordblks + heap.hblkhd)};
}

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 100000;
    constexpr int baseline = 1000;
    bench::DrivenForm driven;
    Memory early;
    for (int i = 1; i <= ticks; ++i) {
        driven.tick();
        if (i == baseline)
            early = memory();
        if (i % 10000 == 0) {
            const Memory now = memory();
            std::fprintf(stderr, "%d ticks: RSS %.0f KiB, heap %.0f B\n", i, now.residentKiB,
                         now.heapBytes);
        }
    }
    const Memory late = memory();
    const double growth = (late.residentKiB - early.residentKiB) / early.residentKiB * 100;
    const QString span = QStringLiteral("after %1 vs after %2 ticks").arg(ticks).arg(baseline);
    bench::printRow(QStringLiteral("RSS ") + span,
                    QStringLiteral("%1 % (%2 -> %3 KiB)")
                        .arg(bench::number(growth, 2, true), bench::number(early.residentKiB, 0),
                             bench::number(late.residentKiB, 0)),
                    QStringLiteral("within 1 %"), bench::meets(std::abs(growth) <= 1.0));
    const double heapGrowth = late.heapBytes - early.heapBytes;
    bench::printRow(QStringLiteral("Heap in use ") + span,
                    QStringLiteral("%1 B (%2 -> %3 B)")
                        .arg(bench::number(heapGrowth, 0, true), bench::number(early.heapBytes, 0),
                             bench::number(late.heapBytes, 0)),
                    QStringLiteral("no growth: < 1 B per tick"),
                    bench::meets(heapGrowth < double(ticks - baseline)));
    return 0;
}
