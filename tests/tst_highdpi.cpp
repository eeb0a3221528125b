// SPDX-License-Identifier: GPL-3.0-or-later
// Runs at every screen scale from 1 to 2 in quarter steps: every window must be its size times
// the scale in pixels, drawn at that resolution rather than blown up, nothing uneven in it.
#include "about/frmabout.h"
#include "roller/form1.h"
#include "runtime/controls/picturebox.h"
#include "strictwarnings.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void initTestCase();
    void windowsScaleExactly_data();
    void windowsScaleExactly();
    void ticksAlike();
    void pictureStaysSharp();
    void iconHasPixelsForTheScale_data();
    void iconHasPixelsForTheScale();

private:
    qreal m_scale = 0;
};

void TestHighDpi::initTestCase()
{
    runtime::Runtime::initialise();
    m_scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    QCOMPARE(m_scale, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
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
    QCOMPARE(picture.devicePixelRatio(), m_scale);
    QCOMPARE(picture.size(), logical * m_scale);
    if (!main) {
        // The etched lines, gray over white from x 7 to 377: whole, every column across alike.
        const QImage image = picture.toImage();
        const QRect column(qCeil(8 * m_scale), qFloor(162 * m_scale), 1, qCeil(5 * m_scale));
        const QImage first = image.copy(column);
        const int x = column.left();
        QVERIFY(image.pixel(x, qFloor(163.5 * m_scale)) == qRgb(128, 128, 128)
                && image.pixel(x, qFloor(165.5 * m_scale)) == qRgb(255, 255, 255));
        for (int right = x; right < qFloor(376 * m_scale); ++right)
            QCOMPARE(image.copy(column.translated(right - x, 0)), first);
    }
    window.Unload();
}

void TestHighDpi::ticksAlike()
{
    roller::Form1 form;
    form.Show();
    auto *real = form.findChild<QSlider *>("sldInterval");
    // A plain QSlider set up alike, in the same place, tells where the style puts positions.
    QSlider plain(Qt::Horizontal, &form);
    plain.setGeometry(real->geometry());
    plain.setRange(real->minimum(), real->maximum());
    plain.setValue(real->value());
    plain.setTickPosition(real->tickPosition());
    plain.setTickInterval(real->tickInterval());
    plain.show();
    const QImage slider = real->grab().toImage();
    // At scale 1 the ticks, in the lower half, are Qt's own, but for Qt's Windows 11 style's,
    // which it smooths across two pixels. The groove above is left out: under Wine, in an
    // active window, Qt's Windows 10 style draws its ends a few pixels apart on the two.
    const auto *style = qobject_cast<const QProxyStyle *>(QApplication::style());
    const QRect ticks(0, slider.height() / 2, slider.width(), slider.height() / 2);
    if (m_scale == 1.0 && style->baseStyle()->name() != u"windows11")
        QCOMPARE(slider.copy(ticks), plain.grab().toImage().copy(ticks));
    // The lowest row across all 16 ticks: one width, spaced within a pixel of each other.
    QList<int> starts, widths;
    for (int y = slider.height() - 1; y >= 0 && starts.size() < 16; --y) {
        starts.clear(), widths.clear();
        for (int x = 1; x < slider.width(); ++x) {
            const QRgb background = slider.pixel(0, y);
            if (slider.pixel(x, y) != background && slider.pixel(x - 1, y) == background)
                starts.append(x), widths.append(0);
            if (slider.pixel(x, y) != background)
                ++widths.last();
        }
    }
    QCOMPARE(starts.size(), 16);
    QCOMPARE(widths.count(widths[0]), 16);
    QList<int> pitches;
    for (qsizetype i = 1; i < starts.size(); ++i)
        pitches.append(starts[i] - starts[i - 1]);
    const auto [narrowest, widest] = std::ranges::minmax(pitches);
    QVERIFY(widest - narrowest <= 1);
    // A tick a logical pixel wide covers the whole number of device pixels nearest that, and its
    // middle device column starts at the pixel edge nearest its exact position.
    QCOMPARE(widths[0], qRound(m_scale));
    QStyleOptionSlider option;
    option.initFrom(&plain);
    const int length = plain.style()->pixelMetric(QStyle::PM_SliderLength, &option, &plain);
    const int span = plain.style()->pixelMetric(QStyle::PM_SliderSpaceAvailable, &option, &plain);
    for (int i = 0; i < 16; ++i) {
        const qreal exact = (length / 2 + qreal(span) * i / 15) * m_scale;
        QVERIFY2(
            qAbs(starts[i] + widths[i] / 2 - exact) <= 0.5,
            qPrintable(QStringLiteral("tick %1 at %2 for %3").arg(i).arg(starts[i]).arg(exact)));
    }
}

void TestHighDpi::pictureStaysSharp()
{
    about::frmAbout::instance().Show();
    const QImage clock =
        about::frmAbout::instance().findChild<runtime::PictureBox *>("picIcon")->picture();
    const int side = qRound(32 * m_scale);
    QCOMPARE(clock.size(), QSize(side, side));
    if (m_scale == 1.0)
        QCOMPARE(clock, QImage(QFINDTESTDATA("clock-32.png")).convertToFormat(clock.format()));
    // Rim, marks and dots are symmetric about both middle lines and a diagonal; so must their
    // drawing be, away from the hands along the middle lines.
    for (int y = 0; y < side / 2 - 2 * m_scale; ++y) {
        for (int x = 0; x < side / 2 - 2 * m_scale; ++x) {
            const QRgb pixel = clock.pixel(x, y);
            QVERIFY(clock.pixel(side - 1 - x, y) == pixel && clock.pixel(x, side - 1 - y) == pixel
                    && clock.pixel(y, x) == pixel);
        }
    }
    about::frmAbout::instance().Unload();
}

void TestHighDpi::iconHasPixelsForTheScale_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("title bar") << 16;
    QTest::newRow("title bar Qt draws on Wayland") << 22;
    QTest::newRow("task switcher") << 32;
}

void TestHighDpi::iconHasPixelsForTheScale()
{
    QFETCH(int, side);
    roller::Form1 form;
    form.Show();
    const QPixmap icon = form.windowIcon().pixmap(QSize(side, side), m_scale);
    QCOMPARE(icon.size(), QSize(side, side) * m_scale);
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
