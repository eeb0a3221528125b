// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The runtime is the ground every window stands on. A window is a Form built from its layout
// table (forms/layout.h) when it is loaded; its controls are plain Qt widgets and objects named
// after the table, plus the few controls Qt lacks (Timer, Slider, LineControl). Every event handler
// a window connects runs through Runtime::dispatch, which turns an escaping Error into the
// runtime's report: a message dialog with the error's number and description, then the end of
// the program with a non-zero status. The random source, the message dialog and the registry
// are services whose current() a test can stand in for within its own scope (ServiceScope);
// everything specific to one operating system stays in runtime/, one file per platform.

#include <exception>
#include <QString>
#include <utility>

namespace runtime {

// Truth values are 16 bits with every bit set for true; callers test for non-zero. Named so as
// not to meet the True and False macros of X11's headers.
using Truth = qint16;
constexpr Truth TruthTrue = -1;
constexpr Truth TruthFalse = 0;

struct Version
{
    short major;
    short minor;
    short revision;
};

class Runtime
{
public:
    // Exit status of a run ended by an unhandled error.
    static constexpr int FailureExitCode = 1;

    // Sets the application's name, version and default font on the running QApplication.
    static void initialise();

    static QString title();
    static Version version();

    // Runs an event handler. An error that escapes it is reported and ends the program; once
    // that has happened no further handler runs.
    template<typename Handler>
    static void dispatch(Handler &&handler) noexcept
    {
        if (s_failed)
            return;
        try {
            std::forward<Handler>(handler)();
        } catch (...) {
            fail(std::current_exception());
        }
    }

    // The event loop; returns at once with the failure status when start-up already failed.
    static int exec();
    static bool hasFailed() { return s_failed; }
    // Lets a test start a fresh run after provoking a failure.
    static void resetFailure() { s_failed = false; }

private:
    static void fail(std::exception_ptr error) noexcept;

    static inline bool s_failed = false;
};

} // namespace runtime
