// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/application.h"

#include "runtime/kernel/runtime.h"
#include "runtime/kernel/version.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace runtime {

namespace {

// Qt keeps the argument count and array for the application's life: the program's name alone.
int s_argc = 1;
char *s_argv[] = {nullptr, nullptr};
bool s_setNoSharedMemory = false;

// Qt's messages while the application object is built are held back until it stands. Where no
// platform can start (no X server, no Wayland compositor, a plugin that fails), Qt warns about
// each platform it tried and then aborts with a core dump; the user is better served by one
// line and a plain failure status.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex s_heldLock;
QList<HeldMessage> s_held;
QtMessageHandler s_qtHandler = nullptr;

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(
            "dicemere: cannot start: no graphical display (X11 or Wayland) could be opened\n",
            stderr);
        std::fflush(stderr);
        std::_Exit(Runtime::FailureExitCode);
    }
    const std::lock_guard lock(s_heldLock);
    s_held.append({type, QByteArray(context.category), text});
}

// The application object stands: Qt's messages go where they went before, those held first.
void releaseHeldMessages()
{
    qInstallMessageHandler(s_qtHandler);
    const std::lock_guard lock(s_heldLock);
    for (const HeldMessage &held : std::as_const(s_held)) {
        const char *category = held.category.isNull() ? nullptr : held.category.constData();
        s_qtHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, category), held.text);
    }
    s_held.clear();
}

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
    s_qtHandler = qInstallMessageHandler(holdWhileStarting);
    return s_argc;
}

} // namespace

Application::Application(char *program)
    : QApplication(beforeQt(program), s_argv)
{
    releaseHeldMessages();
    // The platform has read it by now; a program started from here gets the environment the
    // user started this one with.
    if (s_setNoSharedMemory)
        qunsetenv("QT_XCB_NO_MITSHM");
    setLayoutDirection(Qt::LeftToRight);
    setDesktopFileName(QString::fromLatin1(version::appId));
    Runtime::initialise();
}

} // namespace runtime
