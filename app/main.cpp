// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "form1.h"
#include "runtime.h"

int main(int argc, char *argv[])
{
    runtime::Application app(argc, argv);
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
