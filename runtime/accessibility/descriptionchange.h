// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace runtime {

// Whatever the platform's assistive-technology bridge needs, beyond Qt's own event, for a screen
// reader to present a description that has just changed.
void announceDescription(QWidget *widget, const QString &description);

} // namespace runtime
