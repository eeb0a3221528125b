// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QTest>

// Any warning fails the test function that gives it, but for what the offscreen platform says it
// cannot do, which a real platform does. Qt forgets the list after each test function, so each
// test class calls this from init(). The list is the offscreen platform's: where the tests run on
// another (the Windows build's, under Wine), nothing is checked.
inline void failOnStrayWarnings()
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != u"offscreen")
        return;
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support (propagateSizeHints|raise)\\(\\)$)")));
}
