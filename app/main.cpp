// SPDX-License-Identifier: GPL-3.0-or-later
#include "roller/form1.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

int main(int, char *argv[])
{
    runtime::Application app(argv[0]);
    roller::Form1 form;
    form.Show();
    return runtime::Runtime::exec();
}
