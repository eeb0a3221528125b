// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a window of Dicemere to a PNG without a display, so its layout can be looked at:
//   QT_QPA_PLATFORM=offscreen dicemere-render Form1|frmAbout OUTPUT.png
#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "runtime.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char *argv[])
{
    runtime::Application app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: dicemere-render Form1|frmAbout OUTPUT.png\n";
        return 2;
    }
    roller::Form1 main;
    runtime::Form *form = nullptr;
    if (arguments.at(1) == QLatin1String("Form1"))
        form = &main;
    else if (arguments.at(1) == QLatin1String("frmAbout"))
        form = &about::frmAbout::instance();
    if (!form) {
        QTextStream(stderr) << "unknown window: " << arguments.at(1) << '\n';
        return 2;
    }
    form->Show();
    const QPixmap picture = form->grab();
    return picture.save(arguments.at(2)) ? 0 : 1;
}
