// SPDX-License-Identifier: GPL-3.0-or-later
// app/main.cpp line for line, plus the watcher that reports Form1's first paint and ends the run.
#include "firstpaint.h"
#include "form1.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    runtime::Runtime::beforeApplication();
    QApplication app(argc, argv);
    runtime::Runtime::initialise();
    bench::reportFirstPaint(QStringLiteral("Form1"));
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
