// SPDX-License-Identifier: GPL-3.0-or-later
// An unhandled error end to end, in a program of its own (failrun.cpp): the real message box
// reports it, and the program then ends by itself with the runtime's failure status, not by a
// signal, an abort or a sanitizer's report.
#include "runtime/runtime.h"

#include <QProcess>
#include <QTest>

class TestUnhandledError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportedThenTheRunEnds_data();
    void reportedThenTheRunEnds();
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

QTEST_GUILESS_MAIN(TestUnhandledError)
#include "tst_unhandlederror.moc"
