// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/runtime.h"
#include "runtime/system/messagedialog.h"

#include <QMessageBox>

namespace runtime {

void MessageDialog::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Runtime::title(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageDialog"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace runtime
