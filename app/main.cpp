// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    runtime::Runtime::beforeApplication();
    QApplication app(argc, argv);
    runtime::Runtime::initialise();
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
