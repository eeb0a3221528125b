// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/layout.h"

#include <array>

namespace about {

extern const runtime::WindowDesign frmAboutWindow;
extern const std::array<runtime::ControlDesign, 9> frmAboutControls;

} // namespace about
