// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QWidget;

namespace runtime {

struct ControlDesign;

// Builds the Qt object for one row of a layout table inside its container; the window is the
// parent of controls that are not widgets.
QObject *createControl(const ControlDesign &row, QWidget *container);

} // namespace runtime
