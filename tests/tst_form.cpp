// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingmessagedialog.h"
#include "runtime/forms/form.h"
#include "strictwarnings.h"

#include <array>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using runtime::ControlDesign;
using runtime::ControlKind;

namespace {

const runtime::WindowDesign testWindow = {.className = "frmTest",
                                          .caption = "Test",
                                          .clientWidth = 3000,
                                          .clientHeight = 1500,
                                          .border = runtime::Border::Sizable};

// clang-format off
const std::array<ControlDesign, 4> controls = {{
    {.kind = ControlKind::Frame, .name = "fraBox", .left = 60, .top = 60, .width = 1500,
     .height = 900, .caption = "Box"},
    {.kind = ControlKind::Button, .name = "cmdFirst", .container = "fraBox", .left = 120,
     .top = 240, .width = 600, .height = 375, .tabIndex = 0, .caption = "First"},
    {.kind = ControlKind::Button, .name = "cmdSecond", .left = 1800, .top = 240, .width = 600,
     .height = 375, .tabIndex = 1, .caption = "Second"},
    {.kind = ControlKind::Button, .name = "cmdOff", .left = 1800, .top = 720, .width = 600,
     .height = 375, .tabIndex = 2, .caption = "Off", .enabled = false},
}};
const std::array<ControlDesign, 1> strayContainer = {{
    {.kind = ControlKind::Button, .name = "cmdLost", .container = "fraNowhere", .width = 600,
     .height = 375, .caption = "Lost"},
}};
// clang-format on

// Asks at load for the controls it is told to.
class TestForm : public runtime::Form
{
public:
    explicit TestForm(std::span<const ControlDesign> design, const char *wanted = "cmdFirst")
        : Form(testWindow, design)
        , m_wanted(wanted)
    { }

    int loads = 0;

protected:
    void connectEvents() override { control<QPushButton>(m_wanted); }
    void Form_Load() override { ++loads; }

private:
    const char *m_wanted;
};

} // namespace

class TestFormLoading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void wrongNamesFailAtLoad_data();
    void wrongNamesFailAtLoad();
    void qtShowLoadsOnce();
    void designValuesAreHonoured();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void showBringsBackAMinimizedWindow();
};

void TestFormLoading::wrongNamesFailAtLoad_data()
{
    QTest::addColumn<bool>("strayContainerTable");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("report");
    QTest::newRow("no such control") << false << "cmdMissing"
                                     << "Invalid property value: no control cmdMissing";
    QTest::newRow("control of another kind") << false << "fraBox"
                                             << "Invalid property value: no control fraBox";
    QTest::newRow("no such container") << true << "cmdLost"
                                       << "Invalid property value: no control fraNowhere";
}

void TestFormLoading::wrongNamesFailAtLoad()
{
    QFETCH(bool, strayContainerTable);
    QFETCH(QString, wanted);
    QFETCH(QString, report);
    RecordingMessageDialog box;
    const QByteArray name = wanted.toLatin1();
    TestForm form(strayContainerTable ? std::span<const ControlDesign>(strayContainer)
                                      : std::span<const ControlDesign>(controls),
                  name.constData());
    form.Show();
    QCOMPARE(box.texts, QStringList {"Run-time error '380':\n\n" + report});
    QVERIFY(!form.isLoaded());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.loads, 0);
    QVERIFY(form.findChildren<QWidget *>().isEmpty());
}

void TestFormLoading::qtShowLoadsOnce()
{
    TestForm form(controls);
    form.show();
    QVERIFY(form.isLoaded());
    QVERIFY(form.findChild<QPushButton *>("cmdFirst"));
    form.Show();
    form.show();
    QCOMPARE(form.loads, 1);
    form.close();
    form.show();
    QCOMPARE(form.loads, 2);
}

void TestFormLoading::designValuesAreHonoured()
{
    TestForm form(controls);
    form.Show();
    QVERIFY(!form.findChild<QPushButton *>("cmdOff")->isEnabled());
    QVERIFY(form.findChild<QPushButton *>("cmdSecond")->isEnabled());
    QCOMPARE(form.findChild<QPushButton *>("cmdFirst")->parentWidget()->objectName(), "fraBox");
}

void TestFormLoading::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
}

void TestFormLoading::enterPressesTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    TestForm form(controls);
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *second = form.findChild<QPushButton *>("cmdSecond");
    second->setFocus();
    QSignalSpy clicks(second, &QPushButton::clicked);
    QTest::keyClick(second, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicks.size(), presses);
    QVERIFY(!second->isDefault());
}

void TestFormLoading::showBringsBackAMinimizedWindow()
{
    TestForm form(controls);
    form.Show();
    form.showMinimized();
    form.Show();
    QVERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());
    QCOMPARE(form.loads, 1);
}

QTEST_MAIN(TestFormLoading)
#include "tst_form.moc"
