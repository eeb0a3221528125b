// SPDX-License-Identifier: GPL-3.0-or-later
// The plain Qt program Dicemere is held against: one window, one label, a new number in it
// every 125 ms. With --first-paint it reports its first paint as the start-up probe does and
// ends; else it runs until it is ended from outside.
//   dicemere-bench-plain [--first-paint]
#include "firstpaint.h"

#include <cstring>
#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--first-paint") == 0)
        bench::reportFirstPaint(QStringLiteral("plain"));
    QLabel label(QStringLiteral("20"));
    label.setObjectName(QStringLiteral("plain"));
    label.resize(120, 60);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label,
                     [&label] { label.setNum(int(QRandomGenerator::global()->bounded(1, 21))); });
    timer.start(125);
    label.show();
    return app.exec();
}
