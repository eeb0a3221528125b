// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/system/messagedialog.h"

#include "runtime/kernel/servicescope.h"

namespace runtime {

MessageDialog &MessageDialog::current()
{
    static MessageDialog dialog;
    MessageDialog *standIn = ServiceScope<MessageDialog>::standIn();
    return standIn ? *standIn : dialog;
}

} // namespace runtime
