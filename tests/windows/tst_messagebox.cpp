// SPDX-License-Identifier: GPL-3.0-or-later
// The system's message box, as "System Info..." shows it when there is no tool, with the main
// window rolling behind it. While the program waits in the box, a thread of the test finds the
// box among the program's windows, notes what it shows, counts the main window's ticks and then
// presses OK. Runs on the system's own platform, not offscreen.
#include "about/frmabout.h"
#include "roller/form1.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/registry/memoryregistry.h"
#include "tests/installedregistry.h"

#include <atomic>
#include <QAbstractAnimation>
#include <QApplication>
#include <QDeadlineTimer>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <thread>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// Ticks enough to show the timer goes on; at the shortest pause they take a second or so.
constexpr int TicksToSee = 5;

QString windowText(HWND window)
{
    wchar_t text[512];
    return QString::fromWCharArray(text, GetWindowTextW(window, text, int(std::size(text))));
}

QString className(HWND window)
{
    wchar_t name[64];
    return QString::fromWCharArray(name, GetClassNameW(window, name, int(std::size(name))));
}

// A visible dialog window of this process: the only one is the message box.
HWND findBox()
{
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != GetCurrentProcessId() || !IsWindowVisible(window)
                || className(window) != "#32770")
                return TRUE;
            *reinterpret_cast<HWND *>(result) = window;
            return FALSE;
        },
        LPARAM(&found));
    return found;
}

// What the test's thread saw of the box.
struct Seen
{
    QString title;
    QString text;
    QStringList buttons;
    bool icon = false;
    bool mainWindowEnabled = true;
    bool aboutWindowEnabled = true;
    int ticks = 0;
};

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mainWindowRollsBehindTheBox();
};

void TestMessageBox::mainWindowRollsBehindTheBox()
{
    runtime::Runtime::initialise();
    roller::Form1 form;
    form.Show();
    form.findChild<runtime::Slider *>("sldInterval")->setValue(1);
    std::atomic<int> ticks = 0;
    connect(form.findChild<runtime::Timer *>("tmrRoller"), &runtime::Timer::timeout, this,
            [&ticks] { ++ticks; });
    about::frmAbout &about = about::frmAbout::instance();
    about.Show();
    // The default button is drawn still: a pulse would repaint it for as long as it is open.
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(
        about.findChild<QPushButton *>("cmdOK")->findChildren<QAbstractAnimation *>().isEmpty());
    // Still over the style of the Windows that Wine reports, which Qt picks by its version.
    const auto *proxy = qobject_cast<QProxyStyle *>(QApplication::style());
    QVERIFY(proxy);
    QCOMPARE(proxy->baseStyle()->name(),
             qEnvironmentVariable("DICEMERE_WINDOWS_VERSION") == u"win11" ? u"windows11"
                                                                          : u"windowsvista");
    const auto mainWindow = reinterpret_cast<HWND>(form.winId());
    const auto aboutWindow = reinterpret_cast<HWND>(about.winId());
    InstalledRegistry noTool {runtime::MemoryRegistry()};

    Seen seen;
    std::thread watcher([&] {
        // The deadline only keeps a broken run from hanging; what counts is checked below.
        const QDeadlineTimer deadline(60'000);
        HWND box = nullptr;
        while (!(box = findBox()) && !deadline.hasExpired())
            Sleep(10);
        if (!box)
            return;
        seen.title = windowText(box);
        seen.text = windowText(GetDlgItem(box, 0xffff));
        HWND ok = nullptr;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child))
                continue;
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (className(child) == "Button") {
                seen.buttons.append(windowText(child));
                ok = child;
            } else if (className(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
                seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0);
            }
        }
        seen.mainWindowEnabled = IsWindowEnabled(mainWindow);
        seen.aboutWindowEnabled = IsWindowEnabled(aboutWindow);
        const int before = ticks;
        while (ticks - before < TicksToSee && !deadline.hasExpired())
            Sleep(10);
        seen.ticks = ticks - before;
        if (ok)
            SendMessageW(ok, BM_CLICK, 0, 0);
        else
            PostMessageW(box, WM_CLOSE, 0, 0);
    });
    QTest::mouseClick(about.findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
    watcher.join();

    QCOMPARE(seen.title, QStringLiteral("Dicemere"));
    QCOMPARE(seen.text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(seen.buttons, QStringList {"OK"});
    QVERIFY(!seen.icon);
    // Every window of the program waits for the box, and the roller goes on rolling.
    QVERIFY(!seen.mainWindowEnabled);
    QVERIFY(!seen.aboutWindowEnabled);
    QCOMPARE_GE(seen.ticks, TicksToSee);
    QVERIFY(IsWindowEnabled(mainWindow));
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
