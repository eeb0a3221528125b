// SPDX-License-Identifier: GPL-3.0-or-later
// The registry reader against the system's own registry through advapi32: values the test writes
// below HKEY_CURRENT_USER, read back as the About window reads them. The text crosses in the ANSI
// code page; CTest runs this once with code page 1252 and, under Wine, once more with 932, where
// many characters take two bytes.
#include "about/frmabout.h"
#include "registryfixture.h"
#include "runtime/kernel/error.h"
#include "runtime/registry/registryconstants.h"

#include <QTest>

namespace reg = runtime::registry;
using about::frmAbout;

namespace {

constexpr qint32 CurrentUser = qint32(reg::CurrentUser);
const QString Key = QStringLiteral("Software\\Dicemere tests\\Reader");

enum class Outcome { Read, NotRead, Raises };

QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray data;
    for (const quint8 value : values)
        data.append(char(value));
    return data;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestSystemRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsValues_data();
    void readsValues();
    void missingKeyOrValue_data();
    void missingKeyOrValue();
};

void TestSystemRegistry::initTestCase()
{
    runtime::Runtime::initialise();
    const QByteArray codePage = qgetenv("DICEMERE_CODE_PAGE");
    if (!codePage.isEmpty())
        QCOMPARE(GetACP(), codePage.toUInt());
}

void TestSystemRegistry::readsValues_data()
{
    QTest::addColumn<QString>("subKey"); // below Key
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data"); // as stored
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("text"); // KeyVal afterwards; it holds "before" when called

    const auto text = RegistryFixture::text;
    const QString eight = QStringLiteral("hardinfo");
    QTest::newRow("text with its zero")
        << "" << reg::TypeString << text(eight, true) << Outcome::Read << eight;
    QTest::newRow("text without its zero")
        << "" << reg::TypeString << text(eight, false) << Outcome::Read << eight;
    QTest::newRow("empty text") << "" << reg::TypeString << text("", true) << Outcome::Read << "";
    QTest::newRow("1023 characters and a zero")
        << "" << reg::TypeString << text(QString(1023, u'x'), true) << Outcome::Read
        << QString(1023, u'x');
    QTest::newRow("1024 characters and a zero")
        << "" << reg::TypeString << text(QString(1024, u'x'), true) << Outcome::NotRead << "";
    QTest::newRow("1024 characters, no zero")
        << "" << reg::TypeString << text(QString(1024, u'x'), false) << Outcome::Read
        << QString(1024, u'x');
    QTest::newRow("number 261") << "" << reg::TypeDword << bytes({0x05, 0x01, 0, 0})
                                << Outcome::Read << "&h000105";
    QTest::newRow("number with all four bytes")
        << "" << reg::TypeDword << bytes({0x78, 0x56, 0x34, 0x12}) << Outcome::Read << "&h12345678";
    QTest::newRow("expandable text leaves it")
        << "" << reg::TypeExpandString << text("%SystemRoot%\\system32", true) << Outcome::Read
        << "before";
    QTest::newRow("bytes leave it")
        << "" << reg::TypeBinary << bytes({1, 2, 3}) << Outcome::Read << "before";
    QTest::newRow("text list leaves it")
        << "" << reg::TypeMultiString << text("a", true) + text("b", true) + text("", true)
        << Outcome::Read << "before";
    QTest::newRow("size 0") << "" << reg::TypeString << QByteArray() << Outcome::Raises << "";

    if (GetACP() == 1252) {
        // A byte Latin-1 reads as a control character.
        QTest::newRow("euro sign, one byte in 1252")
            << "" << reg::TypeString << text("5 \u20ac", true) << Outcome::Read << "5 \u20ac";
    }
    if (GetACP() == 932) {
        const QString japanese = QStringLiteral("C:\\\u30c4\u30fc\u30eb\\\u60c5\u5831.exe");
        QTest::newRow("two-byte characters and a zero")
            << "" << reg::TypeString << text(japanese, true) << Outcome::Read << japanese;
        QTest::newRow("two-byte characters, no zero")
            << "" << reg::TypeString << text(japanese, false) << Outcome::Read << japanese;
        const QString fits(511, u'\u30c4');
        QTest::newRow("511 two-byte characters and a zero: 1023 bytes")
            << "" << reg::TypeString << text(fits, true) << Outcome::Read << fits;
        QTest::newRow("512 two-byte characters and a zero: 1025 bytes")
            << "" << reg::TypeString << text(fits + u'\u30c4', true) << Outcome::NotRead << "";
        QTest::newRow("key named in two-byte characters")
            << "\\\u30c4\u30fc\u30eb" << reg::TypeString << text(eight, true) << Outcome::Read
            << eight;
    }
    if (GetACP() == 65001) {
        const QString fits(341, u'\u30c4');
        QTest::newRow("341 three-byte characters and a zero: 1024 bytes")
            << "" << reg::TypeString << text(fits, true) << Outcome::Read << fits;
        QTest::newRow("342 three-byte characters and a zero: 1027 bytes")
            << "" << reg::TypeString << text(fits + u'\u30c4', true) << Outcome::NotRead << "";
        QTest::newRow("key named beyond ASCII in UTF-8")
            << "\\\u30c4\u30fc\u30eb \U0001F3B2" << reg::TypeString << text(eight, true)
            << Outcome::Read << eight;
    }
}

void TestSystemRegistry::readsValues()
{
    QFETCH(QString, subKey);
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(Outcome, outcome);
    QFETCH(QString, text);
    RegistryFixture fixture;
    QVERIFY(fixture.set(HKEY_CURRENT_USER, Key + subKey, "Value", type, data));

    QString value = "before";
    try {
        const runtime::Truth result =
            frmAbout::instance().GetKeyValue(CurrentUser, Key + subKey, "Value", value);
        QVERIFY(outcome != Outcome::Raises);
        QCOMPARE(result, outcome == Outcome::Read ? runtime::TruthTrue : runtime::TruthFalse);
        QCOMPARE(value, text);
    } catch (const runtime::Error &e) {
        QCOMPARE(outcome, Outcome::Raises);
        QCOMPARE(e.number(), runtime::ErrorNumber::InvalidArgument);
    }
}

void TestSystemRegistry::missingKeyOrValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("decoy"); // a key that a careless conversion would open instead
    QTest::newRow("missing key") << "Software\\Dicemere tests\\Nowhere"
                                 << "Value" << QString();
    QTest::newRow("missing value") << Key << "Other" << QString();
    QTest::newRow("a name the code page lacks is no look-alike")
        << "Software\\Dicemere tests\\R\u0113ader"
        << "Value" << QString();
    // In UTF-8 a lone surrogate becomes the replacement character unless the call refuses it.
    QTest::newRow("a lone surrogate is no replacement character")
        << Key + QChar(0xd800) << "Value" << Key + QChar(0xfffd);
}

void TestSystemRegistry::missingKeyOrValue()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QString, decoy);
    RegistryFixture fixture;
    QVERIFY(fixture.set(HKEY_CURRENT_USER, Key, "Value", reg::TypeString,
                        RegistryFixture::text("text")));
    if (!decoy.isEmpty())
        QVERIFY(fixture.set(HKEY_CURRENT_USER, decoy, name, reg::TypeString,
                            RegistryFixture::text("decoy")));
    QString value = "held text";
    QCOMPARE(frmAbout::instance().GetKeyValue(CurrentUser, key, name, value), runtime::TruthFalse);
    QCOMPARE(value, QString());
}

QTEST_MAIN(TestSystemRegistry)
#include "tst_systemregistry.moc"
