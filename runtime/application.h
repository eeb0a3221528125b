// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace runtime {

// The program's application object: settles what the platform reads while it is built, then
// gives the application its name, version and default font (Runtime::initialise).
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
};

} // namespace runtime
