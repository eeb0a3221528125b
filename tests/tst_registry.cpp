// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "runtime/text/ansitext.h"
#include "strictwarnings.h"
#include "sysinfovalues.h"

#include <QTest>
#include <utility>

using runtime::RegistryHandle;
using namespace runtime::registry;

namespace {

const QByteArray msinfoKey = sysinfo::PathKey;
const QByteArray dicemereKey = "Software\\Dicemere";
constexpr quint8 sentinel = 0xa5;
constexpr quint32 untouchedType = 0xffffffff;
constexpr RegistryHandle untouchedHandle = 0xdead;

QByteArray terminated(const char *text)
{
    return QByteArray(text).append('\0');
}

// Each key's default value names it, so a test can tell which key a handle opened.
runtime::MemoryRegistry sampleRegistry()
{
    runtime::MemoryRegistry registry;
    registry.setValue(LocalMachine, msinfoKey, "", TypeString, terminated("msinfo"));
    registry.setValue(LocalMachine, msinfoKey, "PATH", TypeString, terminated("C:\\msinfo32.exe"));
    registry.setValue(CurrentUser, "", "", TypeString, terminated("current user"));
    registry.setValue(CurrentUser,
                      "Software\\" + runtime::ansi::encode(QStringLiteral("Caf\u00e9")), "",
                      TypeString, terminated("cafe"));
    registry.createKey(CurrentUser, "Software\\Empty");
    registry.setValue(CurrentUser, "Software\\Caf\xe9", "", TypeString, terminated("Latin-1"));
    registry.setValue(CurrentUser, dicemereKey, "", TypeString, terminated("dicemere"));
    registry.setValue(CurrentUser, dicemereKey, "Terminated", TypeString, terminated("dice"));
    registry.setValue(CurrentUser, dicemereKey, "Unterminated", TypeString, "dice");
    registry.setValue(CurrentUser, dicemereKey, "Expand", TypeExpandString, "%HOME%");
    registry.setValue(CurrentUser, dicemereKey, "Empty", TypeString, "");
    registry.setValue(CurrentUser, dicemereKey, "Blob", TypeBinary, "\x01\x02\x03");
    registry.setValue(CurrentUser, dicemereKey, "Pause", TypeDword, QByteArray("\x10\0\0\0", 4));
    return registry;
}

const char *nullable(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

bool isRoot(RegistryHandle handle)
{
    return handle == ClassesRoot || handle == CurrentUser || handle == LocalMachine
        || handle == Users || handle == CurrentConfig;
}

// The key's default value, or a null array when it has none.
QByteArray defaultValue(runtime::MemoryRegistry &registry, RegistryHandle key)
{
    quint8 buffer[64];
    quint32 size = sizeof buffer;
    if (registry.RegQueryValueExA(key, nullptr, nullptr, nullptr, buffer, &size) != Success)
        return {};
    return QByteArray(reinterpret_cast<const char *>(buffer), size);
}

enum class HandleKind { Given, Opened, Closed };

} // namespace

Q_DECLARE_METATYPE(HandleKind)

class TestRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void openKey_data();
    void openKey();
    void openKeyWithoutResult();
    void queryValue_data();
    void queryValue();
    void handleStatuses_data();
    void handleStatuses();
    void openHandlesStayDistinct();
};

void TestRegistry::openKey_data()
{
    QTest::addColumn<RegistryHandle>("root");
    QTest::addColumn<QByteArray>("parent");
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<quint32>("access");
    QTest::addColumn<qint32>("status");
    // The opened key's default value, checked where the handle may read it.
    QTest::addColumn<QByteArray>("marker");
    const QByteArray none;
    QTest::newRow("found") << LocalMachine << none << msinfoKey << KeyRead << Success
                           << terminated("msinfo");
    QTest::newRow("key made by a value below it")
        << LocalMachine << none << QByteArray("SOFTWARE\\Microsoft") << KeyRead << Success << none;
    QTest::newRow("empty key") << CurrentUser << none << QByteArray("Software\\Empty") << KeyRead
                               << Success << none;
    QTest::newRow("missing key") << LocalMachine << none << QByteArray("SOFTWARE\\Nowhere")
                                 << KeyRead << FileNotFound << none;
    QTest::newRow("key under another root")
        << CurrentUser << none << msinfoKey << KeyRead << FileNotFound << none;
    QTest::newRow("part of a name")
        << LocalMachine << none << QByteArray("SOFT") << KeyRead << FileNotFound << none;
    QTest::newRow("path in other case")
        << LocalMachine << none << QByteArray("software\\MICROSOFT\\shared tools\\MsInfo")
        << KeyRead << Success << terminated("msinfo");
    QTest::newRow("accented name in other case")
        << CurrentUser << none << "SOFTWARE\\" + runtime::ansi::encode(QStringLiteral("CAF\u00c9"))
        << KeyRead << Success << terminated("cafe");
    // As Windows' conversion reads them, bytes that are no text both become the replacement.
    QTest::newRow("byte no text in UTF-8, in other case")
        << CurrentUser << none << QByteArray("SOFTWARE\\CAF\xc9") << KeyRead << Success
        << terminated("Latin-1");
    QTest::newRow("trailing backslash")
        << LocalMachine << none << msinfoKey + '\\' << KeyRead << Success << terminated("msinfo");
    QTest::newRow("leading backslash")
        << LocalMachine << none << '\\' + msinfoKey << KeyRead << BadPathname << none;
    QTest::newRow("query right") << LocalMachine << none << msinfoKey << KeyQueryValue << Success
                                 << terminated("msinfo");
    QTest::newRow("read control right")
        << LocalMachine << none << msinfoKey << ReadControl << Success << none;
    QTest::newRow("no rights") << LocalMachine << none << msinfoKey << quint32(0) << Success
                               << none;
    QTest::newRow("read in the 64-bit view")
        << LocalMachine << none << msinfoKey << (KeyRead | KeyWow64_64Key) << Success
        << terminated("msinfo");
    QTest::newRow("read and set value")
        << LocalMachine << none << msinfoKey << quint32(0x2003f) << AccessDenied << none;
    QTest::newRow("set value right")
        << LocalMachine << none << msinfoKey << KeySetValue << AccessDenied << none;
    QTest::newRow("write") << LocalMachine << none << msinfoKey << KeyWrite << AccessDenied << none;
    QTest::newRow("all access") << LocalMachine << none << msinfoKey << KeyAllAccess << AccessDenied
                                << none;
    QTest::newRow("missing key with all access")
        << LocalMachine << none << QByteArray("SOFTWARE\\Nowhere") << KeyAllAccess << FileNotFound
        << none;
    QTest::newRow("empty sub-key opens the root")
        << CurrentUser << none << QByteArray("") << KeyRead << Success
        << terminated("current user");
    QTest::newRow("null sub-key opens the root")
        << CurrentUser << none << none << KeyRead << Success << terminated("current user");
    QTest::newRow("root refuses writing")
        << CurrentUser << none << QByteArray("") << KeyWrite << AccessDenied << none;
    QTest::newRow("dynamic data root")
        << predefinedRoot(0x80000006) << none << QByteArray("Software") << KeyRead << InvalidHandle
        << none;
    QTest::newRow("made-up root") << RegistryHandle(0x1234) << none << QByteArray("Software")
                                  << KeyRead << InvalidHandle << none;
    QTest::newRow("relative to an open key")
        << LocalMachine << QByteArray("SOFTWARE\\Microsoft") << QByteArray("shared tools\\msinfo")
        << KeyRead << Success << terminated("msinfo");
    QTest::newRow("empty sub-key of an open key") << CurrentUser << dicemereKey << QByteArray("")
                                                  << KeyRead << Success << terminated("dicemere");
    QTest::newRow("missing below an open key")
        << CurrentUser << dicemereKey << QByteArray("Empty") << KeyRead << FileNotFound << none;
    QTest::newRow("leading backslash below an open key")
        << LocalMachine << QByteArray("SOFTWARE") << QByteArray("\\Microsoft") << KeyRead
        << BadPathname << none;
}

void TestRegistry::openKey()
{
    QFETCH(RegistryHandle, root);
    QFETCH(QByteArray, parent);
    QFETCH(QByteArray, subKey);
    QFETCH(quint32, access);
    QFETCH(qint32, status);
    QFETCH(QByteArray, marker);
    runtime::MemoryRegistry registry = sampleRegistry();

    RegistryHandle base = root;
    if (!parent.isNull())
        QCOMPARE(registry.RegOpenKeyExA(root, parent.constData(), 0, KeyRead, &base), Success);
    RegistryHandle opened = untouchedHandle;
    QCOMPARE(registry.RegOpenKeyExA(base, nullable(subKey), 0, access, &opened), status);
    if (status != Success) {
        QCOMPARE(opened, RegistryHandle(0));
        return;
    }
    QVERIFY(opened != 0);
    QVERIFY(opened != base);
    QVERIFY(!isRoot(opened));
    if (access & KeyQueryValue) {
        QCOMPARE(defaultValue(registry, opened), marker);
    } else {
        quint32 size = 0;
        QCOMPARE(registry.RegQueryValueExA(opened, nullptr, nullptr, nullptr, nullptr, &size),
                 AccessDenied);
    }
    QCOMPARE(registry.RegCloseKey(opened), Success);
    QCOMPARE(registry.RegCloseKey(base), Success);
}

void TestRegistry::openKeyWithoutResult()
{
    runtime::MemoryRegistry registry = sampleRegistry();
    QCOMPARE(registry.RegOpenKeyExA(LocalMachine, msinfoKey.constData(), 0, KeyRead, nullptr),
             InvalidParameter);
}

void TestRegistry::queryValue_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("withBuffer");
    QTest::addColumn<bool>("withSize");
    QTest::addColumn<bool>("withType");
    QTest::addColumn<bool>("withReserved");
    QTest::addColumn<quint32>("capacity");
    QTest::addColumn<qint32>("status");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<quint32>("size");
    QTest::addColumn<QByteArray>("written");
    const QByteArray nothing("");
    const auto row = [](const char *tag, const QByteArray &name, quint32 capacity) -> QTestData & {
        return QTest::newRow(tag) << name << true << true << true << false << capacity;
    };
    row("text with room", "Terminated", 16) << Success << TypeString << 5u << terminated("dice");
    row("text exact fit", "Terminated", 5) << Success << TypeString << 5u << terminated("dice");
    row("text one short", "Terminated", 4) << MoreData << TypeString << 5u << nothing;
    row("text into no room", "Terminated", 0) << MoreData << TypeString << 5u << nothing;
    row("unterminated text gets an uncounted zero", "Unterminated", 16)
        << Success << TypeString << 4u << terminated("dice");
    row("unterminated text exact fit", "Unterminated", 4)
        << Success << TypeString << 4u << QByteArray("dice");
    row("unterminated text one short", "Unterminated", 3)
        << MoreData << TypeString << 4u << nothing;
    row("unterminated expandable text gets an uncounted zero", "Expand", 16)
        << Success << TypeExpandString << 6u << terminated("%HOME%");
    row("binary gets no zero", "Blob", 16)
        << Success << TypeBinary << 3u << QByteArray("\x01\x02\x03");
    row("double word", "Pause", 4) << Success << TypeDword << 4u << QByteArray("\x10\0\0\0", 4);
    row("empty text writes nothing", "Empty", 16) << Success << TypeString << 0u << nothing;
    row("empty text into no room", "Empty", 0) << Success << TypeString << 0u << nothing;
    row("name in other case", "tERMINATED", 16)
        << Success << TypeString << 5u << terminated("dice");
    row("default value by empty name", "", 16)
        << Success << TypeString << 9u << terminated("dicemere");
    row("default value by null name", QByteArray(), 16)
        << Success << TypeString << 9u << terminated("dicemere");
    row("missing value", "Nowhere", 16) << FileNotFound << untouchedType << 16u << nothing;
    QTest::newRow("size query") << QByteArray("Terminated") << false << true << true << false << 0u
                                << Success << TypeString << 5u << nothing;
    QTest::newRow("size query of a missing value")
        << QByteArray("Nowhere") << false << true << true << false << 7u << FileNotFound
        << untouchedType << 7u << nothing;
    QTest::newRow("no type wanted") << QByteArray("Blob") << true << true << false << false << 16u
                                    << Success << untouchedType << 3u << QByteArray("\x01\x02\x03");
    QTest::newRow("buffer without a size")
        << QByteArray("Terminated") << true << false << true << false << 16u << InvalidParameter
        << untouchedType << 16u << nothing;
    QTest::newRow("reserved pointer") << QByteArray("Terminated") << true << true << true << true
                                      << 16u << InvalidParameter << untouchedType << 16u << nothing;
}

void TestRegistry::queryValue()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, withBuffer);
    QFETCH(bool, withSize);
    QFETCH(bool, withType);
    QFETCH(bool, withReserved);
    QFETCH(quint32, capacity);
    QFETCH(qint32, status);
    QFETCH(quint32, type);
    QFETCH(quint32, size);
    QFETCH(QByteArray, written);
    runtime::MemoryRegistry registry = sampleRegistry();
    RegistryHandle key = 0;
    QCOMPARE(registry.RegOpenKeyExA(CurrentUser, dicemereKey.constData(), 0, KeyRead, &key),
             Success);

    QByteArray buffer(32, char(sentinel));
    quint32 reserved = 0;
    quint32 actualType = untouchedType;
    quint32 actualSize = capacity;
    QCOMPARE(
        registry.RegQueryValueExA(key, nullable(name), withReserved ? &reserved : nullptr,
                                  withType ? &actualType : nullptr,
                                  withBuffer ? reinterpret_cast<quint8 *>(buffer.data()) : nullptr,
                                  withSize ? &actualSize : nullptr),
        status);
    QCOMPARE(actualType, type);
    QCOMPARE(actualSize, size);
    QCOMPARE(buffer.left(written.size()), written);
    QCOMPARE(buffer.mid(written.size()),
             QByteArray(buffer.size() - written.size(), char(sentinel)));
    QCOMPARE(registry.RegCloseKey(key), Success);
}

void TestRegistry::handleStatuses_data()
{
    QTest::addColumn<HandleKind>("kind");
    QTest::addColumn<RegistryHandle>("given");
    QTest::addColumn<qint32>("openStatus");
    QTest::addColumn<qint32>("queryStatus");
    QTest::addColumn<qint32>("closeStatus");
    QTest::newRow("open handle") << HandleKind::Opened << RegistryHandle(0) << Success
                                 << FileNotFound << Success;
    QTest::newRow("closed handle") << HandleKind::Closed << RegistryHandle(0) << InvalidHandle
                                   << InvalidHandle << InvalidHandle;
    QTest::newRow("zero handle") << HandleKind::Given << RegistryHandle(0) << InvalidHandle
                                 << InvalidHandle << InvalidHandle;
    QTest::newRow("handle never handed out") << HandleKind::Given << RegistryHandle(0x1000)
                                             << InvalidHandle << InvalidHandle << InvalidHandle;
    const std::pair<const char *, RegistryHandle> roots[] = {{"classes root", ClassesRoot},
                                                             {"current user", CurrentUser},
                                                             {"local machine", LocalMachine},
                                                             {"users", Users},
                                                             {"current config", CurrentConfig}};
    for (const auto &[tag, root] : roots)
        QTest::newRow(tag) << HandleKind::Given << root << Success << FileNotFound << Success;
}

void TestRegistry::handleStatuses()
{
    QFETCH(HandleKind, kind);
    QFETCH(RegistryHandle, given);
    QFETCH(qint32, openStatus);
    QFETCH(qint32, queryStatus);
    QFETCH(qint32, closeStatus);
    runtime::MemoryRegistry registry = sampleRegistry();
    RegistryHandle handle = given;
    if (kind != HandleKind::Given)
        QCOMPARE(registry.RegOpenKeyExA(CurrentUser, dicemereKey.constData(), 0, KeyRead, &handle),
                 Success);
    if (kind == HandleKind::Closed)
        QCOMPARE(registry.RegCloseKey(handle), Success);

    RegistryHandle opened = untouchedHandle;
    QCOMPARE(registry.RegOpenKeyExA(handle, "", 0, KeyRead, &opened), openStatus);
    if (opened)
        QCOMPARE(registry.RegCloseKey(opened), Success);
    quint32 size = 0;
    QCOMPARE(registry.RegQueryValueExA(handle, "Nowhere", nullptr, nullptr, nullptr, &size),
             queryStatus);
    QCOMPARE(registry.RegCloseKey(handle), closeStatus);
}

void TestRegistry::openHandlesStayDistinct()
{
    runtime::MemoryRegistry registry = sampleRegistry();
    QList<RegistryHandle> open;
    const auto openOnce = [&] {
        RegistryHandle handle = 0;
        QCOMPARE(registry.RegOpenKeyExA(LocalMachine, msinfoKey.constData(), 0, KeyRead, &handle),
                 Success);
        QVERIFY(!isRoot(handle));
        QVERIFY(!open.contains(handle));
        open.append(handle);
    };
    for (int i = 0; i < 3; ++i)
        openOnce();
    QCOMPARE(registry.RegCloseKey(open.takeAt(1)), Success);
    for (int i = 0; i < 3; ++i)
        openOnce();
    for (const RegistryHandle handle : std::as_const(open)) {
        QCOMPARE(defaultValue(registry, handle), terminated("msinfo"));
        QCOMPARE(registry.RegCloseKey(handle), Success);
    }
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
