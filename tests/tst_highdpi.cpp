// SPDX-License-Identifier: GPL-3.0-or-later
// Runs with the screen scaled by two: every window must be exactly twice its size in pixels,
// drawn at that resolution rather than blown up.
#include "about/frmabout.h"
#include "roller/form1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowsDoubleExactly_data();
    void windowsDoubleExactly();
    void pictureStaysSharp();
    void iconHasPixelsForTheScale();
};

void TestHighDpi::initTestCase()
{
    runtime::Runtime::initialise();
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
}

void TestHighDpi::windowsDoubleExactly_data()
{
    QTest::addColumn<bool>("main");
    QTest::addColumn<QSize>("logical");
    QTest::newRow("Form1") << true << QSize(492, 123);
    QTest::newRow("frmAbout") << false << QSize(382, 237);
}

void TestHighDpi::windowsDoubleExactly()
{
    QFETCH(bool, main);
    QFETCH(QSize, logical);
    roller::Form1 form;
    runtime::Form &window = main ? static_cast<runtime::Form &>(form) : about::frmAbout::instance();
    window.Show();
    QCOMPARE(window.size(), logical);
    const QPixmap picture = window.grab();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), logical * 2);
    window.Unload();
}

void TestHighDpi::pictureStaysSharp()
{
    about::frmAbout::instance().Show();
    auto *picture = about::frmAbout::instance().findChild<QWidget *>("picIcon");
    const QImage image = picture->grab(QRect(2, 2, 32, 32)).toImage();
    QCOMPARE(image.size(), QSize(64, 64));
    // Drawn without smoothing, each pixel of the 32-pixel picture fills a whole 2 x 2 block.
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY(image.pixel(x + 1, y) == pixel && image.pixel(x, y + 1) == pixel
                    && image.pixel(x + 1, y + 1) == pixel);
        }
    }
    about::frmAbout::instance().Unload();
}

void TestHighDpi::iconHasPixelsForTheScale()
{
    roller::Form1 form;
    form.Show();
    const QPixmap small = form.windowIcon().pixmap(QSize(16, 16), 2.0);
    QCOMPARE(small.size(), QSize(32, 32));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
