// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixedrandomsource.h"
#include "recordingmessagedialog.h"
#include "roller/form1.h"
#include "roller/form1layout.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/randomsource.h"
#include "strictwarnings.h"

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

using roller::Form1;

namespace {

const QList<std::pair<const char *, int>> dice = {{"cmdD4", 4},    {"cmdD6", 6},   {"cmdD8", 8},
                                                  {"cmdD10", 10},  {"cmdD12", 12}, {"cmdD20", 20},
                                                  {"cmdD100", 100}};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void layoutMatchesTable_data();
    void layoutMatchesTable();
    void windowFrame();
    void captionsFitOnOneLine_data();
    void captionsFitOnOneLine();
    void rollLabelFont();
    void scaleMarksSitNearTheirPositions();
    void tabOrderAndFirstFocus();
    void everyControlIsNamedForAssistiveTools();
    void startsWithDesignCaptionsAndTheD20();

    void dieClickShowsAtTheNextTick_data();
    void dieClickShowsAtTheNextTick();
    void rollEdges_data();
    void rollEdges();
    void floatingPointFaultIsAnError_data();
    void floatingPointFaultIsAnError();
    void loadingSeedsFromTheClock();
    void everyFaceAppearsEvenly_data();
    void everyFaceAppearsEvenly();
    void timerRollsByItself();

    void sliderSetsThePause_data();
    void sliderSetsThePause();
    void draggingSetsThePauseOnRelease();
    void sliderKeysStayWithinRange_data();
    void sliderKeysStayWithinRange();
    void pauseOverflowEndsTheRun();
    void growingTheWindowMovesNothing();
    void closingStopsTheTimer();

private:
    template<typename Control = QWidget>
    Control *find(const char *name) const
    {
        return m_form->findChild<Control *>(QLatin1String(name));
    }

    std::unique_ptr<Form1> m_form;
};

void TestForm1::initTestCase()
{
    runtime::Runtime::initialise();
}

void TestForm1::init()
{
    failOnStrayWarnings();
    m_form = std::make_unique<Form1>();
    m_form->Show();
}

void TestForm1::cleanup()
{
    m_form.reset();
}

void TestForm1::layoutMatchesTable_data()
{
    // Pixels at 96 dpi, as the window was drawn, and the captions it shows before the first roll.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *container, QRect geometry,
                        const char *caption) {
        QTest::newRow(name) << name << container << geometry << caption;
    };
    row("frmResult", "Form1", {8, 8, 137, 89}, "Roll");
    row("lblRoll", "frmResult", {16, 24, 105, 49}, "0");
    row("cmdD4", "Form1", {152, 16, 41, 25}, "d4");
    row("cmdD6", "Form1", {200, 16, 41, 25}, "d6");
    row("cmdD8", "Form1", {248, 16, 41, 25}, "d8");
    row("cmdD10", "Form1", {296, 16, 41, 25}, "d10");
    row("cmdD12", "Form1", {344, 16, 41, 25}, "d12");
    row("cmdD20", "Form1", {392, 16, 41, 25}, "d20");
    row("cmdD100", "Form1", {440, 16, 41, 25}, "d100");
    row("Label1", "Form1", {152, 48, 65, 25}, "Roll Pause:");
    row("sldInterval", "Form1", {224, 48, 257, 25}, "");
    row("Label2", "Form1", {232, 72, 249, 17},
        "0.125 Sec                  1 Sec                             2 Sec");
    row("Label3", "Form1", {160, 96, 161, 17}, "Free software for game masters");
    row("Label4", "Form1", {328, 96, 161, 25}, "dicemere.example");
    row("Command1", "Form1", {8, 104, 49, 17}, "Info");
}

void TestForm1::layoutMatchesTable()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(frame->title(), caption);
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault());
    }
}

void TestForm1::windowFrame()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Dicemere"));
    QCOMPARE(m_form->size(), QSize(492, 123));
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form->minimumSize() != m_form->maximumSize());
    QVERIFY(!m_form->windowIcon().isNull());
    QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(32, 32)));
    auto *timer = find<runtime::Timer>("tmrRoller");
    QVERIFY(timer);
    QCOMPARE(timer->parent(), m_form.get());
}

void TestForm1::captionsFitOnOneLine_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"Label1", "Label2", "Label3", "Label4", "cmdD4", "cmdD100", "Command1"})
        QTest::newRow(name) << name;
    QTest::newRow("a three-digit roll") << "lblRoll";
}

void TestForm1::captionsFitOnOneLine()
{
    QFETCH(QString, name);
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QPushButton *>(widget);
    const QString text = name == "lblRoll" ? QStringLiteral("100")
        : label                            ? label->text()
                                           : button->text();
    const QFontMetrics metrics(widget->font());
    const int room = widget->width() - (button ? 4 : 0);
    QVERIFY2(
        metrics.horizontalAdvance(text) <= room,
        qPrintable(QStringLiteral("%1 px in %2").arg(metrics.horizontalAdvance(text)).arg(room)));
    QVERIFY(metrics.height() <= widget->height());
}

void TestForm1::rollLabelFont()
{
    const QFont font = find("lblRoll")->font();
    QCOMPARE(font.pointSizeF(), 26.25);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    const QString face = QFontInfo(font).family();
    QVERIFY2(face == "Arial" || face == "Liberation Sans", qPrintable(face));
    QVERIFY(find<QLabel>("lblRoll")->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(find<QLabel>("Label4")->palette().color(QPalette::WindowText),
             find<QLabel>("Label4")->palette().color(QPalette::Highlight));
}

void TestForm1::scaleMarksSitNearTheirPositions()
{
    auto *scale = find<QLabel>("Label2");
    auto *slider = find<QSlider>("sldInterval");
    const QFontMetrics metrics(scale->font());
    const QString text = scale->text();
    // Where each mark's text starts and ends, against where the slider puts positions 1, 8, 16.
    const int track = slider->width();
    auto positionX = [&](int value) {
        return slider->x() + QStyle::sliderPositionFromValue(1, 16, value, track);
    };
    const std::map<int, QString> marks = {{1, "0.125 Sec"}, {8, "1 Sec"}, {16, "2 Sec"}};
    for (const auto &[value, mark] : marks) {
        const int from = scale->x() + metrics.horizontalAdvance(text.left(text.indexOf(mark)));
        const int to = from + metrics.horizontalAdvance(mark);
        const int x = positionX(value);
        QVERIFY2(
            x >= from - 24 && x <= to + 24,
            qPrintable(QStringLiteral("%1 at %2, text %3-%4").arg(mark).arg(x).arg(from).arg(to)));
    }
}

void TestForm1::tabOrderAndFirstFocus()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const QStringList order = {"cmdD4",  "cmdD100", "cmdD6",       "cmdD8",    "cmdD10",
                               "cmdD12", "cmdD20",  "sldInterval", "Command1", "cmdD4"};
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    // Keyboard alone picks a die: Tab to the d100 and press Space.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->Tag(), QStringLiteral("100"));
}

void TestForm1::everyControlIsNamedForAssistiveTools()
{
    for (const runtime::ControlDesign &row : roller::form1Controls) {
        if (row.kind == runtime::ControlKind::Timer)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(find(row.name));
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), row.name);
        if (row.kind == runtime::ControlKind::Button || row.kind == runtime::ControlKind::Slider)
            QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(), row.name);
    }
    // The roll's frame is a status bar, which screen readers read on request.
    QCOMPARE(QAccessible::queryAccessibleInterface(find("frmResult"))->role(),
             QAccessible::StatusBar);
}

void TestForm1::startsWithDesignCaptionsAndTheD20()
{
    QCOMPARE(find<QGroupBox>("frmResult")->title(), QStringLiteral("Roll"));
    QCOMPARE(find<QLabel>("lblRoll")->text(), QStringLiteral("0"));
    auto *timer = find<runtime::Timer>("tmrRoller");
    QCOMPARE(timer->Tag(), QStringLiteral("20"));
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(timer);
    QVERIFY(timers.size() == 1 && timers.first().timerType == Qt::PreciseTimer);
    QCOMPARE(find<runtime::Slider>("sldInterval")->value(), 8);
}

void TestForm1::dieClickShowsAtTheNextTick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("faces");
    for (const auto &[button, faces] : dice)
        QTest::newRow(button) << button << faces;
}

void TestForm1::dieClickShowsAtTheNextTick()
{
    QFETCH(QString, button);
    QFETCH(int, faces);
    QTest::mouseClick(m_form->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(find<QLabel>("lblRoll")->text(), QStringLiteral("0"));
    QCOMPARE(find<QGroupBox>("frmResult")->title(), QStringLiteral("Roll"));
    QCOMPARE(find<runtime::Timer>("tmrRoller")->Tag(), QString::number(faces));
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), 1000);

    for (int tick = 0; tick < 3 * faces; ++tick) {
        m_form->tmrRoller_Timer();
        bool ok = false;
        const int roll = find<QLabel>("lblRoll")->text().toInt(&ok);
        QVERIFY(ok);
        QVERIFY(roll >= 1 && roll <= faces);
        QCOMPARE(find<QGroupBox>("frmResult")->title(), QStringLiteral("Roll: d%1").arg(faces));
    }
}

void TestForm1::rollEdges_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    for (const auto &[button, faces] : dice) {
        QTest::addRow("d%d r=0", faces) << faces << 0.0f << 1;
        QTest::addRow("d%d r just below 1", faces) << faces << belowOne << faces;
        QTest::addRow("d%d r just past the first face", faces)
            << faces << std::nextafter(1.0f / float(faces), 1.0f) << 2;
    }
}

void TestForm1::rollEdges()
{
    QFETCH(int, faces);
    QFETCH(float, r);
    QFETCH(int, expected);
    FixedRandomSource source(r);
    const qint16 n = qint16(faces);
    const QVariant roll = m_form->RollDie(n);
    QCOMPARE(roll.typeId(), int(QMetaType::Float));
    QCOMPARE(roll.toFloat(), float(expected));

    QTest::mouseClick(find<QPushButton>(dice.at(0).first), Qt::LeftButton);
    find<runtime::Timer>("tmrRoller")->setTag(QString::number(faces));
    m_form->tmrRoller_Timer();
    QCOMPARE(find<QLabel>("lblRoll")->text(), QString::number(expected));
}

void TestForm1::floatingPointFaultIsAnError_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<float>("r");
    QTest::newRow("invalid product") << 0 << std::numeric_limits<float>::infinity();
    QTest::newRow("sum beyond single precision") << 100 << std::numeric_limits<float>::max();
}

void TestForm1::floatingPointFaultIsAnError()
{
    QFETCH(int, faces);
    QFETCH(float, r);
    FixedRandomSource source(r);
    try {
        const QVariant roll = m_form->RollDie(qint16(faces));
        QFAIL(qPrintable(QStringLiteral("rolled %1").arg(roll.toFloat())));
    } catch (const runtime::Error &e) {
        QCOMPARE(e.number(), runtime::ErrorNumber::FloatingPoint);
    }
}

void TestForm1::loadingSeedsFromTheClock()
{
    FixedRandomSource source(0.5f);
    Form1 form;
    form.Show();
    QCOMPARE(source.seedings, 1);
}

void TestForm1::everyFaceAppearsEvenly_data()
{
    dieClickShowsAtTheNextTick_data();
}

void TestForm1::everyFaceAppearsEvenly()
{
    QFETCH(int, faces);
    runtime::RandomSource::current().seed(quint32(faces) * 7919u);
    const int rollsPerFace = 500;
    std::vector<int> counts(size_t(faces) + 1, 0);
    for (int i = 0; i < rollsPerFace * faces; ++i) {
        const int roll = int(m_form->RollDie(qint16(faces)).toFloat());
        QVERIFY(roll >= 1 && roll <= faces);
        ++counts[size_t(roll)];
    }
    double chiSquare = 0;
    for (int face = 1; face <= faces; ++face) {
        QVERIFY2(counts[size_t(face)] > 0, qPrintable(QStringLiteral("face %1").arg(face)));
        const double d = counts[size_t(face)] - rollsPerFace;
        chiSquare += d * d / rollsPerFace;
    }
    // Loose: well past the 99.9th percentile of chi-square with faces - 1 degrees of freedom.
    const double freedom = faces - 1;
    QVERIFY2(chiSquare < freedom + 5 * std::sqrt(2 * freedom) + 10,
             qPrintable(QString::number(chiSquare)));
}

void TestForm1::timerRollsByItself()
{
    find<runtime::Slider>("sldInterval")->setValue(1);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), 125);
    QTRY_VERIFY_WITH_TIMEOUT(find<QGroupBox>("frmResult")->title() == "Roll: d20", 3000);
    QVERIFY(find<QLabel>("lblRoll")->text() != "0");
}

void TestForm1::sliderSetsThePause_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("pause");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QLocale>("locale");
    const QLocale c = QLocale::c();
    QTest::newRow("1") << 1 << 125 << "0.125 seconds between rolls" << c;
    QTest::newRow("2") << 2 << 250 << "0.25 seconds between rolls" << c;
    QTest::newRow("3") << 3 << 375 << "0.375 seconds between rolls" << c;
    QTest::newRow("4") << 4 << 500 << "0.5 seconds between rolls" << c;
    QTest::newRow("5") << 5 << 625 << "0.625 seconds between rolls" << c;
    QTest::newRow("6") << 6 << 750 << "0.75 seconds between rolls" << c;
    QTest::newRow("7") << 7 << 875 << "0.875 seconds between rolls" << c;
    QTest::newRow("8") << 8 << 1000 << "1 second between rolls" << c;
    QTest::newRow("9") << 9 << 1125 << "1.125 seconds between rolls" << c;
    QTest::newRow("10") << 10 << 1250 << "1.25 seconds between rolls" << c;
    QTest::newRow("11") << 11 << 1375 << "1.375 seconds between rolls" << c;
    QTest::newRow("12") << 12 << 1500 << "1.5 seconds between rolls" << c;
    QTest::newRow("13") << 13 << 1625 << "1.625 seconds between rolls" << c;
    QTest::newRow("14") << 14 << 1750 << "1.75 seconds between rolls" << c;
    QTest::newRow("15") << 15 << 1875 << "1.875 seconds between rolls" << c;
    QTest::newRow("16") << 16 << 2000 << "2 seconds between rolls" << c;
    QTest::newRow("1 in a German locale")
        << 1 << 125 << "0.125 seconds between rolls" << QLocale(QLocale::German);
}

void TestForm1::sliderSetsThePause()
{
    QFETCH(int, position);
    QFETCH(int, pause);
    QFETCH(QString, words);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    auto *slider = find<runtime::Slider>("sldInterval");
    slider->setValue(position == 8 ? 9 : position);
    slider->setValue(position);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), pause);
    QCOMPARE(slider->accessibleDescription(), words);
}

void TestForm1::draggingSetsThePauseOnRelease()
{
    auto *slider = find<runtime::Slider>("sldInterval");
    slider->setSliderDown(true);
    slider->setSliderPosition(3);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), 1000);
    slider->setSliderDown(false);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), 375);
}

void TestForm1::sliderKeysStayWithinRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("end");
    QTest::newRow("right arrow") << 8 << Qt::Key_Right << 9;
    QTest::newRow("left arrow") << 8 << Qt::Key_Left << 7;
    QTest::newRow("page up") << 8 << Qt::Key_PageUp << 13;
    QTest::newRow("page down") << 8 << Qt::Key_PageDown << 3;
    QTest::newRow("page up clamps") << 14 << Qt::Key_PageUp << 16;
    QTest::newRow("page down clamps") << 3 << Qt::Key_PageDown << 1;
    QTest::newRow("left arrow at the end") << 1 << Qt::Key_Left << 1;
    QTest::newRow("right arrow at the end") << 16 << Qt::Key_Right << 16;
}

void TestForm1::sliderKeysStayWithinRange()
{
    QFETCH(int, start);
    QFETCH(Qt::Key, key);
    QFETCH(int, end);
    auto *slider = find<runtime::Slider>("sldInterval");
    slider->setValue(start);
    QTest::keyClick(slider, key);
    QCOMPARE(slider->value(), end);
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), end * 125);
}

void TestForm1::pauseOverflowEndsTheRun()
{
    RecordingMessageDialog box;
    auto *slider = find<runtime::Slider>("sldInterval");
    slider->setMaximum(20'000'000);
    slider->setValue(17'179'870);
    QCOMPARE(box.texts, QStringList {"Run-time error '6':\n\nOverflow"});
    QCOMPARE(find<runtime::Timer>("tmrRoller")->interval(), 1000);
}

void TestForm1::growingTheWindowMovesNothing()
{
    const QRect before = find("sldInterval")->geometry();
    m_form->resize(900, 400);
    QCOMPARE(find("sldInterval")->geometry(), before);
    m_form->resize(200, 60);
    QCOMPARE(find("sldInterval")->geometry(), before);
}

void TestForm1::closingStopsTheTimer()
{
    QPointer<runtime::Timer> timer = find<runtime::Timer>("tmrRoller");
    QVERIFY(m_form->close());
    QVERIFY(!m_form->isLoaded());
    QVERIFY(!timer || !timer->isActive());
    QVERIFY(!find<runtime::Timer>("tmrRoller"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
