// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <array>

namespace roller {

extern const runtime::WindowSpec form1Window;
extern const std::array<runtime::ControlSpec, 16> form1Controls;

} // namespace roller
