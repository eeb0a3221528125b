// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms/layout.h"

#include <array>

namespace roller {

extern const runtime::WindowDesign form1Window;
extern const std::array<runtime::ControlDesign, 16> form1Controls;

} // namespace roller
