// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text/ansitext.h"
#include "runtime/text/codepage.h"
#include "strictwarnings.h"

#include <QTest>

class TestAnsiText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void crossesInTheLocalesCodeSet_data();
    void crossesInTheLocalesCodeSet();
    void encodeRules_data();
    void encodeRules();
};

Q_DECLARE_METATYPE(runtime::ansi::Missing)

void TestAnsiText::init()
{
    failOnStrayWarnings();
#ifdef Q_OS_WIN
    if (qstrcmp(QTest::currentTestFunction(), "encodeRules") != 0)
        QSKIP("Windows uses the system's code page");
#endif
}

void TestAnsiText::crossesInTheLocalesCodeSet_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Latin-1 letter") << QStringLiteral("caf\u00e9") << QByteArray("caf\xc3\xa9");
    QTest::newRow("Cyrillic") << QStringLiteral("/\u043f\u0443\u0442\u044c/")
                              << QByteArray("/\xd0\xbf\xd1\x83\xd1\x82\xd1\x8c/");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("d\U0001F3B2!") << QByteArray("d\xf0\x9f\x8e\xb2!");
    QTest::newRow("a true replacement character")
        << QStringLiteral("caf\ufffd") << QByteArray("caf\xef\xbf\xbd");
    QTest::newRow("bytes no text, each a lone surrogate")
        << QString::fromUtf16(u"caf\xdce9\xdcc3!") << QByteArray("caf\xe9\xc3!");
}

void TestAnsiText::crossesInTheLocalesCodeSet()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(runtime::ansi::encode(text), bytes);
    QCOMPARE(runtime::ansi::decode(bytes), text);
}

// Flags a code page does not allow make the conversion fail, so the text would cross empty.
void TestAnsiText::encodeRules_data()
{
    using namespace runtime::ansi;
    QTest::addColumn<quint32>("codePage");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<Missing>("missing");
    QTest::newRow("Western") << 1252u << NoBestFitChars << Missing::UsedDefaultChar;
    QTest::newRow("Japanese") << 932u << NoBestFitChars << Missing::UsedDefaultChar;
    QTest::newRow("UTF-8") << 65001u << ErrInvalidChars << Missing::CallFails;
    QTest::newRow("GB18030") << 54936u << ErrInvalidChars << Missing::CallFails;
    QTest::newRow("ISO-2022-JP") << 50220u << 0u << Missing::RoundTripDiffers;
    QTest::newRow("HZ") << 52936u << 0u << Missing::RoundTripDiffers;
    QTest::newRow("ISCII, first") << 57002u << 0u << Missing::RoundTripDiffers;
    QTest::newRow("ISCII, last") << 57011u << 0u << Missing::RoundTripDiffers;
    QTest::newRow("UTF-7") << 65000u << 0u << Missing::RoundTripDiffers;
    QTest::newRow("Symbol") << 42u << 0u << Missing::RoundTripDiffers;
}

void TestAnsiText::encodeRules()
{
    QFETCH(quint32, codePage);
    QFETCH(quint32, flags);
    QFETCH(runtime::ansi::Missing, missing);
    const runtime::ansi::EncodeRule rule = runtime::ansi::encodeRule(codePage);
    QCOMPARE(rule.flags, flags);
    QCOMPARE(rule.missing, missing);
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
