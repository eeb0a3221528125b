// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/controls/frame.h"
#include "strictwarnings.h"

#include <memory>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>

// A frame repaints part of itself from the box it keeps; the pixels must be the ones a full
// repaint gives, whatever changed since the box was drawn.
class tst_Frame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void partialRepaintMatchesFullPaint_data();
    void partialRepaintMatchesFullPaint();
    void repaintAfterChangeMatchesFullPaint_data();
    void repaintAfterChangeMatchesFullPaint();

private:
    struct Window
    {
        // Outlives the window that uses it: setStyle does not take it over.
        std::unique_ptr<QStyle> style;
        QWidget window;
        runtime::Frame *frame = nullptr;
        QLabel *label = nullptr;
    };

    static void build(Window &w, const QString &style);
    static bool repaintMatches(QWidget &window, const QRegion &region);
};

void tst_Frame::build(Window &w, const QString &style)
{
    w.style.reset(QStyleFactory::create(style));
    w.window.setStyle(w.style.get());
    w.window.resize(300, 160);
    w.frame = new runtime::Frame(QStringLiteral("Roll: d20"), &w.window);
    w.frame->setStyle(w.window.style());
    w.frame->setGeometry(8, 8, 137, 89);
    w.label = new QLabel(QStringLiteral("17"), w.frame);
    w.label->setGeometry(16, 24, 105, 49);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
}

// Paints the whole window, then the region again on top of that, and compares.
bool tst_Frame::repaintMatches(QWidget &window, const QRegion &region)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage full(window.size() * ratio, QImage::Format_RGB32);
    full.setDevicePixelRatio(ratio);
    window.render(&full);
    QImage partial = full.copy();
    window.render(&partial, region.boundingRect().topLeft(), region);
    return partial == full;
}

void tst_Frame::partialRepaintMatchesFullPaint_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QRect>("area");
    for (const QString &style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        const QByteArray name = style.toLatin1();
        QTest::newRow(name + ", the label") << style << QRect(24, 32, 105, 49);
        QTest::newRow(name + ", across the bottom edge") << style << QRect(0, 80, 160, 24);
        QTest::newRow(name + ", across the caption") << style << QRect(0, 0, 160, 30);
    }
}

void tst_Frame::partialRepaintMatchesFullPaint()
{
    QFETCH(QString, style);
    QFETCH(QRect, area);
    Window w;
    build(w, style);
    QVERIFY(repaintMatches(w.window, area));
    w.label->setText(QStringLiteral("4"));
    QVERIFY(repaintMatches(w.window, area));
}

void tst_Frame::repaintAfterChangeMatchesFullPaint_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("caption") << 0;
    QTest::newRow("window palette") << 1;
    QTest::newRow("frame font") << 2;
    QTest::newRow("disabled") << 3;
    QTest::newRow("size") << 4;
    QTest::newRow("control beneath") << 5;
}

void tst_Frame::repaintAfterChangeMatchesFullPaint()
{
    QFETCH(int, change);
    Window w;
    build(w, QStringLiteral("Fusion"));
    const QRect area(0, 40, 160, 64);
    QVERIFY(repaintMatches(w.window, area));
    switch (change) {
    case 0:
        w.frame->setTitle(QStringLiteral("Roll: d100"));
        break;
    case 1: {
        QPalette palette = w.window.palette();
        palette.setColor(QPalette::Window, QColor(200, 220, 240));
        w.window.setPalette(palette);
        break;
    }
    case 2:
        w.frame->setFont(QFont(QStringLiteral("Liberation Sans"), 20));
        break;
    case 3:
        w.frame->setEnabled(false);
        break;
    case 4:
        w.frame->resize(180, 120);
        break;
    case 5: {
        auto *beneath = new QLabel(&w.window);
        beneath->setAutoFillBackground(true);
        beneath->setPalette(QPalette(Qt::darkRed));
        beneath->setGeometry(0, 60, 300, 20);
        beneath->show();
        beneath->stackUnder(w.frame);
        break;
    }
    }
    QVERIFY(repaintMatches(w.window, area));
}

QTEST_MAIN(tst_Frame)
#include "tst_frame.moc"
