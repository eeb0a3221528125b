// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/accessibility/busguard.h"
#include "runtime/kernel/startup_p.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <QString>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace runtime::startup {

namespace {

// An X server or Wayland compositor that takes the connection and never answers holds Qt in
// its first round trip for good. A display that answers at all has the platform up in well
// under a second; this leaves room for a slow remote one.
constexpr std::chrono::seconds DisplayDeadline(5);

std::mutex s_lock;
std::condition_variable s_standing;
bool s_stands = false;
std::thread s_watchdog;

// Libraries under Qt write to the standard error themselves while the platform starts
// (libwayland's complaint about XDG_RUNTIME_DIR): that goes to a file meanwhile, out to the
// user's once the program stands, and nowhere if it cannot start, where the one line says it.
int s_userErrors = -1;
int s_heldErrors = -1;

void writeAll(int file, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(file, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        size -= size_t(written);
    }
}

void holdErrors()
{
    s_heldErrors = memfd_create("dicemere-start-errors", MFD_CLOEXEC);
    s_userErrors = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (s_heldErrors >= 0 && s_userErrors >= 0 && dup2(s_heldErrors, STDERR_FILENO) >= 0)
        return;
    for (int *file : {&s_heldErrors, &s_userErrors}) {
        if (*file >= 0)
            close(*file);
        *file = -1;
    }
}

void releaseErrors()
{
    if (s_userErrors < 0)
        return;
    dup2(s_userErrors, STDERR_FILENO);
    char buffer[4096];
    ssize_t count = 0;
    for (off_t at = 0; (count = pread(s_heldErrors, buffer, sizeof buffer, at)) > 0; at += count)
        writeAll(STDERR_FILENO, buffer, size_t(count));
    close(s_heldErrors);
    close(s_userErrors);
    s_heldErrors = s_userErrors = -1;
}

} // namespace

void beforePlatform()
{
    busguard::beforeApplication();
    holdErrors();
    s_watchdog = std::thread([] {
        std::unique_lock lock(s_lock);
        if (!s_standing.wait_for(lock, DisplayDeadline, [] { return s_stands; }))
            fail(QStringLiteral("the display did not answer within %1 seconds")
                     .arg(DisplayDeadline.count()));
    });
}

void afterPlatform()
{
    {
        const std::lock_guard lock(s_lock);
        s_stands = true;
    }
    s_standing.notify_one();
    s_watchdog.join();
    releaseErrors();
    busguard::applicationBuilt();
}

void writeToUser(const QByteArray &text)
{
    writeAll(s_userErrors >= 0 ? s_userErrors : STDERR_FILENO, text.constData(),
             size_t(text.size()));
}

} // namespace runtime::startup
