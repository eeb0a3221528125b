// SPDX-License-Identifier: GPL-3.0-or-later
// Runs once for each screen scale from 1 to 2 in quarter steps (QT_SCALE_FACTOR, set by CTest):
// every window must be its size times the scale in pixels, drawn at that resolution rather
// than blown up, with nothing that comes out one pixel wide here and two there.
#include "about/frmabout.h"
#include "roller/form1.h"
#include "runtime/picturebox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QTest>

namespace {

qreal scale()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// Runs of pixels unlike the row's first, as (start, length).
QList<QPoint> runs(const QImage &image, int y)
{
    QList<QPoint> found;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == image.pixel(0, y))
            continue;
        if (found.isEmpty() || found.last().x() + found.last().y() != x)
            found.append({x, 0});
        ++found.last().ry();
    }
    return found;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowsScaleExactly_data();
    void windowsScaleExactly();
    void ticksAlike();
    void etchedLinesWhole();
    void clockDrawnForTheScale();
    void iconHasPixelsForTheScale();
};

void TestHighDpi::initTestCase()
{
    runtime::Runtime::initialise();
    QCOMPARE(scale(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
}

void TestHighDpi::windowsScaleExactly_data()
{
    QTest::addColumn<bool>("main");
    QTest::addColumn<QSize>("logical");
    QTest::newRow("Form1") << true << QSize(492, 123);
    QTest::newRow("frmAbout") << false << QSize(382, 237);
}

void TestHighDpi::windowsScaleExactly()
{
    QFETCH(bool, main);
    QFETCH(QSize, logical);
    roller::Form1 form;
    runtime::Form &window = main ? static_cast<runtime::Form &>(form) : about::frmAbout::instance();
    window.Show();
    QCOMPARE(window.size(), logical);
    const QPixmap picture = window.grab();
    QCOMPARE(picture.devicePixelRatio(), scale());
    QCOMPARE(picture.size(), logical * scale());
    window.Unload();
}

void TestHighDpi::ticksAlike()
{
    roller::Form1 form;
    form.Show();
    const QImage slider = form.findChild<QSlider *>("sldInterval")->grab().toImage();
    // The row below the groove that crosses every tick.
    QList<QPoint> ticks;
    for (int y = slider.height() - 1; y >= 0 && ticks.size() < 16; --y)
        ticks = runs(slider, y);
    QCOMPARE(ticks.size(), 16);
    QList<int> pitches;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        QCOMPARE(ticks[i].y(), ticks[0].y());
        if (i > 0)
            pitches.append(ticks[i].x() - ticks[i - 1].x());
    }
    const auto [narrowest, widest] = std::minmax_element(pitches.cbegin(), pitches.cend());
    QVERIFY2(*widest - *narrowest <= 1,
             qPrintable(QString::number(*narrowest) + u'-' + QString::number(*widest)));
    form.Unload();
}

void TestHighDpi::etchedLinesWhole()
{
    // The gray line and the white one below it, both from x 7 to 377: every column across
    // them alike, with both colours in it.
    about::frmAbout::instance().Show();
    const QImage window = about::frmAbout::instance().grab().toImage();
    const int left = qCeil(7 * scale()) + 1;
    const int right = qFloor(377 * scale()) - 1;
    QList<QRgb> column;
    for (int y = qFloor(162 * scale()); y <= qCeil(167 * scale()); ++y)
        column.append(window.pixel(left, y));
    QVERIFY(column.contains(qRgb(128, 128, 128)) && column.contains(qRgb(255, 255, 255)));
    for (int x = left; x <= right; ++x) {
        for (int i = 0; i < column.size(); ++i)
            QCOMPARE(window.pixel(x, qFloor(162 * scale()) + i), column[i]);
    }
    about::frmAbout::instance().Unload();
}

void TestHighDpi::clockDrawnForTheScale()
{
    about::frmAbout::instance().Show();
    auto *box = about::frmAbout::instance().findChild<runtime::PictureBox *>("picIcon");
    const QImage clock = box->picture();
    const int side = qRound(32 * scale());
    QCOMPARE(clock.size(), QSize(side, side));
    if (scale() == 1.0)
        QCOMPARE(clock, QImage(QFINDTESTDATA("clock-32.png")).convertToFormat(clock.format()));
    // Rim, marks and dots are symmetric about both middle lines and the diagonal; so is their
    // drawing, away from the hands that lie along the middle lines.
    for (int y = 0; y < side / 2; ++y) {
        for (int x = 0; x < side / 2; ++x) {
            if (side / 2 - x <= 2 * scale() || side / 2 - y <= 2 * scale())
                continue;
            const QRgb pixel = clock.pixel(x, y);
            QVERIFY(clock.pixel(side - 1 - x, y) == pixel && clock.pixel(x, side - 1 - y) == pixel
                    && clock.pixel(y, x) == pixel);
        }
    }
    // The widget shows it pixel for pixel, where the frame's border ends.
    const QImage shown = box->grab().toImage();
    const auto showsAt = [&](int at) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (qAlpha(clock.pixel(x, y)) == 255
                    && shown.pixel(at + x, at + y) != clock.pixel(x, y))
                    return false;
            }
        }
        return true;
    };
    const int border = qFloor(box->contentsRect().left() * scale());
    QVERIFY(showsAt(border) || showsAt(border + 1));
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
