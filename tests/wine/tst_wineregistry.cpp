// SPDX-License-Identifier: GPL-3.0-or-later
// The registry vectors through runtime::MemoryRegistry and through a real registry, Windows' own
// advapi32 entries as Wine provides them: every outcome must agree but for the differences
// listed below. CMake registers this test (label "wine") only where wine64 and the mingw-w64
// cross compiler are installed: `apt-get install wine64 g++-mingw-w64-x86-64-posix`, configure
// again, then `ctest --preset ci -L wine`.
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "runvector.h"
#include "tests/strictwarnings.h"

#include <optional>
#include <QHash>
#include <QProcess>
#include <QTest>

namespace {

struct Difference
{
    const char *ours;
    // Null where the vector cannot be run under Wine.
    const char *system;
};

// Where the answers are known to part. The in-memory registry grants reading only, as Windows
// does a standard user on HKEY_LOCAL_MACHINE, the one root the program reads; Windows and Wine
// let a user write the keys of HKEY_CURRENT_USER, and Wine also grants writing on
// HKEY_LOCAL_MACHINE, which Windows refuses a standard user (an administrator gets it there too).
const QHash<QByteArray, Difference> differences = {
    {"open read-write on a key the user may write",
     {"open 5", "open 0, result new, read 0, close 0"}},
    {"open all access", {"open 5", "open 0, result new, read 0, close 0"}},
    {"open set value right", {"open 5", "open 0, result new, read 5, close 0"}},
    {"open machine software read-write", {"open 5", "open 0, result new, read 2, close 0"}},
    // A root opened with no sub-key: Windows documents, and Wine does, handing back the root
    // itself; the in-memory registry hands out a new handle to it, which reads and closes alike.
    {"open empty sub-key of a root",
     {"open 0, result new, read 2, close 0", "open 0, result the base, read 2, close 0"}},
    {"open null sub-key of a root",
     {"open 0, result new, read 2, close 0", "open 0, result the base, read 2, close 0"}},
    // Wine 8 writes through the missing result pointer and crashes; the driver leaves it out.
    {"open without a result pointer", {"open 87", nullptr}},
};

QProcessEnvironment wineEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINEPREFIX", WINEPREFIX_PATH);
    environment.insert("WINEDEBUG", "-all");
    // A console program needs neither .NET nor a browser engine: no offer to install them.
    environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=d");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
}

} // namespace

class TestWineRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void initTestCase();
    void cleanupTestCase();
    void agreesWithTheSystem_data();
    void agreesWithTheSystem();

private:
    QHash<QByteArray, QByteArray> m_system;
    std::optional<runtime::MemoryRegistry> m_registry;
};

void TestWineRegistry::initTestCase()
{
    QProcess wine;
    wine.setProcessEnvironment(wineEnvironment());
    wine.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The first run in a new prefix sets Wine up, which takes a while.
    wine.start(WINE64_PATH, {REGDRIVER_PATH});
    QVERIFY2(wine.waitForFinished(240'000), "Wine did not finish");
    QCOMPARE(wine.exitStatus(), QProcess::NormalExit);
    QCOMPARE(wine.exitCode(), 0);
    for (const QByteArray &line : wine.readAllStandardOutput().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            m_system.insert(line.left(tab), line.mid(tab + 1).trimmed());
    }

    runtime::MemoryRegistry registry;
    using namespace registryvectors;
    const QByteArray key = QByteArray::fromStdString(Key);
    registry.createKey(runtime::registry::LocalMachine, "Software");
    for (const std::string &name : subKeys())
        registry.createKey(runtime::registry::CurrentUser, key + '\\' + name.c_str());
    for (const Value &value : values()) {
        registry.setValue(runtime::registry::CurrentUser, key,
                          QByteArray::fromStdString(value.name), value.type,
                          QByteArray::fromStdString(value.data));
    }
    m_registry.emplace(std::move(registry));
}

void TestWineRegistry::cleanupTestCase()
{
    // Ends the server and every process Wine started for this prefix.
    QProcess server;
    server.setProcessEnvironment(wineEnvironment());
    server.start(WINESERVER_PATH, {"-k"});
    QVERIFY(server.waitForFinished(60'000));
}

void TestWineRegistry::agreesWithTheSystem_data()
{
    QTest::addColumn<int>("index");
    const std::vector<registryvectors::Vector> vectors = registryvectors::vectors();
    for (size_t i = 0; i < vectors.size(); ++i)
        QTest::newRow(vectors[i].tag.c_str()) << int(i);
}

void TestWineRegistry::agreesWithTheSystem()
{
    QFETCH(int, index);
    const registryvectors::Vector vector = registryvectors::vectors().at(size_t(index));
    const QByteArray tag = QByteArray::fromStdString(vector.tag);
    runtime::MemoryRegistry &registry = *m_registry;
    using runtime::RegistryHandle;
    const QByteArray ours = QByteArray::fromStdString(registryvectors::run<RegistryHandle>(
        vector,
        [&](RegistryHandle key, const char *subKey, quint32 options, quint32 access,
            RegistryHandle *result) {
            return registry.RegOpenKeyExA(key, subKey, options, access, result);
        },
        [&](RegistryHandle key, const char *name, quint32 *reserved, quint32 *type, quint8 *data,
            quint32 *size) {
            return registry.RegQueryValueExA(key, name, reserved, type, data, size);
        },
        [&](RegistryHandle key) { return registry.RegCloseKey(key); }));

    const auto difference = differences.constFind(tag);
    if (difference == differences.cend()) {
        QVERIFY2(m_system.contains(tag), "no outcome from Wine");
        QCOMPARE(ours, m_system.value(tag));
        return;
    }
    QCOMPARE(ours, QByteArray(difference->ours));
    if (difference->system)
        QCOMPARE(m_system.value(tag), QByteArray(difference->system));
    else
        QVERIFY(!m_system.contains(tag));
}

QTEST_GUILESS_MAIN(TestWineRegistry)
#include "tst_wineregistry.moc"
