// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/descriptionchange.h"

namespace runtime {

// Qt's own event carries the change to this platform's assistive tools.
void announceDescription(QWidget *, const QString &) { }

} // namespace runtime
