// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the roller as app/main.cpp does, moves the pause slider to the given position and
// follows TICKS ticks of the real timer: their cadence, the time from each timer event to the
// new roll on screen, what each tick repaints, and the CPU time the process spends meanwhile.
//   dicemere-bench-live POSITION TICKS
#include "clock.h"
#include "report.h"
#include "roller/form1.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"
#include "stats.h"
#include "ticktracker.h"

#include <cmath>
#include <cstdio>
#include <QApplication>
#include <QLabel>
#include <sys/resource.h>

namespace {

// The first ticks after start-up and after the slider moved are not counted.
constexpr int Settle = 2;

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void reportCadence(const QString &at, const std::vector<qint64> &fired, int ticks, int pause)
{
    const qint64 first = fired[Settle];
    const auto lateness = [&](int i) {
        return bench::toMs(fired[size_t(Settle + i)] - first) - double(i) * pause;
    };
    std::vector<double> errors;
    std::vector<double> absolute;
    for (int i = 1; i <= ticks; ++i) {
        errors.push_back(lateness(i) - lateness(i - 1));
        absolute.push_back(std::abs(errors.back()));
    }
    const double meanError = bench::mean(errors);
    const double p99 = bench::percentile(absolute, 99);
    const double drift = lateness(ticks);
    const double halfway = lateness(ticks / 2);
    bench::printRow(at + QStringLiteral(": mean interval error, n = %1").arg(ticks),
                    bench::number(meanError, 4, true) + QStringLiteral(" ms"),
                    QStringLiteral("within 0.1 ms"), bench::meets(std::abs(meanError) <= 0.1));
    bench::printRow(at + QStringLiteral(": |interval error| median / p99"),
                    QStringLiteral("%1 / %2 ms")
                        .arg(bench::number(bench::median(absolute), 3), bench::number(p99, 3)),
                    QStringLiteral("p99 <= 2 ms"), bench::meets(p99 <= 2.0));
    bench::printRow(
        at + QStringLiteral(": drift, tick n vs tick 0 + n x pause"),
        QStringLiteral("%1 ms (at n/2: %2 ms)")
            .arg(bench::number(drift, 3, true), bench::number(halfway, 3, true)),
        QStringLiteral("not growing with n"),
        bench::meets(std::abs(drift) <= 2.0 && std::abs(drift) <= std::abs(halfway) + 1.0));
}

void reportRepaints(const QString &at, const std::vector<bench::TickTracker::Repaint> &repaints,
                    const QRect &label)
{
    std::vector<double> latencies;
    QRect bounds;
    int widgets = 0;
    for (const auto &repaint : repaints) {
        if (repaint.tick < Settle)
            continue;
        latencies.push_back(bench::toMs(repaint.latencyNs));
        bounds |= repaint.bounds;
        widgets = std::max(widgets, repaint.widgets);
    }
    const double p99 = bench::percentile(latencies, 99);
    bench::printRow(at + QStringLiteral(": tick-to-screen latency median / p99"),
                    QStringLiteral("%1 / %2 ms, %3 repaints")
                        .arg(bench::number(bench::median(latencies), 3), bench::number(p99, 3))
                        .arg(latencies.size()),
                    QStringLiteral("p99 < 4 ms"), bench::meets(!latencies.empty() && p99 < 4.0));
    bench::printRow(at + QStringLiteral(": area repainted by a tick"),
                    QStringLiteral("%1x%2 px at (%3,%4), %5 widgets")
                        .arg(bounds.width())
                        .arg(bounds.height())
                        .arg(bounds.x())
                        .arg(bounds.y())
                        .arg(widgets),
                    QStringLiteral("inside lblRoll, %1x%2 px at (%3,%4)")
                        .arg(label.width())
                        .arg(label.height())
                        .arg(label.x())
                        .arg(label.y()),
                    bench::meets(label.contains(bounds)));
}

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dicemere-bench-live POSITION TICKS\n");
        return 2;
    }
    const int position = std::atoi(argv[1]);
    const int ticks = std::atoi(argv[2]);
    roller::Form1 form;
    form.Show();
    auto *timer = form.findChild<runtime::Timer *>(QStringLiteral("tmrRoller"));
    auto *label = form.findChild<QLabel *>(QStringLiteral("lblRoll"));
    form.findChild<runtime::Slider *>(QStringLiteral("sldInterval"))->setValue(position);
    const int pause = timer->interval();
    bench::TickTracker tracker(timer, &form);
    double cpuStart = 0;
    double cpuEnd = 0;
    QObject::connect(&tracker, &bench::TickTracker::ticked, &app, [&](int count) {
        if (count == Settle + 1)
            cpuStart = cpuSeconds();
        if (count == Settle + ticks + 1)
            cpuEnd = cpuSeconds();
        // One tick more, so the last counted tick's repaint is in. Not quit(): that would close
        // the window and unload its controls.
        if (count == Settle + ticks + 2)
            QCoreApplication::exit(0);
    });
    runtime::Runtime::exec();

    const QString at = QStringLiteral("%1 ms pause").arg(pause);
    reportCadence(at, tracker.fired(), ticks, pause);
    reportRepaints(at, tracker.repaints(), QRect(label->mapTo(&form, QPoint()), label->size()));
    const double wall =
        bench::toMs(tracker.fired()[size_t(Settle + ticks)] - tracker.fired()[Settle]) / 1e3;
    const double share = (cpuEnd - cpuStart) / wall;
    bench::printRow(QStringLiteral("%1: CPU time, whole process").arg(at),
                    QStringLiteral("%1 s per hour (%2 % of a core)")
                        .arg(bench::number(share * 3600, 2), bench::number(share * 100, 4)),
                    pause == 125 ? QStringLiteral("< 3.6 s per hour (0.1 %)") : QStringLiteral("-"),
                    pause == 125 ? bench::meets(share < 0.001) : bench::Verdict::Record);
    return 0;
}
