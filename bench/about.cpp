// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the roller as app/main.cpp does, clicks Info OPENS times and times each click to the
// first flushed paint of the top-level window named frmAbout, closing it between opens. Works
// for a modal About window too: the window is closed from inside its own event loop.
//   dicemere-bench-about OPENS
#include "clock.h"
#include "paintwatcher.h"
#include "report.h"
#include "roller/form1.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"
#include "stats.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

namespace {

const QString AboutName = QStringLiteral("frmAbout");

void closeAbout()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == AboutName && window->isVisible())
            window->close();
    }
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    const int opens = argc > 1 ? std::atoi(argv[1]) : 10;
    roller::Form1 form;
    bench::PaintWatcher formPainted(QStringLiteral("Form1"));
    form.Show();
    formPainted.wait(10000);
    auto *info = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    bench::PaintWatcher aboutPainted(AboutName);
    QObject::connect(&aboutPainted, &bench::PaintWatcher::flushed, &app, [] { closeAbout(); });

    std::vector<double> times;
    for (int i = 0; i < opens; ++i) {
        aboutPainted.arm();
        const qint64 clicked = bench::nowNs();
        info->click();
        const qint64 painted = aboutPainted.wait(3000);
        if (!painted) {
            bench::printRow(QStringLiteral("About window, Info click to painted"),
                            QStringLiteral("no top-level window named frmAbout appeared"),
                            QStringLiteral("-"), bench::Verdict::Pending);
            return 0;
        }
        times.push_back(bench::toMs(painted - clicked));
        settle(100);
    }
    const std::vector<double> later(times.begin() + 1, times.end());
    bench::printRow(QStringLiteral("About window, Info click to painted: first open"),
                    bench::number(times.front(), 2) + QStringLiteral(" ms"), QStringLiteral("-"),
                    bench::Verdict::Record);
    bench::printRow(
        QStringLiteral("About window, Info click to painted: later opens"),
        QStringLiteral("median %1 / max %2 ms, n = %3")
            .arg(bench::number(bench::median(later), 2), bench::number(bench::maximum(later), 2))
            .arg(later.size()),
        QStringLiteral("-"), bench::Verdict::Record);
    return 0;
}
