// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "getkeyvaluemodel.h"
#include "installedregistry.h"
#include "runtime/error.h"
#include "runtime/memoryregistry.h"
#include "runtime/registryconstants.h"
#include "runtime/runtime.h"

#include <QRandomGenerator>
#include <QTest>

namespace reg = runtime::registry;
using about::frmAbout;
using getkeyvaluemodel::expected;
using getkeyvaluemodel::Stored;

namespace {

constexpr qint32 LocalMachine = qint32(0x80000002);
const QByteArray Key = "SOFTWARE\\Dicemere\\Test";

} // namespace

class TestGetKeyValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsValues_data();
    void readsValues();
    void missingKeyOrValueClearsText_data();
    void missingKeyOrValueClearsText();
    void emptyValueRaises();
    void opensForReadingOnly();
    void randomRegistriesAgreeWithTheModel();
};

void TestGetKeyValue::readsValues_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text");
    const QByteArray eight = "hardinfo";
    QTest::newRow("text with its zero") << reg::TypeString << eight + '\0' << true << "hardinfo";
    QTest::newRow("text without a zero") << reg::TypeString << eight << true << "hardinfo";
    QTest::newRow("two zeros keep one")
        << reg::TypeString << eight + QByteArray(2, '\0') << true << "hardinfo" + QString(QChar(0));
    QTest::newRow("empty text") << reg::TypeString << QByteArray(1, '\0') << true << "";
    QTest::newRow("1023 characters and a zero")
        << reg::TypeString << QByteArray(1023, 'x') + '\0' << true << QString(1023, 'x');
    QTest::newRow("1024 characters and a zero")
        << reg::TypeString << QByteArray(1024, 'x') + '\0' << false << "";
    QTest::newRow("1024 characters, no zero")
        << reg::TypeString << QByteArray(1024, 'x') << true << QString(1024, 'x');
    QTest::newRow("Latin-1 text") << reg::TypeString << QByteArray("caf\xe9\0", 5) << true
                                  << QString::fromUtf8("café");
    QTest::newRow("number 261") << reg::TypeDword << QByteArray("\x05\x01\0\0", 4) << true
                                << "&h000105";
    QTest::newRow("number with all four bytes")
        << reg::TypeDword << QByteArray("\x78\x56\x34\x12", 4) << true << "&h12345678";
    QTest::newRow("number zero") << reg::TypeDword << QByteArray(4, '\0') << true << "&h000000";
    QTest::newRow("high bytes") << reg::TypeDword << QByteArray("\xff\x80\x0a\xfe", 4) << true
                                << "&hFE0A80FF";
    QTest::newRow("expandable text leaves it")
        << reg::TypeExpandString << QByteArray("%WINDIR%\0", 9) << true << "before";
    QTest::newRow("bytes leave it")
        << reg::TypeBinary << QByteArray("\1\2\3", 3) << true << "before";
    QTest::newRow("text list leaves it")
        << reg::TypeMultiString << QByteArray("a\0b\0\0", 5) << true << "before";
}

void TestGetKeyValue::readsValues()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, read);
    QFETCH(QString, text);
    runtime::MemoryRegistry registry;
    registry.setValue(reg::LocalMachine, Key, "Value", type, data);
    InstalledRegistry installed(registry);
    QString value = "before";
    const runtime::Truth result =
        frmAbout::instance().GetKeyValue(LocalMachine, QString::fromLatin1(Key), "value", value);
    QCOMPARE(result, read ? runtime::TruthTrue : runtime::TruthFalse);
    QCOMPARE(value, text);
}

void TestGetKeyValue::missingKeyOrValueClearsText_data()
{
    QTest::addColumn<qint32>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("missing key") << LocalMachine << "SOFTWARE\\Nothing"
                                 << "Value";
    QTest::newRow("missing value") << LocalMachine << QString::fromLatin1(Key) << "Other";
    QTest::newRow("other root") << qint32(0x80000001) << QString::fromLatin1(Key) << "Value";
    QTest::newRow("leading backslash")
        << LocalMachine << "\\" + QString::fromLatin1(Key) << "Value";
}

void TestGetKeyValue::missingKeyOrValueClearsText()
{
    QFETCH(qint32, root);
    QFETCH(QString, key);
    QFETCH(QString, name);
    runtime::MemoryRegistry registry;
    registry.setValue(reg::LocalMachine, Key, "Value", reg::TypeString, "text");
    InstalledRegistry installed(registry);
    QString value = "held text";
    const runtime::Truth result = frmAbout::instance().GetKeyValue(root, key, name, value);
    QCOMPARE(result, runtime::TruthFalse);
    QCOMPARE(value, QString());
}

void TestGetKeyValue::emptyValueRaises()
{
    runtime::MemoryRegistry registry;
    registry.setValue(reg::LocalMachine, Key, "Value", reg::TypeString, {});
    InstalledRegistry installed(registry);
    QString value = "held";
    try {
        frmAbout::instance().GetKeyValue(LocalMachine, QString::fromLatin1(Key), "Value", value);
        QFAIL("no error raised");
    } catch (const runtime::Error &e) {
        QCOMPARE(e.number(), runtime::ErrorNumber::InvalidArgument);
    }
}

void TestGetKeyValue::opensForReadingOnly()
{
    // The rights a reader may ask for: KEY_READ is granted, and the read-write set is refused,
    // which is what a standard user meets on the machine-wide keys.
    runtime::MemoryRegistry registry;
    registry.setValue(reg::LocalMachine, Key, "Value", reg::TypeString, "text");
    runtime::RegistryHandle handle = 0;
    QCOMPARE(registry.RegOpenKeyExA(reg::LocalMachine, Key.constData(), 0, 0x2003F, &handle),
             reg::AccessDenied);
    QCOMPARE(registry.RegOpenKeyExA(reg::LocalMachine, Key.constData(), 0, reg::KeyRead, &handle),
             reg::Success);
    registry.RegCloseKey(handle);

    InstalledRegistry installed(registry);
    QString value;
    const runtime::Truth result =
        frmAbout::instance().GetKeyValue(LocalMachine, QString::fromLatin1(Key), "Value", value);
    QCOMPARE(result, runtime::TruthTrue);
    QCOMPARE(value, QStringLiteral("text"));
}

void TestGetKeyValue::randomRegistriesAgreeWithTheModel()
{
    QRandomGenerator random(20261207);
    const QList<quint32> types = {reg::TypeString, reg::TypeExpandString, reg::TypeBinary,
                                  reg::TypeDword,  reg::TypeMultiString,  11};
    for (int round = 0; round < 400; ++round) {
        runtime::MemoryRegistry registry;
        QList<std::pair<QByteArray, Stored>> values;
        const QByteArray key = "SOFTWARE\\K" + QByteArray::number(random.bounded(3));
        for (int i = 0; i < 4; ++i) {
            const qsizetype size = random.bounded(1101);
            QByteArray data(size, '\0');
            for (char &byte : data)
                byte = char(random.bounded(256));
            if (size > 0 && random.bounded(2))
                data.back() = '\0';
            const Stored value {types.at(random.bounded(types.size())), data};
            const QByteArray name = "v" + QByteArray::number(i);
            registry.setValue(reg::LocalMachine, key, name, value.type, value.data);
            values.append({name, value});
        }
        InstalledRegistry installed(registry);
        for (const auto &[name, value] : values) {
            QString text = "before";
            const auto want = expected(value, text);
            try {
                const runtime::Truth result =
                    frmAbout::instance().GetKeyValue(LocalMachine, QString::fromLatin1(key),
                                                     QString::fromLatin1(name.toUpper()), text);
                QVERIFY2(want, "read a value of size 0");
                QCOMPARE(result, want->first);
                QCOMPARE(text, want->second);
            } catch (const runtime::Error &e) {
                QVERIFY2(!want, qPrintable(e.description()));
                QCOMPARE(e.number(), runtime::ErrorNumber::InvalidArgument);
            }
        }
    }
}

QTEST_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
