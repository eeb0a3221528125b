// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace runtime {

// The program's application object. The program takes no command line, so Qt is shown none of
// it: no option can restyle, mirror or slow the windows. It settles what the platform reads
// while it is built, then gives the application its name, version and default font.
class Application : public QApplication
{
    Q_OBJECT

public:
    explicit Application(char *program);
};

} // namespace runtime
