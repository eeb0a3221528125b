// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/form.h"

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

namespace runtime {
class Slider;
class Timer;
} // namespace runtime

namespace roller {

// The main window: rolls the selected die every pause and shows the roll. Its whole state lives
// in its controls: the die size in tmrRoller's Tag, the pause in its Interval.
class Form1 : public runtime::Form
{
    Q_OBJECT

public:
    Form1();

    // The roll of a die with the given number of faces, as a single-precision variant.
    QVariant RollDie(const qint16 &faces);

    void cmdD4_Click();
    void cmdD6_Click();
    void cmdD8_Click();
    void cmdD10_Click();
    void cmdD12_Click();
    void cmdD20_Click();
    void cmdD100_Click();
    void tmrRoller_Timer();
    void sldInterval_Change();
    void Command1_Click();

protected:
    void connectEvents() override;
    void Form_Load() override;

private:
    void selectDie(qint16 faces);
    // The frame's caption for the die now selected: "Roll: d20".
    QString rollCaption() const;
    void describeDice(const QString &caption);

    // The controls the handlers use, taken at load; they go null when the window is unloaded.
    QPointer<runtime::Timer> m_tmrRoller;
    QPointer<QLabel> m_lblRoll;
    QPointer<QGroupBox> m_frmResult;
    QPointer<runtime::Slider> m_sldInterval;
    QList<QPointer<QPushButton>> m_dice;
};

} // namespace roller
