// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagebox.h"

#include "runtime.h"

#include <QMessageBox>

namespace runtime {

void MessageBox::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Runtime::title(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace runtime
