// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program can do to show a window of Form1's size with as many plain
// controls (a frame, five labels, eight buttons, a slider): the floor for start-up time and
// memory. It reports its first paint as the start-up probe does.
#include "firstpaint.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bench::reportFirstPaint(QStringLiteral("floor"));
    QWidget window;
    window.setObjectName(QStringLiteral("floor"));
    window.resize(492, 123);
    auto *frame = new QGroupBox(QStringLiteral("Frame"), &window);
    frame->setGeometry(8, 8, 137, 89);
    (new QLabel(QStringLiteral("0"), frame))->setGeometry(8, 16, 105, 49);
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("Label"), &window))->setGeometry(152 + i * 80, 48, 75, 17);
    for (int i = 0; i < 7; ++i)
        (new QPushButton(QStringLiteral("d%1").arg(i), &window))
            ->setGeometry(152 + i * 48, 16, 41, 25);
    (new QPushButton(QStringLiteral("Button"), &window))->setGeometry(8, 104, 49, 17);
    auto *slider = new QSlider(Qt::Horizontal, &window);
    slider->setGeometry(224, 72, 257, 25);
    window.show();
    return app.exec();
}
