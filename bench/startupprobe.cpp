// SPDX-License-Identifier: GPL-3.0-or-later
// app/main.cpp line for line, plus the watcher that reports Form1's first paint and ends the run.
#include "application.h"
#include "firstpaint.h"
#include "form1.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    runtime::Application app(argc, argv);
    bench::reportFirstPaint(QStringLiteral("Form1"));
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
