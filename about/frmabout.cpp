// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "convert.h"
#include "frmaboutlayout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace about {

namespace {

frmAbout *s_instance = nullptr;

} // namespace

frmAbout::frmAbout()
    : Form(frmAboutWindow, frmAboutControls)
{ }

frmAbout &frmAbout::instance()
{
    if (!s_instance) {
        s_instance = new frmAbout;
        // Widgets have to go before the application object does.
        qAddPostRoutine([] {
            delete s_instance;
            s_instance = nullptr;
        });
    }
    return *s_instance;
}

bool frmAbout::hasInstance()
{
    return s_instance != nullptr;
}

QString frmAbout::versionText(const runtime::Version &version)
{
    using runtime::convert::toText;
    return QStringLiteral("Version ") + toText(version.major) + u'.' + toText(version.minor) + u'.'
        + toText(version.revision);
}

void frmAbout::connectEvents()
{
    handle(control<QPushButton>("cmdOK"), &QPushButton::clicked, &frmAbout::cmdOK_Click);
    handle(control<QPushButton>("cmdSysInfo"), &QPushButton::clicked, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + runtime::Runtime::title());
    control<QLabel>("lblVersion")->setText(versionText(runtime::Runtime::version()));
    control<QLabel>("lblTitle")->setText(runtime::Runtime::title());
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo() { }

} // namespace about
