// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messagebox.h"
#include "runtime.h"

#include <QStringList>

// Stands in for the modal box: records each text and returns at once.
class RecordingMessageBox : public runtime::MessageBox
{
public:
    RecordingMessageBox() { runtime::Runtime::setMessageBox(this); }
    ~RecordingMessageBox() override
    {
        runtime::Runtime::setMessageBox(nullptr);
        runtime::Runtime::resetFailure();
    }

    void show(const QString &text) override { texts.append(text); }

    QStringList texts;
};
