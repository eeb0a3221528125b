// SPDX-License-Identifier: GPL-3.0-or-later
// RollDie alone, and the roll handler without the repaint it leaves for the event loop, in
// Google Benchmark. The form is shown so that its controls exist; its own timer is stopped.
#include "roller/form1.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

roller::Form1 *s_form = nullptr;

void RollDie(benchmark::State &state)
{
    const auto faces = qint16(state.range(0));
    for (auto _ : state) {
        QVariant roll = s_form->RollDie(faces);
        benchmark::DoNotOptimize(roll);
    }
}
BENCHMARK(RollDie)->Arg(6)->Arg(20)->Arg(100);

void RollHandler(benchmark::State &state)
{
    for (auto _ : state)
        s_form->tmrRoller_Timer();
}
BENCHMARK(RollHandler);

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    roller::Form1 form;
    form.Show();
    form.findChild<runtime::Timer *>(QStringLiteral("tmrRoller"))->setEnabled(false);
    s_form = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
