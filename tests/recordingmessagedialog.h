// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/kernel/runtime.h"
#include "runtime/kernel/servicescope.h"
#include "runtime/system/messagedialog.h"

#include <QStringList>

// Stands in for the modal dialog: records each text and returns at once.
class RecordingMessageDialog : public runtime::MessageDialog
{
public:
    ~RecordingMessageDialog() override { runtime::Runtime::resetFailure(); }

    void show(const QString &text) override { texts.append(text); }

    QStringList texts;

private:
    runtime::ServiceScope<runtime::MessageDialog> m_scope {*this};
};
