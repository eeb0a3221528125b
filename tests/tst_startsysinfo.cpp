// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"
#include "installedregistry.h"
#include "registryconstants.h"
#include "registrylibrary.h"
#include "runtime.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace reg = runtime::registry;
using about::frmAbout;

namespace {

const QByteArray PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Message = QStringLiteral("System Information Is Unavailable At This Time");

// Dismisses each message box as it comes up, noting what it said.
class MessageDismisser : public QObject
{
public:
    MessageDismisser()
    {
        m_timer.callOnTimeout(this, &MessageDismisser::dismiss);
        m_timer.start(20);
    }

    QStringList texts;
    QStringList titles;

private:
    void dismiss()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts.append(box->text());
        titles.append(box->windowTitle());
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        box->buttons().first()->click();
    }

    QTimer m_timer;
};

} // namespace

class TestStartSysInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findsAndStartsTheTool_data();
    void findsAndStartsTheTool();
    void aboutWindowStaysOpen();

private:
    static QString installTool(const QString &path);
    static int runs(const QString &toolPath);
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

int TestStartSysInfo::runs(const QString &toolPath)
{
    QFile record(toolPath + ".ran");
    if (!record.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = record.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.isEmpty() && line != "1")
            return -1; // started with arguments: its path was split
    }
    return int(lines.size()) - 1;
}

void TestStartSysInfo::findsAndStartsTheTool_data()
{
    // Each row: what value 1 (the tool's path) and value 2 (its folder) hold, and which tool
    // must run: "path", "folder" or none (then the message shows).
    QTest::addColumn<QString>("toolName");
    QTest::addColumn<QString>("pathValue"); // "tool", "missing", "expandable", "empty" or ""
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

    runtime::Registry registry;
    if (pathValue == "tool")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString,
                          tool.toLatin1() + '\0');
    else if (pathValue == "missing")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString,
                          root.filePath("nothing here").toLatin1() + '\0');
    else if (pathValue == "expandable")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeExpandString,
                          tool.toLatin1() + '\0');
    else if (pathValue == "empty")
        registry.setValue(reg::LocalMachine, PathKey, "PATH", reg::TypeString, {});
    if (!folderValue.isEmpty())
        registry.setValue(reg::LocalMachine, LocationKey, "MSINFO", reg::TypeString,
                          folder.toLatin1() + '\0');
    InstalledRegistry installed(registry);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());
    MessageDismisser dismisser;
    // A second press looks everything up afresh and ends the same way.
    for (int press = 1; press <= 2; ++press) {
        frmAbout::instance().StartSysInfo();
        if (starts == "path")
            QTRY_COMPARE(runs(tool), press);
        if (starts == "folder")
            QTRY_COMPARE(runs(folderTool), press);
    }
    QTest::qWait(200);
    QDir::setCurrent(previous);

    QCOMPARE(runs(tool), starts == "path" ? 2 : 0);
    if (!folderTool.isEmpty())
        QCOMPARE(runs(folderTool), starts == "folder" ? 2 : 0);
    QCOMPARE(dismisser.texts, (starts.isEmpty() ? QStringList {Message, Message} : QStringList()));
    for (const QString &title : std::as_const(dismisser.titles))
        QCOMPARE(title, QStringLiteral("Dicemere"));
    QVERIFY(!QFile::exists(root.filePath("pwned")));
}

void TestStartSysInfo::aboutWindowStaysOpen()
{
    InstalledRegistry installed {runtime::Registry()};
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
