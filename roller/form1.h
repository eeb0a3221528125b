// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QVariant>

class QGroupBox;
class QLabel;
class QPushButton;

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

    runtime::Timer *m_tmrRoller = nullptr;
    QLabel *m_lblRoll = nullptr;
    QGroupBox *m_frmResult = nullptr;
    runtime::Slider *m_sldInterval = nullptr;
};

} // namespace roller
