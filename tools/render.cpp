// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a window of Dicemere to a PNG without a display, so its layout can be looked at:
//   QT_QPA_PLATFORM=offscreen dicemere-render Form1|frmAbout OUTPUT.png
#include "about/frmabout.h"
#include "roller/form1.h"
#include "runtime/kernel/application.h"
#include "runtime/kernel/runtime.h"

#include <QPixmap>
#include <QTextStream>

int main(int argc, char *argv[])
{
    runtime::Application app(argv[0]);
    if (argc != 3) {
        QTextStream(stderr) << "usage: dicemere-render Form1|frmAbout OUTPUT.png\n";
        return 2;
    }
    roller::Form1 main;
    runtime::Form *form = nullptr;
    const QString window = QString::fromLocal8Bit(argv[1]);
    if (window == QLatin1String("Form1"))
        form = &main;
    else if (window == QLatin1String("frmAbout"))
        form = &about::frmAbout::instance();
    if (!form) {
        QTextStream(stderr) << "unknown window: " << window << '\n';
        return 2;
    }
    form->Show();
    const QPixmap picture = form->grab();
    return picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
