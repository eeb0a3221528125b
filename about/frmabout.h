// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

namespace about {

// The About window: names the program and its version, and can start the system-information
// tool. One instance serves the whole run; closing it only unloads it.
class frmAbout : public runtime::Form
{
    Q_OBJECT

public:
    // The program-wide instance, created at the first call and kept until the application ends.
    static frmAbout &instance();
    static bool hasInstance();

    static QString versionText(const runtime::Version &version);

    void StartSysInfo();

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void connectEvents() override;
    void Form_Load() override;

private:
    frmAbout();
};

} // namespace about
