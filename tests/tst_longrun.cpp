// SPDX-License-Identifier: GPL-3.0-or-later
// Long runs of what a user does: timer ticks with their repaints, About opened and closed,
// "System Info..." pressed with its message box and with a real tool started. After a tenth of
// each run as warm-up, the rest must not grow the resident set, keep more descriptors open or
// leave a zombie behind. Under AddressSanitizer, whose quarantine holds freed memory on purpose,
// LeakSanitizer checks the memory instead and the runs are shorter.
#include "about/frmabout.h"
#include "installedregistry.h"
#include "messagedismisser.h"
#include "recordedruns.h"
#include "roller/form1.h"
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "strictwarnings.h"
#include "sysinfovalues.h"

#include <malloc.h>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using about::frmAbout;

namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr bool UnderAddressSanitizer = true;
#else
constexpr bool UnderAddressSanitizer = false;
#endif

// Less than one block lost per timer tick (32 bytes at the least), or some hundreds of bytes per
// About cycle, add up to; LeakSanitizer catches smaller leaks in the asan preset.
constexpr qint64 RssTolerance = 512 * 1024;

struct Usage
{
    qint64 rss;
    qsizetype descriptors;
};

Usage usage()
{
    // Hands freed memory at the top of the heap back, so that only memory in use counts.
    malloc_trim(0);
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    // Resident pages less those backed by files: the pages of fonts and libraries read in as
    // they are first used are no memory the program holds.
    const QList<QByteArray> fields = statm.readAll().split(' ');
    const qint64 pages = fields.value(1).toLongLong() - fields.value(2).toLongLong();
    const QStringList fds =
        QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return {pages * sysconf(_SC_PAGESIZE), fds.size()};
}

// This process's children by state ('Z' for a zombie).
QMultiHash<char, QString> childProcesses()
{
    QMultiHash<char, QString> found;
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    for (const QString &pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read from its end.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self)
            found.insert(fields.value(0).at(0), pid);
    }
    return found;
}

enum class Step { Tick, About, SysInfoMessage, ToolStart };

} // namespace

Q_DECLARE_METATYPE(Step)

class TestLongRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void initTestCase();
    void staysFlat_data();
    void staysFlat();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void step(Step kind, int index);

    roller::Form1 m_form;
    MessageDismisser m_messages;
    int m_paints = 0;
    int m_opened = 0;
};

void TestLongRun::initTestCase()
{
    runtime::Runtime::initialise();
    m_form.Show();
    m_form.findChild<QLabel *>("lblRoll")->installEventFilter(this);
}

bool TestLongRun::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return QObject::eventFilter(watched, event);
}

void TestLongRun::step(Step kind, int index)
{
    static const char *const dice[] = {"cmdD4",  "cmdD6",  "cmdD8",  "cmdD10",
                                       "cmdD12", "cmdD20", "cmdD100"};
    switch (kind) {
    case Step::Tick:
        if (index % 1000 == 0)
            m_form.findChild<QPushButton *>(dice[(index / 1000) % 7])->click();
        m_form.tmrRoller_Timer();
        break;
    case Step::About:
        QTest::mouseClick(m_form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        m_opened += frmAbout::instance().isVisible();
        QTest::mouseClick(frmAbout::instance().findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        break;
    case Step::SysInfoMessage:
    case Step::ToolStart:
        QTest::mouseClick(frmAbout::instance().findChild<QPushButton *>("cmdSysInfo"),
                          Qt::LeftButton);
        break;
    }
    QCoreApplication::processEvents();
    // Controls of an unloaded window go once control is back in an event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestLongRun::staysFlat_data()
{
    QTest::addColumn<Step>("kind");
    QTest::addColumn<int>("count");
    const bool full = !UnderAddressSanitizer;
    QTest::newRow("timer ticks") << Step::Tick << (full ? 100'000 : 10'000);
    QTest::newRow("About opened and closed") << Step::About << (full ? 1000 : 200);
    QTest::newRow("System Info with its message") << Step::SysInfoMessage << (full ? 1000 : 200);
    QTest::newRow("System Info starting the tool") << Step::ToolStart << 100;
}

void TestLongRun::staysFlat()
{
    QFETCH(Step, kind);
    QFETCH(int, count);
    QTemporaryDir folder;
    const QString tool = folder.filePath("sysinfo tool");
    QVERIFY(QFile::copy(RECORDRUN_PATH, tool));
    QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
    runtime::MemoryRegistry registry;
    if (kind == Step::ToolStart)
        registry.setValue(runtime::registry::LocalMachine, sysinfo::PathKey, "PATH",
                          runtime::registry::TypeString, QFile::encodeName(tool) + '\0');
    InstalledRegistry installed(std::move(registry));
    if (kind == Step::SysInfoMessage || kind == Step::ToolStart)
        frmAbout::instance().Show();
    m_paints = 0;
    m_messages.texts.clear();
    m_opened = 0;

    const int warmUp = count / 10;
    for (int i = 0; i < warmUp; ++i)
        step(kind, i);
    const Usage before = usage();
    for (int i = warmUp; i < count; ++i)
        step(kind, i);
    if (kind == Step::ToolStart)
        QTRY_COMPARE_WITH_TIMEOUT(recordedRuns(tool), count, 120'000);
    // Every child has ended, or become a zombie.
    QTRY_COMPARE_WITH_TIMEOUT(childProcesses().size(), childProcesses().count('Z'), 120'000);
    const Usage after = usage();
    frmAbout::instance().Unload();

    qInfo("resident, not file-backed: %lld kB -> %lld kB, descriptors %lld -> %lld",
          before.rss / 1024, after.rss / 1024, qint64(before.descriptors),
          qint64(after.descriptors));
    QCOMPARE(childProcesses().values('Z'), QStringList());
    QCOMPARE(after.descriptors, before.descriptors);
    if (!UnderAddressSanitizer)
        QCOMPARE_LT(after.rss - before.rss, RssTolerance);
    if (kind == Step::Tick)
        QCOMPARE_GT(m_paints, count / 2);
    QCOMPARE(m_opened, kind == Step::About ? count : 0);
    QCOMPARE(m_messages.texts.size(), kind == Step::SysInfoMessage ? count : 0);
    QCOMPARE(frmAbout::instance().isVisible(), false);
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
