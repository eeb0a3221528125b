// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ansitext.h"

#include <QTest>

class TestAnsiText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void crossesInTheLocalesCodeSet_data();
    void crossesInTheLocalesCodeSet();
};

void TestAnsiText::init()
{
#ifdef Q_OS_WIN
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
}

void TestAnsiText::crossesInTheLocalesCodeSet()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(runtime::ansi::encode(text), bytes);
    QCOMPARE(runtime::ansi::decode(bytes), text);
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
