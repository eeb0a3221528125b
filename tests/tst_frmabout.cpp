// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "installedregistry.h"
#include "recordingmessagedialog.h"
#include "roller/form1.h"
#include "runtime/controls/picturebox.h"
#include "runtime/controls/stillbuttonstyle.h"
#include "runtime/controls/timer.h"
#include "strictwarnings.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

using about::frmAbout;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void infoCreatesOneInstanceAndKeepsIt();
    void reloadingSetsCaptionsAfresh();
    void layoutMatchesTable_data();
    void layoutMatchesTable();
    void separatorLines();
    void defaultButtonIsDrawnStill();
    void everyControlIsNamedForAssistiveTools();
    void dialogFrameAndPlacement();
    void focusAndTabOrder();
    void keysCloseOrPress_data();
    void keysCloseOrPress();
    void closeBoxUnloads();
    void versionText_data();
    void versionText();
    void programEndsWhenBothWindowsAreClosed_data();
    void programEndsWhenBothWindowsAreClosed();

private:
    void clickInfo()
    {
        QTest::mouseClick(m_main->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    }
    template<typename Control = QWidget>
    Control *find(const char *name) const
    {
        return frmAbout::instance().findChild<Control *>(QLatin1String(name));
    }
    static QList<QWidget *> aboutWindows()
    {
        QList<QWidget *> found;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmAbout" && window->isVisible())
                found.append(window);
        }
        return found;
    }

    std::optional<frmAbout::InstanceScope> m_about;
    std::unique_ptr<roller::Form1> m_main;
    // System Info finds nothing to start and says so, to no user.
    InstalledRegistry m_registry {runtime::MemoryRegistry()};
    RecordingMessageDialog m_messages;
};

void TestFrmAbout::initTestCase()
{
    runtime::Runtime::initialise();
}

void TestFrmAbout::init()
{
    failOnStrayWarnings();
    m_about.emplace();
    m_main = std::make_unique<roller::Form1>();
    m_main->Show();
}

void TestFrmAbout::cleanup()
{
    m_about.reset();
    m_main.reset();
}

void TestFrmAbout::infoCreatesOneInstanceAndKeepsIt()
{
    const auto anAboutWindow = [](QWidget *window) { return window->objectName() == "frmAbout"; };
    QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), anAboutWindow));
    clickInfo();
    QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), anAboutWindow), 1);
    frmAbout *first = &frmAbout::instance();
    QVERIFY(first->isVisible() && first->isLoaded());
    QCOMPARE(first->parentWidget(), nullptr);

    // A second click while it is open neither opens another window nor loads it again.
    find<QLabel>("lblTitle")->setText("changed");
    clickInfo();
    QCOMPARE(aboutWindows().size(), 1);
    QCOMPARE(find<QLabel>("lblTitle")->text(), QStringLiteral("changed"));

    // The main window goes on rolling behind it.
    QVERIFY(m_main->findChild<runtime::Timer *>("tmrRoller")->isActive());

    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    QVERIFY(!first->isLoaded());
    QCOMPARE(&frmAbout::instance(), first);
}

void TestFrmAbout::reloadingSetsCaptionsAfresh()
{
    clickInfo();
    find<QLabel>("lblTitle")->setText("changed");
    find<QLabel>("lblVersion")->setText("changed");
    frmAbout::instance().setWindowTitle("changed");
    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    clickInfo();
    QCOMPARE(frmAbout::instance().windowTitle(), QStringLiteral("About Dicemere"));
    QCOMPARE(find<QLabel>("lblTitle")->text(), QStringLiteral("Dicemere"));
    QCOMPARE(find<QLabel>("lblVersion")->text(), QStringLiteral("Version " DICEMERE_VERSION));
    QCOMPARE(aboutWindows().size(), 1);
}

void TestFrmAbout::layoutMatchesTable_data()
{
    // Pixels at 96 dpi, as the window was drawn.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("picIcon") << "picIcon" << QRect(16, 16, 36, 36);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 259, 32);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 52, 259, 15);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(70, 75, 259, 78);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(17, 175, 258, 55);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 175, 84, 23);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 205, 83, 23);
}

void TestFrmAbout::layoutMatchesTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    clickInfo();
    auto *widget = find(name.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget(), &frmAbout::instance());
    // The captions that no load replaces fit in their labels.
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
}

void TestFrmAbout::separatorLines()
{
    clickInfo();
    // The etched pair as drawn: a grey line over a white one twice as thick.
    const QImage picture = frmAbout::instance().grab().toImage();
    for (const int x : {7, 100, 376}) {
        QCOMPARE(picture.pixelColor(x, 163), QColor(128, 128, 128));
        QCOMPARE(picture.pixelColor(x, 164), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(x, 165), QColor(Qt::white));
    }
}

void TestFrmAbout::defaultButtonIsDrawnStill()
{
    // The style beneath the program's notes each button's style object, without which no style
    // has anything to animate.
    struct RecordingStyle : QProxyStyle
    {
        void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const override
        {
            if (qstyleoption_cast<const QStyleOptionButton *>(option))
                styleObjects.append(option->styleObject);
            QProxyStyle::drawControl(element, option, painter, widget);
        }
        mutable QList<QObject *> styleObjects;
    };
    auto *recording = new RecordingStyle;
    runtime::StillButtonStyle still(recording);
    clickInfo();
    auto *ok = find<QPushButton>("cmdOK");
    QVERIFY(ok->isDefault());
    ok->setStyle(&still);
    ok->grab();
    ok->setStyle(nullptr);
    QVERIFY(!recording->styleObjects.isEmpty());
    QCOMPARE(recording->styleObjects.count(nullptr), recording->styleObjects.size());
}

void TestFrmAbout::everyControlIsNamedForAssistiveTools()
{
    clickInfo();
    for (QWidget *control : frmAbout::instance().findChildren<QWidget *>()) {
        if (control->objectName().isEmpty())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
}

void TestFrmAbout::dialogFrameAndPlacement()
{
    clickInfo();
    frmAbout &window = frmAbout::instance();
    QCOMPARE(window.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(window.size(), QSize(382, 237));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.geometry().topLeft(), QPoint(156, 129));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    auto *picture = find<runtime::PictureBox>("picIcon");
    QCOMPARE(picture->picture().size(), QSize(32, 32));
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 32, 32));
    QCOMPARE(picture->frameShadow(), QFrame::Sunken);

    // Moved away and reopened, it comes back where it was designed to be.
    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    window.move(400, 300);
    clickInfo();
    QCOMPARE(window.geometry().topLeft(), QPoint(156, 129));
}

void TestFrmAbout::focusAndTabOrder()
{
    clickInfo();
    QVERIFY(QTest::qWaitForWindowActive(&frmAbout::instance()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
}

void TestFrmAbout::keysCloseOrPress_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("sysInfoPresses");
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << 0 << true << 0;
    QTest::newRow("keypad Enter on OK") << "cmdOK" << int(Qt::Key_Enter) << 0 << true << 0;
    QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape) << 0 << true << 0;
    QTest::newRow("Esc on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << 0 << true << 0;
    QTest::newRow("Enter on System Info presses it")
        << "cmdSysInfo" << int(Qt::Key_Return) << 0 << false << 1;
    QTest::newRow("Alt+S from OK")
        << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false << 1;
}

void TestFrmAbout::keysCloseOrPress()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QFETCH(int, sysInfoPresses);
    clickInfo();
    QVERIFY(QTest::qWaitForWindowActive(&frmAbout::instance()));
    QSignalSpy presses(find<QPushButton>("cmdSysInfo"), &QPushButton::clicked);
    auto *target = frmAbout::instance().findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyClick(frmAbout::instance().windowHandle(), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QCOMPARE(frmAbout::instance().isVisible(), !closes);
    QCOMPARE(frmAbout::instance().isLoaded(), !closes);
    // An access key presses the button the way a click would, after a short visible press.
    QTRY_COMPARE(presses.size(), sysInfoPresses);
}

void TestFrmAbout::closeBoxUnloads()
{
    clickInfo();
    QVERIFY(frmAbout::instance().close());
    QVERIFY(!frmAbout::instance().isLoaded());
    QVERIFY(!find("cmdOK"));
    QVERIFY(m_main->isLoaded());
}

void TestFrmAbout::versionText_data()
{
    QTest::addColumn<short>("major");
    QTest::addColumn<short>("minor");
    QTest::addColumn<short>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("this release") << short(1) << short(0) << short(0) << "Version 1.0.0";
    QTest::newRow("no leading zeros") << short(1) << short(0) << short(12) << "Version 1.0.12";
    QTest::newRow("no fixed width")
        << short(10) << short(200) << short(3050) << "Version 10.200.3050";
}

void TestFrmAbout::versionText()
{
    QFETCH(short, major);
    QFETCH(short, minor);
    QFETCH(short, revision);
    QFETCH(QString, text);
    QCOMPARE(frmAbout::versionText({major, minor, revision}), text);
}

void TestFrmAbout::programEndsWhenBothWindowsAreClosed_data()
{
    QTest::addColumn<bool>("mainFirst");
    QTest::newRow("main window first") << true;
    QTest::newRow("About window first") << false;
}

void TestFrmAbout::programEndsWhenBothWindowsAreClosed()
{
    QFETCH(bool, mainFirst);
    clickInfo();
    QWidget *first = mainFirst ? static_cast<QWidget *>(m_main.get()) : &frmAbout::instance();
    QWidget *second = mainFirst ? static_cast<QWidget *>(&frmAbout::instance()) : m_main.get();
    bool stillRunningAfterFirst = false;
    QTimer::singleShot(0, qApp, [first] { first->close(); });
    QTimer::singleShot(200, qApp, [&] {
        stillRunningAfterFirst = true;
        second->close();
    });
    QTimer watchdog;
    watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QCOMPARE(runtime::Runtime::exec(), 0);
    QVERIFY(stillRunningAfterFirst);
    QVERIFY(!m_main->isLoaded());
    QVERIFY(!frmAbout::instance().isLoaded());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
