// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// A modal box with one OK button and no icon, titled with the application title. Returns when
// the user has dismissed it; the event loop, and so every timer, keeps running meanwhile.
class MessageDialog
{
public:
    virtual ~MessageDialog() = default;
    virtual void show(const QString &text);

    // The program's message dialog, or a test's stand-in (ServiceScope).
    static MessageDialog &current();
};

} // namespace runtime
