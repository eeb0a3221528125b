// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/error.h"
#include "runtime/text/convert.h"
#include "strictwarnings.h"

#include <limits>
#include <QTest>

using runtime::ErrorNumber;

Q_DECLARE_METATYPE(ErrorNumber)

class TestConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void textToInt16_data();
    void textToInt16();
    void textToInt16Errors_data();
    void textToInt16Errors();
    void variantToInt_data();
    void variantToInt();
    void variantErrors_data();
    void variantErrors();
    void multiplyOverflows_data();
    void multiplyOverflows();
};

void TestConvert::textToInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint16>("expected");
    QTest::newRow("die size") << "20" << qint16(20);
    QTest::newRow("blanks around") << "  100 " << qint16(100);
    QTest::newRow("negative") << "-4" << qint16(-4);
    QTest::newRow("largest") << "32767" << qint16(32767);
    QTest::newRow("smallest") << "-32768" << qint16(-32768);
    QTest::newRow("half rounds to even down") << "2.5" << qint16(2);
    QTest::newRow("half rounds to even up") << "3.5" << qint16(4);
}

void TestConvert::textToInt16()
{
    QFETCH(QString, text);
    QFETCH(qint16, expected);
    QCOMPARE(runtime::convert::toInt16(text), expected);
}

void TestConvert::textToInt16Errors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ErrorNumber>("error");
    QTest::newRow("empty") << "" << ErrorNumber::TypeMismatch;
    QTest::newRow("words") << "twenty" << ErrorNumber::TypeMismatch;
    QTest::newRow("trailing junk") << "20x" << ErrorNumber::TypeMismatch;
    QTest::newRow("one past the top") << "32768" << ErrorNumber::Overflow;
    QTest::newRow("one past the bottom") << "-32769" << ErrorNumber::Overflow;
    QTest::newRow("rounds past the top") << "32767.5" << ErrorNumber::Overflow;
    QTest::newRow("huge") << "1e300" << ErrorNumber::Overflow;
}

void TestConvert::textToInt16Errors()
{
    QFETCH(QString, text);
    QFETCH(ErrorNumber, error);
    try {
        runtime::convert::toInt16(text);
        QFAIL("no error raised");
    } catch (const runtime::Error &e) {
        QCOMPARE(e.number(), error);
        QVERIFY(!e.description().isEmpty());
    }
}

void TestConvert::variantToInt_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<qint16>("expected");
    QTest::newRow("empty is zero") << QVariant() << qint16(0);
    QTest::newRow("int") << QVariant(16) << qint16(16);
    QTest::newRow("float roll") << QVariant(100.0f) << qint16(100);
    QTest::newRow("double half to even") << QVariant(0.5) << qint16(0);
    QTest::newRow("double one and a half") << QVariant(1.5) << qint16(2);
    QTest::newRow("negative half") << QVariant(-2.5) << qint16(-2);
    QTest::newRow("text") << QVariant(QStringLiteral("12")) << qint16(12);
    QTest::newRow("true is minus one") << QVariant(true) << qint16(-1);
}

void TestConvert::variantToInt()
{
    QFETCH(QVariant, value);
    QFETCH(qint16, expected);
    QCOMPARE(runtime::convert::toInt16(value), expected);
}

void TestConvert::variantErrors_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<ErrorNumber>("error");
    QTest::newRow("past the top") << QVariant(32768) << ErrorNumber::Overflow;
    QTest::newRow("past the bottom") << QVariant(-32769.0) << ErrorNumber::Overflow;
    QTest::newRow("infinity") << QVariant(std::numeric_limits<double>::infinity())
                              << ErrorNumber::Overflow;
    QTest::newRow("not a number") << QVariant(std::numeric_limits<double>::quiet_NaN())
                                  << ErrorNumber::Overflow;
    QTest::newRow("text not a number")
        << QVariant(QStringLiteral("d20")) << ErrorNumber::TypeMismatch;
    QTest::newRow("a point") << QVariant(QPoint(1, 2)) << ErrorNumber::TypeMismatch;
}

void TestConvert::variantErrors()
{
    QFETCH(QVariant, value);
    QFETCH(ErrorNumber, error);
    try {
        runtime::convert::toInt16(value);
        QFAIL("no error raised");
    } catch (const runtime::Error &e) {
        QCOMPARE(e.number(), error);
    }
}

void TestConvert::multiplyOverflows_data()
{
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("longest pause") << 16 << 125 << false;
    QTest::newRow("largest that fits") << 17179869 << 125 << false;
    QTest::newRow("smallest that overflows") << 17179870 << 125 << true;
    QTest::newRow("negative that fits") << -17179869 << 125 << false;
    QTest::newRow("negative that overflows") << -17179870 << 125 << true;
}

void TestConvert::multiplyOverflows()
{
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(bool, overflows);
    try {
        QCOMPARE(runtime::convert::multiply(a, b), qint64(a) * b);
        QVERIFY(!overflows);
    } catch (const runtime::Error &e) {
        QVERIFY(overflows);
        QCOMPARE(e.number(), ErrorNumber::Overflow);
    }
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
