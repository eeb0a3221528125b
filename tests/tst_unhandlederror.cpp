// SPDX-License-Identifier: GPL-3.0-or-later
// An unhandled error end to end, in a program of its own (failrun.cpp): the real message box
// reports it, and the program then ends by itself with the runtime's failure status, not by a
// signal, an abort or a sanitizer's report. The real program with no display it can use: one
// line, and the same plain failure, never a hang. And a bus that never answers costs the screen
// reader, not the run.
#include "runtime/kernel/runtime.h"
#include "strictwarnings.h"

#include <csignal>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray CannotStart = "dicemere: cannot start: no window can be shown: ";

// Listens as X display the first number no server has (neither its socket nor its lock file
// is there, and no other run took it meanwhile); the display's name, or empty text.
QString listenAsFreeX11Display(QLocalServer &server)
{
    for (int number = 500; number < 1000; ++number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))
            && server.listen(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            return QStringLiteral(":%1").arg(number);
    }
    return {};
}

} // namespace

class TestUnhandledError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void reportedThenTheRunEnds_data();
    void reportedThenTheRunEnds();
    void noUsableDisplayEndsInOneLine_data();
    void noUsableDisplayEndsInOneLine();
    void silentBusCostsOnlyTheScreenReader_data();
    void silentBusCostsOnlyTheScreenReader();
};

void TestUnhandledError::reportedThenTheRunEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("report");
    QTest::newRow("pause overflows in the slider's handler")
        << "overflow" << QByteArray("Run-time error '6':\\n\\nOverflow");
    QTest::newRow("die too large in the timer's handler")
        << "tick" << QByteArray("Run-time error '6':\\n\\nOverflow");
    QTest::newRow("foreign exception from a dispatched handler")
        << "throw" << QByteArray("Run-time error '51':\\n\\nbroken");
}

void TestUnhandledError::reportedThenTheRunEnds()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, report);
    QProcess run;
    run.start(FAILRUN_PATH, {how});
    QVERIFY2(run.waitForFinished(120'000), "the run did not end");
    const QByteArray errors = run.readAllStandardError();
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.exitCode() == runtime::Runtime::FailureExitCode, errors.constData());
    // One box, titled with the program's name.
    QCOMPARE(run.readAllStandardOutput(), "Dicemere\n" + report + '\n');
    for (const char *sign : {"terminate called", "Aborted", "core dumped", "Sanitizer"})
        QVERIFY2(!errors.contains(sign), errors.constData());
}

void TestUnhandledError::noUsableDisplayEndsInOneLine_data()
{
    QTest::addColumn<QString>("platform");
    // "none", "silent X11" or "silent Wayland" (a socket that takes connections and never
    // answers), or "no runtime folder"
    QTest::addColumn<QString>("display");
    QTest::addColumn<QByteArray>("reason"); // part of Qt's reason, where it is always the same
    QTest::newRow("the platform Qt picks") << ""
                                           << "none" << QByteArray();
    QTest::newRow("X11") << "xcb"
                         << "none" << QByteArray();
    QTest::newRow("Wayland") << "wayland"
                             << "none" << QByteArray();
    QTest::newRow("a platform plugin that does not exist") << "nonesuch"
                                                           << "none" << QByteArray("\"nonesuch\"");
    QTest::newRow("X11 that never answers") << ""
                                            << "silent X11" << QByteArray("did not answer");
    QTest::newRow("X11 that never answers, named") << "xcb"
                                                   << "silent X11" << QByteArray("did not answer");
    QTest::newRow("Wayland that never answers") << ""
                                                << "silent Wayland" << QByteArray("did not answer");
    QTest::newRow("Wayland that never answers, named")
        << "wayland"
        << "silent Wayland" << QByteArray("did not answer");
    QTest::newRow("Wayland with no runtime folder") << "wayland"
                                                    << "no runtime folder" << QByteArray();
    QTest::newRow("linuxfb with no framebuffer") << "linuxfb:fb=/nonexistent/fb0"
                                                 << "none" << QByteArray();
    QTest::newRow("vkkhrdisplay, which shows no widgets") << "vkkhrdisplay"
                                                          << "none" << QByteArray("Vulkan");
}

void TestUnhandledError::noUsableDisplayEndsInOneLine()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QByteArray, reason);
    // No X server and, in a runtime folder of its own, no Wayland compositor either.
    QTemporaryDir runtimeFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder.path());
    environment.insert("QT_QPA_PLATFORM", platform);
    QLocalServer silent;
    if (display == "silent X11") {
        if (!QFileInfo::exists("/tmp/.X11-unix"))
            QSKIP("no X11 socket folder (tests/xvfb.sh makes one)");
        const QString name = listenAsFreeX11Display(silent);
        QVERIFY(!name.isEmpty());
        environment.insert("DISPLAY", name);
    } else if (display == "silent Wayland") {
        QVERIFY(silent.listen(runtimeFolder.filePath("wayland-silent")));
        environment.insert("WAYLAND_DISPLAY", "wayland-silent");
    } else if (display == "no runtime folder") {
        environment.remove("XDG_RUNTIME_DIR");
    }
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(DICEMERE_PATH);
    QVERIFY2(run.waitForFinished(60'000), "the run did not end");
    const QByteArray errors = run.readAllStandardError();
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.exitCode() == 1, errors.constData());
    // One line, the program's words first, then Qt's reason.
    QVERIFY2(errors.startsWith(CannotStart) && errors.count('\n') == 1 && errors.endsWith('\n')
                 && errors.size() > CannotStart.size() + 1 && errors.contains(reason),
             errors.constData());
}

void TestUnhandledError::silentBusCostsOnlyTheScreenReader_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<bool>("stopped"); // a bus daemon stopped, else a socket nobody answers on
    QTest::addColumn<QByteArray>("line");
    const QByteArray session =
        "dicemere: no screen reader support: the session bus does not answer";
    const QByteArray accessibility =
        "dicemere: no screen reader support: the accessibility bus does not answer";
    QTest::newRow("session bus that never answers")
        << "DBUS_SESSION_BUS_ADDRESS" << false << session;
    QTest::newRow("session bus stopped") << "DBUS_SESSION_BUS_ADDRESS" << true << session;
    QTest::newRow("accessibility bus that never answers")
        << "AT_SPI_BUS_ADDRESS" << false << accessibility;
    QTest::newRow("accessibility bus stopped") << "AT_SPI_BUS_ADDRESS" << true << accessibility;
}

void TestUnhandledError::silentBusCostsOnlyTheScreenReader()
{
    QFETCH(QString, variable);
    QFETCH(bool, stopped);
    QFETCH(QByteArray, line);
    // Qt's bridge to the screen reader meets the buses on X11 and Wayland, not offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("no X display (tests/xvfb.sh gives one)");
    QTemporaryDir folder;
    const QString socket = folder.filePath("bus");
    QLocalServer silent;
    QProcess daemon;
    const auto end = qScopeGuard([&daemon] {
        daemon.kill();
        daemon.waitForFinished();
    });
    if (stopped) {
        daemon.start(
            "dbus-daemon",
            {"--session", "--nofork", "--print-address=1", "--address=unix:path=" + socket});
        if (!daemon.waitForReadyRead(30'000))
            QSKIP("dbus-daemon did not start (scripts/setup.sh installs it)");
        QCOMPARE(::kill(pid_t(daemon.processId()), SIGSTOP), 0);
    } else {
        QVERIFY(silent.listen(socket));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("AT_SPI_BUS_ADDRESS");
    environment.insert(variable, "unix:path=" + socket);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess run;
    run.setProcessEnvironment(environment);
    // The error the helper forces comes from the running roll: the run reaching its report is
    // the program running.
    run.start(FAILRUN_PATH, {"tick"});
    QVERIFY2(run.waitForFinished(60'000), "the run did not end");
    const QByteArray errors = run.readAllStandardError();
    QCOMPARE(run.readAllStandardOutput(), "Dicemere\nRun-time error '6':\\n\\nOverflow\n");
    QVERIFY2(errors.startsWith(line + '\n'), errors.constData());
}

QTEST_GUILESS_MAIN(TestUnhandledError)
#include "tst_unhandlederror.moc"
