// SPDX-License-Identifier: GPL-3.0-or-later
// app/main.cpp line for line, plus the watcher that reports Form1's first paint and ends the run.
#include "firstpaint.h"
#include "roller/form1.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <QApplication>

int main(int, char *argv[])
{
    runtime::Application app(argv[0]);
    bench::reportFirstPaint(QStringLiteral("Form1"));
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
