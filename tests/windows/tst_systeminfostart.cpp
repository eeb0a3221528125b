// SPDX-License-Identifier: GPL-3.0-or-later
// "System Info..." against the system: both lookups in the real registry (HKEY_LOCAL_MACHINE,
// written by the test and put back afterwards), the system's file test and its program start.
// Every file a wrong reading could start is a copy of recordstart, which notes each run; the
// test runs in a job of its own, so that it can count every process started and wait for them.
// Whatever a value holds, the named file starts once, normal and focused, or nothing starts and
// the user is told. CTest runs this with code page 1252 and, under Wine, 932.
#include "about/frmabout.h"
#include "registryfixture.h"
#include "tests/recordingmessagedialog.h"
#include "tests/sysinfovalues.h"

#include <optional>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

using about::frmAbout;

namespace {

const QString PathKey = QString::fromLatin1(sysinfo::PathKey);
const QString LocationKey = QString::fromLatin1(sysinfo::LocationKey);
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// One run of the stand-in, as it noted it.
struct Run
{
    QString commandLine;
    QString folder;
    DWORD flags = 0;
    int show = 0;
};

} // namespace

class TestSystemInfoStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsTheNamedFileOrNothing_data();
    void startsTheNamedFileOrNothing();

private:
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION processes() const;
    // Each stand-in that ran below the test's folder, by its path relative to it.
    QStringList everyRun() const;
    std::optional<Run> onlyRun(const QString &helper) const;

    QString m_standIn;
    HANDLE m_job = nullptr;
    std::optional<QTemporaryDir> m_root;
    QString m_previousFolder;
};

void TestSystemInfoStart::initTestCase()
{
    runtime::Runtime::initialise();
    const QByteArray codePage = qgetenv("DICEMERE_CODE_PAGE");
    if (!codePage.isEmpty())
        QCOMPARE(GetACP(), codePage.toUInt());
    // Absolute before the working folder changes: the build's path may lack its drive.
    m_standIn = QFileInfo(RECORDSTART_PATH).absoluteFilePath();
    QVERIFY(QFile::exists(m_standIn));

    HKEY machine = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &machine, nullptr)
        != ERROR_SUCCESS)
        QSKIP("The lookups are in HKEY_LOCAL_MACHINE: run this as an administrator");
    RegCloseKey(machine);

    // Every process started from here on belongs to the job, and so does what it starts.
    m_job = CreateJobObjectW(nullptr, nullptr);
    QVERIFY(m_job && AssignProcessToJobObject(m_job, GetCurrentProcess()));
    qputenv("DICEMERE_TEST_TOOL", "tool");
}

void TestSystemInfoStart::init()
{
    m_root.emplace();
    QVERIFY(m_root->isValid());
    // A bare name is the working folder's file.
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_root->path());
}

void TestSystemInfoStart::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_root.reset();
}

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION TestSystemInfoStart::processes() const
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION information = {};
    QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &information,
                              sizeof information, nullptr);
    return information;
}

QStringList TestSystemInfoStart::everyRun() const
{
    QStringList ran;
    QDirIterator records(m_root->path(), {"*.ran"}, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (records.hasNext())
        ran.append(QDir(m_root->path()).relativeFilePath(records.next()).chopped(4));
    return ran;
}

std::optional<Run> TestSystemInfoStart::onlyRun(const QString &helper) const
{
    QFile record(m_root->filePath(helper + ".ran"));
    if (!record.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = record.readAll().split('\n');
    const QList<QByteArray> fields = lines.value(0).split('\t');
    if (lines.size() != 2 || fields.size() != 4)
        return std::nullopt;
    return Run {QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]),
                DWORD(fields[2].toULong()), fields[3].toInt()};
}

void TestSystemInfoStart::startsTheNamedFileOrNothing_data()
{
    // Values: %ROOT% stands for the test's folder; a null value is not in the registry.
    QTest::addColumn<QString>("path"); // lookup 1: the tool's path
    QTest::addColumn<QString>("folder"); // lookup 2: the folder of MSINFO32.EXE
    QTest::addColumn<QStringList>("helpers"); // copies of the stand-in below the test's folder
    QTest::addColumn<QString>("special"); // done to the helpers, or to the search path
    QTest::addColumn<QString>("starts"); // the helper that must run once, or none
    const QString none;
    const QString tool = QStringLiteral("%ROOT%\\tool.exe");
    const QString folder = QStringLiteral("%ROOT%\\folder");
    const QString inFolder = QStringLiteral("folder/MSINFO32.EXE");

    QTest::newRow("value 1 names the tool")
        << tool << folder << QStringList {"tool.exe", inFolder} << none << "tool.exe";
    QTest::newRow("value 1 names a missing file: value 2 is not tried")
        << "%ROOT%\\nothing.exe" << folder << QStringList {inFolder} << none << none;
    QTest::newRow("value 2 names the folder of the tool")
        << none << folder << QStringList {inFolder} << none << inFolder;
    QTest::newRow("value 2 names a folder without it")
        << none << folder << QStringList {"tool.exe"} << none << none;
    QTest::newRow("both values missing")
        << none << none << QStringList {"tool.exe"} << none << none;
    QTest::newRow("a hidden MSINFO32.EXE is no ordinary file")
        << none << folder << QStringList {inFolder} << "hidden" << none;
    QTest::newRow("a system MSINFO32.EXE is no ordinary file")
        << none << folder << QStringList {inFolder} << "system" << none;
    QTest::newRow("a read-only MSINFO32.EXE is an ordinary file")
        << none << folder << QStringList {inFolder} << "read-only" << inFolder;
    QTest::newRow("a folder named MSINFO32.EXE")
        << none << folder << QStringList {inFolder + "/MSINFO32.EXE"} << none << none;
    QTest::newRow("value 1 is not tested for an ordinary file")
        << tool << none << QStringList {"tool.exe"} << "hidden"
        << "tool.exe";

    QTest::newRow("blanks") << "%ROOT%\\my tools\\sys info.exe" << none
                            << QStringList {"my.exe", "my tools/sys info.exe"} << none
                            << "my tools/sys info.exe";
    QTest::newRow("no extension is assumed")
        << "%ROOT%\\my tools\\sys info" << none << QStringList {"my.exe", "my tools/sys info.exe"}
        << none << none;
    QTest::newRow("quotes around the path")
        << "\"" + tool + "\"" << none << QStringList {"tool.exe"} << none << none;
    QTest::newRow("quotes around an argument")
        << tool + "\" \"%ROOT%\\other.exe" << none << QStringList {"tool.exe", "other.exe"} << none
        << none;
    QTest::newRow("ampersand in the name")
        << "%ROOT%\\a & b.exe" << none << QStringList {"a.exe", "a & b.exe"} << none << "a & b.exe";
    QTest::newRow("ampersand and a command")
        << tool + " & %ROOT%\\other.exe" << none << QStringList {"tool.exe", "other.exe"} << none
        << none;
    QTest::newRow("caret in the name")
        << "%ROOT%\\a^b.exe" << none << QStringList {"ab.exe", "a^b.exe"} << none << "a^b.exe";
    QTest::newRow("percent signs name no variable")
        << "%ROOT%\\%DICEMERE_TEST_TOOL%.exe" << none
        << QStringList {"tool.exe", "%DICEMERE_TEST_TOOL%.exe"} << none
        << "%DICEMERE_TEST_TOOL%.exe";
    // The system's path rules drop a trailing dot or blank: the value names tool.exe.
    QTest::newRow("trailing dot") << tool + "." << none << QStringList {"tool.exe"} << none
                                  << "tool.exe";
    QTest::newRow("trailing blank")
        << tool + " " << none << QStringList {"tool.exe"} << none << "tool.exe";
    QTest::newRow("a folder named like the tool")
        << tool << none << QStringList {"tool.exe/tool.exe"} << none << none;
    QTest::newRow("a zero inside") << tool + QChar(0) + " & %ROOT%\\other.exe" << none
                                   << QStringList {"tool.exe", "other.exe"} << none << none;
    QTest::newRow("bare name: the working folder's, never the search path's")
        << "tool.exe" << none << QStringList {"tool.exe"} << "search path"
        << "tool.exe";

    if (GetACP() == 1252) {
        QTest::newRow("letters of code page 1252")
            << "%ROOT%\\caf\u00e9\\tool.exe" << none
            << QStringList {"caf\u00e9/tool.exe", "cafe/tool.exe"} << none << "caf\u00e9/tool.exe";
    }
    if (GetACP() == 932) {
        // Two bytes to each of these characters: the path must come back without trailing zeros.
        const QString japanese = QStringLiteral("\u30c4\u30fc\u30eb");
        QTest::newRow("two-byte characters in value 1")
            << "%ROOT%\\" + japanese + "\\tool.exe" << none << QStringList {japanese + "/tool.exe"}
            << none << japanese + "/tool.exe";
        QTest::newRow("two-byte characters in value 2")
            << none << "%ROOT%\\" + japanese << QStringList {japanese + "/MSINFO32.EXE"} << none
            << japanese + "/MSINFO32.EXE";
    }
}

void TestSystemInfoStart::startsTheNamedFileOrNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QStringList, helpers);
    QFETCH(QString, special);
    QFETCH(QString, starts);
    const QDir root(m_root->path());
    for (const QString &helper : std::as_const(helpers)) {
        const QString file = root.filePath(helper);
        QVERIFY(root.mkpath(QFileInfo(file).path()));
        QVERIFY(QFile::copy(m_standIn, file));
        const auto attributes = QHash<QString, DWORD> {{"hidden", FILE_ATTRIBUTE_HIDDEN},
                                                       {"system", FILE_ATTRIBUTE_SYSTEM},
                                                       {"read-only", FILE_ATTRIBUTE_READONLY}};
        if (attributes.contains(special))
            QVERIFY(SetFileAttributesW(
                reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(file).utf16()),
                attributes.value(special)));
    }
    const QByteArray searchPath = qgetenv("PATH");
    if (special == "search path") {
        QVERIFY(root.mkpath("decoys"));
        QVERIFY(QFile::copy(m_standIn, root.filePath("decoys/tool.exe")));
        qputenv("PATH",
                QDir::toNativeSeparators(root.filePath("decoys")).toUtf8() + ';' + searchPath);
    }

    const QString nativeRoot = QDir::toNativeSeparators(root.path());
    path.replace("%ROOT%", nativeRoot);
    folder.replace("%ROOT%", nativeRoot);
    RegistryFixture registry;
    for (const auto &[key, name, value] :
         {std::tuple {PathKey, "PATH", path}, std::tuple {LocationKey, "MSINFO", folder}}) {
        QVERIFY(value.isNull() ? registry.remove(HKEY_LOCAL_MACHINE, key, name)
                               : registry.set(HKEY_LOCAL_MACHINE, key, name, REG_SZ,
                                              RegistryFixture::text(value)));
    }

    RecordingMessageDialog box;
    const DWORD startedBefore = processes().TotalProcesses;
    frmAbout::instance().StartSysInfo();
    // Whatever was started has had its run.
    QTRY_COMPARE_WITH_TIMEOUT(processes().ActiveProcesses, DWORD(1), 60'000);
    qputenv("PATH", searchPath);

    QCOMPARE(processes().TotalProcesses - startedBefore, DWORD(starts.isEmpty() ? 0 : 1));
    QCOMPARE(everyRun(), starts.isEmpty() ? QStringList() : QStringList {starts});
    QCOMPARE(box.texts, starts.isEmpty() ? QStringList {Unavailable} : QStringList());
    if (starts.isEmpty())
        return;
    const std::optional<Run> run = onlyRun(starts);
    QVERIFY(run);
    // The path alone, quoted, as the program's own name: no arguments.
    const QString started = path.isNull() ? folder + "\\MSINFO32.EXE" : path;
    QCOMPARE(run->commandLine, "\"" + started + "\"");
    QCOMPARE(run->folder, nativeRoot);
    QVERIFY(run->flags & STARTF_USESHOWWINDOW);
    QCOMPARE(run->show, SW_SHOWNORMAL);
}

QTEST_MAIN(TestSystemInfoStart)
#include "tst_systeminfostart.moc"
