// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingmessagedialog.h"
#include "runtime/kernel/error.h"
#include "runtime/kernel/runtime.h"
#include "strictwarnings.h"

#include <functional>
#include <new>
#include <QApplication>
#include <QTest>
#include <QTimer>

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class TestRuntime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void initTestCase();
    void unhandledErrorIsReportedAndEndsTheRun_data();
    void unhandledErrorIsReportedAndEndsTheRun();
    void noHandlerRunsAfterAFailure();
    void failureBeforeTheEventLoopEndsItAtOnce();
};

void TestRuntime::initTestCase()
{
    runtime::Runtime::initialise();
}

void TestRuntime::unhandledErrorIsReportedAndEndsTheRun_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("report");
    QTest::newRow("overflow") << Thrower([] {
        throw runtime::Error(runtime::ErrorNumber::Overflow);
    }) << "Run-time error '6':\n\nOverflow";
    QTest::newRow("control failure")
        << Thrower([] { throw runtime::Error(runtime::ErrorNumber::ControlFailure); })
        << "Run-time error '380':\n\nInvalid property value";
    QTest::newRow("out of memory")
        << Thrower([] { throw std::bad_alloc(); }) << "Run-time error '7':\n\nOut of memory";
    QTest::newRow("foreign exception")
        << Thrower([] { throw std::logic_error("broken"); }) << "Run-time error '51':\n\nbroken";
    QTest::newRow("not even an exception")
        << Thrower([] { throw 42; }) << "Run-time error '51':\n\nInternal error";
}

void TestRuntime::unhandledErrorIsReportedAndEndsTheRun()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, report);
    RecordingMessageDialog box;
    QTimer::singleShot(0, qApp, [thrower] { runtime::Runtime::dispatch(thrower); });
    QTimer watchdog;
    watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QCOMPARE(runtime::Runtime::exec(), runtime::Runtime::FailureExitCode);
    QCOMPARE(box.texts, QStringList {report});
}

void TestRuntime::noHandlerRunsAfterAFailure()
{
    RecordingMessageDialog box;
    int ran = 0;
    runtime::Runtime::dispatch([] { throw runtime::Error(runtime::ErrorNumber::Overflow); });
    runtime::Runtime::dispatch([&ran] { ++ran; });
    QCOMPARE(ran, 0);
    QCOMPARE(box.texts.size(), 1);
}

void TestRuntime::failureBeforeTheEventLoopEndsItAtOnce()
{
    RecordingMessageDialog box;
    runtime::Runtime::dispatch([] { throw runtime::Error(runtime::ErrorNumber::TypeMismatch); });
    QCOMPARE(runtime::Runtime::exec(), runtime::Runtime::FailureExitCode);
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
