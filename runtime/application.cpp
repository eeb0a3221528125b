// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "runtime.h"

namespace runtime {

namespace {

int &beforeQt(int &argc)
{
    // Qt's X11 backing store in shared memory waits for a server round trip before it paints
    // over a region it flushed last time, and the roll label is that region on every tick: each
    // roll would wake two threads and wait on the server. A plain image request needs no reply.
    // A value the user set stays.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    return argc;
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(beforeQt(argc), argv)
{
    Runtime::initialise();
}

} // namespace runtime
