// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/form.h"

#include <memory>

namespace about {

// The About window: names the program and its version, and can start the system-information
// tool. One instance serves the whole run; closing it only unloads it.
class frmAbout : public runtime::Form
{
    Q_OBJECT

public:
    // The program-wide instance, created at the first call and kept until the application ends.
    static frmAbout &instance();

    // Within its scope the program's instance is set aside: instance() makes one of the scope's
    // own, which goes when the scope does.
    class InstanceScope
    {
    public:
        InstanceScope();
        ~InstanceScope();
        InstanceScope(const InstanceScope &) = delete;
        InstanceScope &operator=(const InstanceScope &) = delete;

    private:
        std::unique_ptr<frmAbout> m_instance;
        std::unique_ptr<frmAbout> *m_previous;
    };

    static QString versionText(const runtime::Version &version);

    // Starts the system-information tool, or tells the user it cannot be had.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal: True when the value was read, whatever its
    // type (only text and 32-bit numbers are turned into text), False when it was not.
    runtime::Truth GetKeyValue(const qint32 &KeyRoot, const QString &KeyName,
                               const QString &SubKeyRef, QString &KeyVal);

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void connectEvents() override;
    void Form_Load() override;

private:
    frmAbout();
};

} // namespace about
