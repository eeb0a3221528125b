// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "installedregistry.h"
#include "messagedismisser.h"
#include "recordedruns.h"
#include "runtime/kernel/runtime.h"
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "strictwarnings.h"
#include "sysinfovalues.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace reg = runtime::registry;
using about::frmAbout;

namespace {

// Gives the test process a pipe for its standard input until the guard goes.
auto inputFromPipe()
{
    int ends[2];
    const int saved = dup(0);
    if (pipe(ends) == 0) {
        dup2(ends[0], 0);
        close(ends[0]);
    }
    return qScopeGuard([saved, writeEnd = ends[1]] {
        dup2(saved, 0);
        close(saved);
        close(writeEnd);
    });
}

using sysinfo::LocationKey;
using sysinfo::PathKey;
const QString Message = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

class TestStartSysInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void initTestCase();
    void findsAndStartsTheTool_data();
    void findsAndStartsTheTool();
    void findsToolInstalledWhileRunning();
    void anyFailureEndsInTheMessage();
    void aboutWindowStaysOpen();

private:
    about::frmAbout::InstanceScope m_about;
    static QString installTool(const QString &path);
};

void TestStartSysInfo::initTestCase()
{
    runtime::Runtime::initialise();
    QVERIFY(QFile::exists(RECORDRUN_PATH));
}

QString TestStartSysInfo::installTool(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!QFile::copy(RECORDRUN_PATH, path))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestStartSysInfo::findsAndStartsTheTool_data()
{
    // Each row: what value 1 (the tool's path) and value 2 (its folder) hold, and which tool
    // must run: "path", "folder" or none (then the message shows).
    QTest::addColumn<QString>("toolName");
    // "tool", "missing", "expandable", "empty", "" or "search path" (the system's registry)
    QTest::addColumn<QString>("pathValue");
    QTest::addColumn<QString>("folderValue"); // "with tool", "without tool", "with a folder" or ""
    QTest::addColumn<QString>("starts");
    QTest::newRow("value 1 names the tool") << "tool"
                                            << "tool"
                                            << "with tool"
                                            << "path";
    QTest::newRow("value 1 names a missing file") << "tool"
                                                  << "missing"
                                                  << "with tool"
                                                  << "";
    QTest::newRow("from the folder of value 2") << "tool"
                                                << ""
                                                << "with tool"
                                                << "folder";
    QTest::newRow("folder without the tool") << "tool"
                                             << ""
                                             << "without tool"
                                             << "";
    QTest::newRow("folder with a folder of the tool's name") << "tool"
                                                             << ""
                                                             << "with a folder"
                                                             << "";
    QTest::newRow("both values missing") << "tool"
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("value 1 of expandable type") << "tool"
                                                << "expandable"
                                                << "with tool"
                                                << "";
    QTest::newRow("value 1 of size 0") << "tool"
                                       << "empty"
                                       << "with tool"
                                       << "";
    QTest::newRow("blanks, quotes and shell signs")
        << "dir with 'quotes' \"and\" ; $(touch pwned) `id`/my tool; rm -rf x &"
        << "tool"
        << ""
        << "path";
    QTest::newRow("found in folders of any script, beside a look-alike")
        << QStringLiteral("\u043f\u0443\u0442\u044c/\U0001F3B2/hardinfo") << "search path"
        << ""
        << "path";
}

void TestStartSysInfo::findsAndStartsTheTool()
{
    QFETCH(QString, toolName);
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(QString, starts);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString tool = installTool(root.filePath(toolName));
    QVERIFY(!tool.isEmpty());
    const QString folder = root.filePath("folder");
    QDir().mkpath(folder);
    QString folderTool;
    if (folderValue == "with tool")
        folderTool = installTool(folder + "/MSINFO32.EXE");
    if (folderValue == "with a folder")
        QVERIFY(QDir().mkpath(folder + "/MSINFO32.EXE"));

    runtime::MemoryRegistry registry;
    if (pathValue == "tool")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString,
                          QFile::encodeName(tool) + '\0');
    else if (pathValue == "missing")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString,
                          QFile::encodeName(root.filePath("nothing here")) + '\0');
    else if (pathValue == "expandable")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeExpandString,
                          QFile::encodeName(tool) + '\0');
    else if (pathValue == "empty")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString, {});
    if (!folderValue.isEmpty())
        registry.setValue(reg::LocalMachine, LocationKey, "MSINFO", reg::TypeString,
                          QFile::encodeName(folder) + '\0');
    std::optional<InstalledRegistry> installed;
    QString decoy;
    const QByteArray searchPath = qgetenv("PATH");
    const auto restorePath = qScopeGuard([searchPath] { qputenv("PATH", searchPath); });
    if (pathValue == "search path") {
        // Where the folders' names read through Latin-1 would lead.
        decoy = installTool(root.filePath(QString(4, u'?') + "/?/hardinfo"));
        qputenv("PATH", QFile::encodeName(QFileInfo(tool).absolutePath()));
    } else {
        installed.emplace(registry);
    }

    const auto restore =
        qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
    QDir::setCurrent(root.path());
    // The tool must not share the test's input, whatever that is.
    const auto input = inputFromPipe();
    MessageDismisser dismisser;
    // A second press looks everything up afresh and ends the same way.
    for (int press = 1; press <= 2; ++press) {
        frmAbout::instance().StartSysInfo();
        if (starts == "path")
            QTRY_COMPARE(recordedRuns(tool), press);
        if (starts == "folder")
            QTRY_COMPARE(recordedRuns(folderTool), press);
    }
    QTest::qWait(200);

    QCOMPARE(recordedRuns(tool), starts == "path" ? 2 : 0);
    if (!folderTool.isEmpty())
        QCOMPARE(recordedRuns(folderTool), starts == "folder" ? 2 : 0);
    if (!decoy.isEmpty())
        QCOMPARE(recordedRuns(decoy), 0);
    QCOMPARE(dismisser.texts, (starts.isEmpty() ? QStringList {Message, Message} : QStringList()));
    for (const QString &title : std::as_const(dismisser.titles))
        QCOMPARE(title, QStringLiteral("Dicemere"));
    QVERIFY(dismisser.plain);
    QVERIFY(!QFile::exists(root.filePath("pwned")));
}

void TestStartSysInfo::findsToolInstalledWhileRunning()
{
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([path] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(bin.path()));
    MessageDismisser dismisser;

    frmAbout::instance().StartSysInfo();
    QCOMPARE(dismisser.texts, QStringList {Message});
    const QString tool = installTool(bin.filePath("hardinfo"));
    QVERIFY(!tool.isEmpty());
    frmAbout::instance().StartSysInfo();
    QTRY_COMPARE(recordedRuns(tool), 1);
    QCOMPARE(dismisser.texts, QStringList {Message});
}

void TestStartSysInfo::anyFailureEndsInTheMessage()
{
    // A registry that fails with something no standard exception describes.
    struct Broken : runtime::MemoryRegistry
    {
        qint32 RegOpenKeyExA(runtime::RegistryHandle, const char *, quint32, quint32,
                             runtime::RegistryHandle *) override
        {
            throw 42;
        }
    } broken;
    const runtime::ServiceScope<runtime::RegistryApi> served(broken);
    MessageDismisser dismisser;
    frmAbout::instance().StartSysInfo();
    QCOMPARE(dismisser.texts, QStringList {Message});
}

void TestStartSysInfo::aboutWindowStaysOpen()
{
    InstalledRegistry installed {runtime::MemoryRegistry()};
    frmAbout::instance().Show();
    MessageDismisser dismisser;
    QTest::mouseClick(frmAbout::instance().findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(dismisser.texts, QStringList {Message});
    QVERIFY(frmAbout::instance().isVisible());
    QVERIFY(frmAbout::instance().isLoaded());
    frmAbout::instance().Unload();
}

QTEST_MAIN(TestStartSysInfo)
#include "tst_startsysinfo.moc"
