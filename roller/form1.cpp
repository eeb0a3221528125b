// SPDX-License-Identifier: GPL-3.0-or-later
#include "roller/form1.h"

#include "about/frmabout.h"
#include "roller/form1layout.h"
#include "runtime/accessibility/accessibility.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/timer.h"
#include "runtime/kernel/randomsource.h"
#include "runtime/text/convert.h"

#include <cfenv>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace roller {

namespace {

constexpr int MillisecondsPerStep = 125;

QString pauseDescription(qint32 milliseconds)
{
    if (milliseconds == 1000)
        return QStringLiteral("1 second between rolls");
    // The words are English, and so is the number, whatever the user's locale.
    return QStringLiteral("%1 seconds between rolls")
        .arg(QLocale::c().toString(milliseconds / 1000.0));
}

void checkFloatingPoint()
{
    if (std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO))
        throw runtime::Error(runtime::ErrorNumber::FloatingPoint);
}

} // namespace

Form1::Form1()
    : Form(form1Window, form1Controls)
{ }

void Form1::connectEvents()
{
    m_tmrRoller = control<runtime::Timer>("tmrRoller");
    m_lblRoll = control<QLabel>("lblRoll");
    m_frmResult = control<QGroupBox>("frmResult");
    m_sldInterval = control<runtime::Slider>("sldInterval");

    const std::pair<const char *, void (Form1::*)()> dice[] = {
        {"cmdD4", &Form1::cmdD4_Click},    {"cmdD6", &Form1::cmdD6_Click},
        {"cmdD8", &Form1::cmdD8_Click},    {"cmdD10", &Form1::cmdD10_Click},
        {"cmdD12", &Form1::cmdD12_Click},  {"cmdD20", &Form1::cmdD20_Click},
        {"cmdD100", &Form1::cmdD100_Click}};
    m_dice.clear();
    for (const auto &[name, handler] : dice) {
        auto *button = control<QPushButton>(name);
        handle(button, &QPushButton::clicked, handler);
        m_dice.append(button);
    }
    describeDice();
    handle(control<QPushButton>("Command1"), &QPushButton::clicked, &Form1::Command1_Click);
    handle(m_tmrRoller.get(), &runtime::Timer::timeout, &Form1::tmrRoller_Timer);
    handle(m_sldInterval.get(), &runtime::Slider::Change, &Form1::sldInterval_Change);
}

void Form1::Form_Load()
{
    runtime::RandomSource::current().seedFromClock();
    m_tmrRoller->changeInterval(1000);
    m_tmrRoller->setTag(runtime::convert::toText(20));
}

void Form1::selectDie(qint16 faces)
{
    m_tmrRoller->setTag(runtime::convert::toText(faces));
}

void Form1::cmdD4_Click()
{
    selectDie(4);
}

void Form1::cmdD6_Click()
{
    selectDie(6);
}

void Form1::cmdD8_Click()
{
    selectDie(8);
}

void Form1::cmdD10_Click()
{
    selectDie(10);
}

void Form1::cmdD12_Click()
{
    selectDie(12);
}

void Form1::cmdD20_Click()
{
    selectDie(20);
}

void Form1::cmdD100_Click()
{
    selectDie(100);
}

void Form1::tmrRoller_Timer()
{
    const qint16 faces = runtime::convert::toInt16(m_tmrRoller->Tag());
    const QVariant roll = RollDie(faces);
    m_lblRoll->setText(runtime::convert::toText(runtime::convert::toInt16(roll)));
    const QString caption = QStringLiteral("Roll: d") + m_tmrRoller->Tag();
    if (m_frmResult->title() != caption) {
        m_frmResult->setTitle(caption);
        describeDice();
    }
}

void Form1::describeDice()
{
    // The die buttons are described by the frame's caption, the die now rolled: a screen reader
    // says it as a button takes the focus, and says the new die on the button just pressed as
    // soon as that die is rolled.
    for (QPushButton *button : std::as_const(m_dice))
        runtime::describe(button, m_frmResult->title());
}

QVariant Form1::RollDie(const qint16 &faces)
{
    const float r = runtime::RandomSource::current().next();
    std::feclearexcept(FE_ALL_EXCEPT);
    // The product is kept at working precision, where it is exact: 24 bits of r times at most 7
    // of the faces fit a double's 53. Stored through a volatile so that the flags are read after
    // the multiplication has happened.
    const volatile double product = double(float(faces)) * double(r);
    checkFloatingPoint();
    const volatile float roll = float(runtime::convert::wholePart(product) + 1.0);
    checkFloatingPoint();
    return QVariant(float(roll));
}

void Form1::sldInterval_Change()
{
    const qint32 pause = runtime::convert::multiply(m_sldInterval->value(), MillisecondsPerStep);
    m_tmrRoller->changeInterval(pause);
    // The position alone means little when heard: the pause goes with it, in words.
    runtime::describe(m_sldInterval, pauseDescription(pause));
}

void Form1::Command1_Click()
{
    about::frmAbout::instance().Show();
}

} // namespace roller
