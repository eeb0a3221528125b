// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the roller as app/main.cpp does at the 2 s pause and counts, over TICKS ticks, how often
// the kernel put the process to sleep and woke it (voluntary context switches of all its
// threads), and for the record how often the main event loop blocked and woke. The event loop
// also "wakes" for a pass that does not sleep, such as the one that delivers the tick's repaint.
//   dicemere-bench-wakeups TICKS
#include "report.h"
#include "roller/form1.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <cstdio>
#include <cstdlib>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <sys/resource.h>

namespace {

// Sees each timer event of one object; a plain filter, so that counting adds no events.
class TickCounter : public QObject
{
public:
    explicit TickCounter(std::function<void(int)> onTick)
        : m_onTick(std::move(onTick))
    { }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            m_onTick(++m_count);
        return false;
    }

private:
    std::function<void(int)> m_onTick;
    int m_count = 0;
};

long sleeps(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return usage.ru_nvcsw;
}

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dicemere-bench-wakeups TICKS\n");
        return 2;
    }
    const int ticks = std::atoi(argv[1]);
    roller::Form1 form;
    form.Show();
    form.findChild<runtime::Slider *>(QStringLiteral("sldInterval"))->setValue(16);
    auto *timer = form.findChild<runtime::Timer *>(QStringLiteral("tmrRoller"));
    const int pause = timer->interval();

    // Counting starts at the third tick, when start-up and the slider's restart are over.
    constexpr int first = 3;
    bool counting = false;
    int awake = 0;
    int blocked = 0;
    long threadStart = 0;
    long processStart = 0;
    long threadSleeps = 0;
    long processSleeps = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &app,
                     [&] { awake += counting ? 1 : 0; });
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &app, [&] { blocked += counting ? 1 : 0; });
    TickCounter counter([&](int count) {
        if (count == first) {
            counting = true;
            threadStart = sleeps(RUSAGE_THREAD);
            processStart = sleeps(RUSAGE_SELF);
        } else if (count == first + ticks) {
            counting = false;
            threadSleeps = sleeps(RUSAGE_THREAD) - threadStart;
            processSleeps = sleeps(RUSAGE_SELF) - processStart;
            QCoreApplication::exit(0);
        }
    });
    timer->installEventFilter(&counter);
    runtime::Runtime::exec();

    bench::printRow(QStringLiteral("Wake-ups at %1 ms pause over %2 s (%3 ticks)")
                        .arg(pause)
                        .arg(ticks * pause / 1000)
                        .arg(ticks),
                    QStringLiteral("%1 (main thread %2; event loop blocked %3, woke %4)")
                        .arg(processSleeps)
                        .arg(threadSleeps)
                        .arg(blocked)
                        .arg(awake),
                    QStringLiteral("<= %1").arg(ticks + 1),
                    bench::meets(processSleeps <= ticks + 1));
    return 0;
}
