// SPDX-License-Identifier: GPL-3.0-or-later
#include "drivenform.h"

#include "paintwatcher.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/runtime.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>

namespace bench {

DrivenForm::DrivenForm(int paintTimeoutMs)
{
    PaintWatcher watcher(QStringLiteral("Form1"));
    m_form.Show();
    if (!watcher.wait(paintTimeoutMs)) {
        std::fprintf(stderr, "Form1 was not painted\n");
        std::exit(2);
    }
    m_form.findChild<runtime::Timer *>(QStringLiteral("tmrRoller"))->setEnabled(false);
}

void DrivenForm::tick()
{
    m_form.tmrRoller_Timer();
    QCoreApplication::processEvents();
}

} // namespace bench
