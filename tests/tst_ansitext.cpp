// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ansitext.h"

#include <QTest>

class TestAnsiText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void everyByteRoundTrips();
    void missingCharacters_data();
    void missingCharacters();
};

void TestAnsiText::init()
{
#ifdef Q_OS_WIN
    QSKIP("Windows uses the system's code page");
#endif
}

void TestAnsiText::everyByteRoundTrips()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.append(char(byte));
    const QString text = runtime::ansi::decode(bytes);
    QCOMPARE(text.size(), 256);
    for (int byte = 0; byte < 256; ++byte)
        QCOMPARE(text.at(byte).unicode(), char16_t(byte));
    QCOMPARE(runtime::ansi::encode(text), bytes);
}

void TestAnsiText::missingCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("euro sign") << QStringLiteral("5\u20ac") << QByteArray("5?");
    QTest::newRow("first past Latin-1") << QStringLiteral("\u0100") << QByteArray("?");
    QTest::newRow("outside the basic plane is one character")
        << QStringLiteral("d\U0001F3B2!") << QByteArray("d?!");
}

void TestAnsiText::missingCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(runtime::ansi::encode(text), bytes);
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
