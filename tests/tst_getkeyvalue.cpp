// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"
#include "installedregistry.h"
#include "runtime/kernel/error.h"
#include "runtime/kernel/runtime.h"
#include "runtime/registry/memoryregistry.h"
#include "runtime/registry/registryconstants.h"
#include "strictwarnings.h"

#include <QTest>

namespace reg = runtime::registry;
using about::frmAbout;

namespace {

constexpr qint32 LocalMachine = qint32(reg::LocalMachine);
const QByteArray Key = "SOFTWARE\\Dicemere\\Test";

} // namespace

class TestGetKeyValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void readsValues_data();
    void readsValues();
    void missingKeyOrValueClearsText_data();
    void missingKeyOrValueClearsText();
    void emptyValueRaises();
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
    QTest::newRow("text beyond ASCII, in UTF-8")
        << reg::TypeString << QByteArray("caf\xc3\xa9\0", 6) << true << QStringLiteral("caf\u00e9");
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
    QTest::newRow("other root") << qint32(reg::CurrentUser) << QString::fromLatin1(Key) << "Value";
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

QTEST_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
