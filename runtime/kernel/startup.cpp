// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/startup.h"

#include "runtime/kernel/runtime.h"
#include "runtime/kernel/startup_p.h"

#include <cstdlib>
#include <mutex>
#include <QGuiApplication>

namespace runtime::startup {

namespace {

// Qt's messages while the application object is built are held back until it stands. Where no
// platform can start, Qt warns about each one it tried and then aborts with a core dump; the
// user is better served by one line and a plain failure status.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex s_heldLock;
QList<HeldMessage> s_held;
QtMessageHandler s_qtHandler = nullptr;

// What Qt said went wrong: the first line of each warning it gave, else of the given text. The
// rest of a message is Qt's advice about reinstalling and its list of plugins.
QString reasons(const QString &otherwise)
{
    const std::lock_guard lock(s_heldLock);
    QStringList lines;
    for (const HeldMessage &held : std::as_const(s_held)) {
        if (held.type != QtDebugMsg && held.type != QtInfoMsg)
            lines.append(held.text.section(u'\n', 0, 0).trimmed());
    }
    return lines.isEmpty() ? otherwise.section(u'\n', 0, 0).trimmed()
                           : lines.join(QLatin1String("; "));
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        fail(reasons(text));
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

} // namespace

void fail(const QString &reason)
{
    // The first failure is the one told; any other waits here for the end.
    static std::mutex failing;
    failing.lock();
    writeToUser("dicemere: cannot start: no window can be shown: " + reason.toLocal8Bit() + '\n');
    std::_Exit(Runtime::FailureExitCode);
}

void begin()
{
    s_qtHandler = qInstallMessageHandler(holdWhileStarting);
    beforePlatform();
}

void end()
{
    // A platform may stand with no screen (linuxfb without a framebuffer): the first window
    // would abort. vkkhrdisplay stands with a screen but shows Vulkan surfaces only, and says
    // so only when a window is made: widgets would run on unseen.
    if (!QGuiApplication::primaryScreen())
        fail(reasons(QStringLiteral("the platform has no screen")));
    if (QGuiApplication::platformName() == QLatin1String("vkkhrdisplay"))
        fail(QStringLiteral("the vkkhrdisplay platform shows Vulkan surfaces only"));
    afterPlatform();
    releaseHeldMessages();
}

} // namespace runtime::startup
