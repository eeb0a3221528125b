// SPDX-License-Identifier: GPL-3.0-or-later
// app/main.cpp, left to run until it is ended from outside, in one of three states: at the
// shortest pause (0.125 s), at the pause it starts with (1 s), or at that pause with the About
// window open. bench/windows.sh reads its CPU time from outside, on Linux and under Wine alike.
//   dicemere-bench-idle fast|rest|about
#include "roller/form1.h"
#include "runtime/controls/slider.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <cstdio>
#include <cstring>
#include <QPushButton>

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    const char *state = argc == 2 ? argv[1] : "";
    if (std::strcmp(state, "fast") != 0 && std::strcmp(state, "rest") != 0
        && std::strcmp(state, "about") != 0) {
        std::fprintf(stderr, "usage: dicemere-bench-idle fast|rest|about\n");
        return 2;
    }
    roller::Form1 form;
    form.Show();
    if (std::strcmp(state, "fast") == 0)
        form.findChild<runtime::Slider *>(QStringLiteral("sldInterval"))->setValue(1);
    if (std::strcmp(state, "about") == 0)
        form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    return runtime::Runtime::exec();
}
