// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile tool paths in the registry: whatever the value holds, "System Information" either
// says it is unavailable or starts exactly the file the value names. Every file a wrong reading
// could start is a copy of a helper that records its runs, and every shell command in a value
// would create a marker file; neither may show up.
#include "about/frmabout.h"
#include "installedregistry.h"
#include "recordedruns.h"
#include "recordingmessagedialog.h"
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "strictwarnings.h"
#include "sysinfovalues.h"

#include <cstdio>
#include <optional>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace reg = runtime::registry;

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Places a copy of the helper at the path (relative ones below the folder), folders and all.
bool install(const QDir &folder, const QString &path)
{
    const QString target = folder.absoluteFilePath(path);
    return QDir().mkpath(QFileInfo(target).absolutePath()) && QFile::copy(RECORDRUN_PATH, target)
        && QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner);
}

// Every helper that ran anywhere below the folder.
QStringList everyRun(const QString &folder)
{
    QStringList ran;
    QDirIterator records(folder, {"*.ran"}, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (records.hasNext())
        ran.append(records.next().chopped(4));
    return ran;
}

// Processes other than this one whose working folder is the folder: what a start left running.
int othersWorkingIn(const QString &folder)
{
    int count = 0;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString &pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        if (pid != self && QFileInfo("/proc/" + pid + "/cwd").symLinkTarget() == folder)
            ++count;
    }
    return count;
}

// A path of exactly length characters below the folder, in names of at most 200 characters.
QString pathOfLength(const QString &folder, qsizetype length)
{
    QString path = folder;
    while (path.size() < length) {
        const qsizetype room = length - path.size() - 1;
        qsizetype part = qMin<qsizetype>(room, 200);
        // Never leave room for a separator alone.
        if (room - part == 1)
            --part;
        path += u'/' + QString(part, u'n');
    }
    return path;
}

} // namespace

class TestHostileToolPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsTheNamedFileOrNothing_data();
    void startsTheNamedFileOrNothing();
    void valuesNearTheReadersLimit_data();
    void valuesNearTheReadersLimit();

private:
    // Presses "System Info" with the value in the registry; the named helper, if any, must
    // run once and nothing else.
    void press(const QByteArray &value, const QString &starts);

    std::optional<QTemporaryDir> m_root;
    QString m_previousFolder;
};

void TestHostileToolPath::init()
{
    failOnStrayWarnings();
    // Shell commands in the values name the marker relative to the working folder, which
    // cleanup() restores however the test ends.
    m_previousFolder = QDir::currentPath();
    m_root.emplace();
    QVERIFY(m_root->isValid());
    QDir::setCurrent(m_root->path());
}

void TestHostileToolPath::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_root.reset();
}

void TestHostileToolPath::press(const QByteArray &value, const QString &starts)
{
    runtime::MemoryRegistry registry;
    registry.setValue(reg::LocalMachine, sysinfo::PathKey, "PATH", reg::TypeString, value);
    InstalledRegistry installed(std::move(registry));
    RecordingMessageDialog box;
    about::frmAbout::instance().StartSysInfo();

    const QString root = QFileInfo(m_root->path()).canonicalFilePath();
    if (!starts.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(recordedRuns(starts), 1, 60'000);
    // Whatever was started has had its run.
    QTRY_COMPARE_WITH_TIMEOUT(othersWorkingIn(root), 0, 60'000);
    QCOMPARE(everyRun(m_root->path()), starts.isEmpty() ? QStringList() : QStringList {starts});
    QCOMPARE(box.texts, starts.isEmpty() ? QStringList {Unavailable} : QStringList());
    QVERIFY(!QFileInfo::exists(m_root->filePath("marker")));
}

void TestHostileToolPath::startsTheNamedFileOrNothing_data()
{
    QTest::addColumn<QByteArray>("value"); // %ROOT% stands for the test's folder
    QTest::addColumn<QStringList>("helpers");
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("starts");
    const QString none;
    const QStringList tool {"tool"};
    const QByteArray z(1, '\0');
    QTest::newRow("blanks") << "%ROOT%/my tools/sys info" + z << QStringList {"my tools/sys info"}
                            << none << "my tools/sys info";
    // A backslash is a character of a name here; only the one the program joins with is not.
    QTest::newRow("backslash in a folder's name, a decoy where it would be a separator")
        << "%ROOT%/a\\b/hardinfo" + z << QStringList {"a\\b/hardinfo", "a/b/hardinfo"} << none
        << "a\\b/hardinfo";
    QTest::newRow("backslash in the file's name, a decoy where it would be a separator")
        << "%ROOT%/a\\hardinfo" + z << QStringList {"a\\hardinfo", "a/hardinfo"} << none << none;
    QTest::newRow("quotes in the name")
        << "%ROOT%/it's \"quoted\"" + z << QStringList {"it's \"quoted\""} << none
        << "it's \"quoted\"";
    QTest::newRow("command after a tool")
        << "%ROOT%/tool; touch marker" + z << tool << none << none;
    QTest::newRow("command after a tool, named so")
        << "%ROOT%/tool; touch marker" + z << QStringList {"tool", "tool; touch marker"} << none
        << "tool; touch marker";
    QTest::newRow("command substitution") << "%ROOT%/$(touch marker)" + z << tool << none << none;
    QTest::newRow("command substitution, named so")
        << "%ROOT%/$(touch marker)" + z << QStringList {"$(touch marker)"} << none
        << "$(touch marker)";
    QTest::newRow("backquotes, named so")
        << "%ROOT%/`touch marker`" + z << QStringList {"`touch marker`"} << none
        << "`touch marker`";
    QTest::newRow("pipe and background")
        << "%ROOT%/tool | touch marker &" + z << tool << none << none;
    QTest::newRow("wildcard") << "%ROOT%/*" + z << tool << none << none;
    QTest::newRow("newline then a command")
        << "%ROOT%/tool\ntouch marker" + z << tool << none << none;
    QTest::newRow("newline, named so")
        << "%ROOT%/tool\ntouch marker" + z << QStringList {"tool", "tool\ntouch marker"} << none
        << "tool\ntouch marker";
    QTest::newRow("zero inside") << "%ROOT%/tool" + z + "; touch marker" + z << tool << none
                                 << none;
    QTest::newRow("only a zero") << z << tool << none << none;
    QTest::newRow("accented name") << "%ROOT%/caf\xc3\xa9 tool" + z
                                   << QStringList {"caf\u00e9 tool"} << none << "caf\u00e9 tool";
    QTest::newRow("byte no text in UTF-8, on disk and as a replacement look-alike")
        << "%ROOT%/caf\xe9" + z << QStringList {"caf\ufffd"} << "raw name" << none;
    QTest::newRow("a true replacement character")
        << "%ROOT%/caf\xef\xbf\xbd" + z << QStringList {"caf\ufffd"} << none << "caf\ufffd";
    QTest::newRow("relative to the working folder")
        << "sub/tool" + z << QStringList {"sub/tool"} << none << "sub/tool";
    QTest::newRow("bare name, also on the search path") << "tool" + z << tool << "search path"
                                                        << "tool";
    QTest::newRow("bare name only on the search path")
        << "tool" + z << QStringList() << "search path" << none;
    QTest::newRow("tilde is no home folder")
        << "~/tool" + z << QStringList {"~/tool"} << none << "~/tool";
    QTest::newRow("a folder") << "%ROOT%/folder" + z << tool << "folder" << none;
    QTest::newRow("the working folder") << "." + z << tool << none << none;
    QTest::newRow("a FIFO") << "%ROOT%/fifo" + z << tool << "fifo" << none;
    QTest::newRow("a symbolic link loop") << "%ROOT%/loop" + z << tool << "loop" << none;
    QTest::newRow("a symbolic link to the tool") << "%ROOT%/link" + z << tool << "link"
                                                 << "link";
    QTest::newRow("no execute permission") << "%ROOT%/tool" + z << tool << "no execute" << none;
    QTest::newRow("commands without an interpreter line")
        << "%ROOT%/script" + z << tool << "script" << none;
}

void TestHostileToolPath::startsTheNamedFileOrNothing()
{
    QFETCH(QByteArray, value);
    QFETCH(QStringList, helpers);
    QFETCH(QString, special);
    QFETCH(QString, starts);
    const QDir root(m_root->path());
    for (const QString &helper : std::as_const(helpers))
        QVERIFY(install(root, helper));

    const QByteArray oldSearchPath = qgetenv("PATH");
    const auto restore = qScopeGuard([oldSearchPath] { qputenv("PATH", oldSearchPath); });
    if (special == "search path") {
        QVERIFY(install(root, "decoys/tool"));
        qputenv("PATH", QFile::encodeName(root.filePath("decoys")) + ':' + oldSearchPath);
    } else if (special == "raw name") {
        QVERIFY(QFile::copy(RECORDRUN_PATH, root.filePath("copy")));
        const QByteArray raw = QFile::encodeName(root.path()) + "/caf\xe9";
        QCOMPARE(::rename(qPrintable(root.filePath("copy")), raw.constData()), 0);
    } else if (special == "folder") {
        QVERIFY(root.mkdir("folder"));
    } else if (special == "fifo") {
        QCOMPARE(::mkfifo(qPrintable(root.filePath("fifo")), 0700), 0);
    } else if (special == "loop") {
        QVERIFY(QFile::link(root.filePath("loop"), root.filePath("loop2")));
        QVERIFY(QFile::link(root.filePath("loop2"), root.filePath("loop")));
    } else if (special == "link") {
        QVERIFY(QFile::link(root.filePath("tool"), root.filePath("link")));
    } else if (special == "no execute") {
        QVERIFY(QFile::setPermissions(root.filePath("tool"), QFile::ReadOwner | QFile::WriteOwner));
    } else if (special == "script") {
        QFile script(root.filePath("script"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("touch marker\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }

    value.replace("%ROOT%", QFile::encodeName(root.path()));
    press(value, starts.isEmpty() ? starts : root.filePath(starts));
    // A name that is no text in the file system's encoding is beyond QDir's removal.
    if (special == "raw name")
        QCOMPARE(::unlink(QFile::encodeName(root.path()) + "/caf\xe9"), 0);
}

void TestHostileToolPath::valuesNearTheReadersLimit_data()
{
    // The reader takes up to 1024 bytes. Helpers sit at the full path and where a value cut
    // short would end; only a value read whole may start anything.
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("terminated");
    QTest::addColumn<bool>("starts");
    QTest::newRow("1022 characters and a zero") << 1022 << true << true;
    QTest::newRow("1023 characters and a zero") << 1023 << true << true;
    QTest::newRow("1024 characters and a zero") << 1024 << true << false;
    QTest::newRow("1024 characters, no zero") << 1024 << false << true;
    QTest::newRow("1025 characters, no zero") << 1025 << false << false;
    QTest::newRow("4096 characters and a zero") << 4096 << true << false;
    QTest::newRow("20000 characters and a zero") << 20000 << true << false;
}

void TestHostileToolPath::valuesNearTheReadersLimit()
{
    QFETCH(int, length);
    QFETCH(bool, terminated);
    QFETCH(bool, starts);
    const QDir root(m_root->path());
    const QString path = pathOfLength(root.path(), length);
    // Past the system's limit on paths no file can be made, but then none could start either.
    if (length < 4096)
        QVERIFY(install(root, path));
    for (const qsizetype cut : {1021, 1022, 1023, 1024}) {
        if (cut < length && !path.left(cut).endsWith(u'/'))
            QVERIFY(install(root, path.left(cut)));
    }
    QByteArray value = QFile::encodeName(path);
    if (terminated)
        value += '\0';
    press(value, starts ? path : QString());
}

QTEST_MAIN(TestHostileToolPath)
#include "tst_hostiletoolpath.moc"
