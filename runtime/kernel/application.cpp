// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/application.h"

#include "runtime/kernel/runtime.h"
#include "runtime/kernel/startup.h"
#include "runtime/kernel/version.h"

namespace runtime {

namespace {

// Qt keeps the argument count and array for the application's life: the program's name alone.
int s_argc = 1;
char *s_argv[] = {nullptr, nullptr};
bool s_setNoSharedMemory = false;

int &beforeQt(char *program)
{
    s_argv[0] = program;
    // Qt's X11 backing store in shared memory waits for a server round trip before it paints
    // over a region it flushed last time, and the roll label is that region on every tick: each
    // roll would wake two threads and wait on the server. A plain image request needs no reply.
    // A value the user set stays.
    s_setNoSharedMemory = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (s_setNoSharedMemory)
        qputenv("QT_XCB_NO_MITSHM", "1");
    startup::begin();
    return s_argc;
}

} // namespace

Application::Application(char *program)
    : QApplication(beforeQt(program), s_argv)
{
    startup::end();
    // The platform has read it by now; a program started from here gets the environment the
    // user started this one with.
    if (s_setNoSharedMemory)
        qunsetenv("QT_XCB_NO_MITSHM");
    setLayoutDirection(Qt::LeftToRight);
    setDesktopFileName(QString::fromLatin1(version::appId));
    Runtime::initialise();
}

} // namespace runtime
