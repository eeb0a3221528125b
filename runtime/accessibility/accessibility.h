// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace runtime {

// Gives assistive tools the program as a user sees it: a main window is a frame and a fixed
// dialog a dialog, a picture box an image and a line a separator, and only the windows on
// screen are the application's children, so an unloaded window leaves the tree.
void installAccessibility();

// Sets the widget's accessible description and tells assistive tools that it changed, so that a
// screen reader presents the new text while the widget has the focus.
void describe(QWidget *widget, const QString &description);

} // namespace runtime
