// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace runtime {

// A modal box with one OK button and no icon, titled with the application title. Returns when
// the user has dismissed it; the event loop, and so every timer, keeps running meanwhile.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &text);
};

} // namespace runtime
