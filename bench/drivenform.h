// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roller/form1.h"

namespace bench {

// Form1 shown as app/main.cpp shows it, painted once, with its own timer stopped so that only
// tick() rolls: the roll handler and then the events it leaves behind, its repaint among them.
class DrivenForm
{
public:
    explicit DrivenForm(int paintTimeoutMs = 10000);

    void tick();
    roller::Form1 &form() { return m_form; }

private:
    roller::Form1 m_form;
};

} // namespace bench
