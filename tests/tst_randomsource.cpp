// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/kernel/randomsource.h"
#include "strictwarnings.h"

#include <array>
#include <QTest>

class TestRandomSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnStrayWarnings(); }
    void staysWithinHalfOpenRange();
    void spreadsEvenly();
    void clockSeedsDiffer();
};

void TestRandomSource::staysWithinHalfOpenRange()
{
    runtime::RandomSource source;
    source.seed(20261207);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = source.next();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(double(r), 'g', 9)));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 1e-5f);
    QVERIFY(highest > 1.0f - 1e-5f);
}

void TestRandomSource::spreadsEvenly()
{
    runtime::RandomSource source;
    source.seed(4);
    constexpr int bins = 64;
    constexpr int draws = 640'000;
    std::array<int, bins> counts {};
    for (int i = 0; i < draws; ++i)
        ++counts[size_t(source.next() * bins)];
    const double expected = double(draws) / bins;
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    // 63 degrees of freedom: 110 lies far beyond the 99.9th percentile (about 103).
    QVERIFY2(chiSquare < 110, qPrintable(QString::number(chiSquare)));
}

void TestRandomSource::clockSeedsDiffer()
{
    runtime::RandomSource first;
    runtime::RandomSource second;
    first.seedFromClock();
    second.seedFromClock();
    bool differ = false;
    for (int i = 0; i < 8 && !differ; ++i)
        differ = first.next() != second.next();
    QVERIFY(differ);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
