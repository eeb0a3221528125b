// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <array>

namespace about {

extern const runtime::WindowSpec frmAboutWindow;
extern const std::array<runtime::ControlSpec, 9> frmAboutControls;

} // namespace about
