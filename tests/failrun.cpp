// SPDX-License-Identifier: GPL-3.0-or-later
// Dicemere's main window with an error forced inside a handler, the way named by the argument:
//   overflow  - the pause slider, given room, reaches a value whose milliseconds overflow
//   tick      - the timer rolls a die whose number of faces overflows
//   throw     - a handler dispatched through the runtime throws a foreign exception
// Each message box is dismissed here once it is up; when the run is over, each one's title and
// text go to the standard output, one line each, newlines written as "\n". The exit status is
// the runtime's.
// tst_unhandlederror runs this.
#include "messagedismisser.h"
#include "roller/form1.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <cstdio>
#include <QTimer>
#include <stdexcept>

namespace {

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(QString(line).replace(u'\n', QStringLiteral("\\n"))));
    std::fflush(stdout);
}

void force(roller::Form1 &form, const QString &how)
{
    if (how == QLatin1String("overflow")) {
        auto *slider = form.findChild<runtime::Slider *>(QStringLiteral("sldInterval"));
        // Marks a million steps apart: the scale would otherwise draw millions of them.
        slider->setTickInterval(1'000'000);
        slider->setMaximum(20'000'000);
        slider->setValue(17'179'870);
    } else if (how == QLatin1String("tick")) {
        auto *timer = form.findChild<runtime::Timer *>(QStringLiteral("tmrRoller"));
        timer->setTag(QStringLiteral("40000"));
        timer->changeInterval(1);
    } else {
        runtime::Runtime::dispatch([] { throw std::logic_error("broken"); });
    }
}

} // namespace

int main(int argc, char *argv[])
{
    runtime::Application application(argv[0]);
    if (argc != 2)
        return 2;
    const QString how = QString::fromLocal8Bit(argv[1]);

    roller::Form1 form;
    form.Show();
    MessageDismisser boxes;
    QTimer::singleShot(0, &form, [&form, how] { force(form, how); });
    const int status = runtime::Runtime::exec();
    for (qsizetype i = 0; i < boxes.texts.size(); ++i) {
        report(boxes.titles.at(i));
        report(boxes.texts.at(i));
    }
    return status;
}
