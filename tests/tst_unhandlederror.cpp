// SPDX-License-Identifier: GPL-3.0-or-later
// An unhandled error end to end, in a program of its own (failrun.cpp): the real message box
// reports it, and the program then ends by itself with the runtime's failure status, not by a
// signal, an abort or a sanitizer's report. And the real program with no display to open: one
// line, and the same plain failure.
#include "runtime/kernel/runtime.h"
#include "strictwarnings.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestUnhandledError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void reportedThenTheRunEnds_data();
    void reportedThenTheRunEnds();
    void noDisplayEndsInOneLine_data();
    void noDisplayEndsInOneLine();
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

void TestUnhandledError::noDisplayEndsInOneLine_data()
{
    QTest::addColumn<QString>("platform");
    QTest::newRow("the platform Qt picks") << "";
    QTest::newRow("X11") << "xcb";
    QTest::newRow("Wayland") << "wayland";
    QTest::newRow("a platform plugin that does not exist") << "nonesuch";
}

void TestUnhandledError::noDisplayEndsInOneLine()
{
    QFETCH(QString, platform);
    // No X server and, in a runtime folder of its own, no Wayland compositor either.
    QTemporaryDir runtimeFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder.path());
    environment.insert("QT_QPA_PLATFORM", platform);
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(DICEMERE_PATH);
    QVERIFY2(run.waitForFinished(60'000), "the run did not end");
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 1);
    QCOMPARE(run.readAllStandardError(),
             "dicemere: cannot start: no graphical display (X11 or Wayland) could be opened\n");
}

QTEST_GUILESS_MAIN(TestUnhandledError)
#include "tst_unhandlederror.moc"
