// SPDX-License-Identifier: GPL-3.0-or-later
#include "roller/form1layout.h"

namespace roller {

using runtime::ControlKind;

// The 16-colour pictures where the icon is shown at its own size, and a smooth one for what asks
// for more pixels: Qt's own title bar on Wayland wants 22 points, 44 pixels at scale 2.
static constexpr const char *form1Icon[] = {
    ":/dicemere/icons/dicemere.ico",
    ":/dicemere/icons/hicolor/64x64/apps/example.dicemere.Dicemere.png",
};

const runtime::WindowDesign form1Window = {
    .className = "Form1",
    .caption = "Dicemere",
    .clientWidth = 7380,
    .clientHeight = 1845,
    .border = runtime::Border::Sizable,
    .icon = form1Icon,
};

// The pause scale: its blanks spread the three marks along the slider's track.
static constexpr char pauseScale[] =
    "0.125 Sec                  1 Sec                             2 Sec";
static_assert(sizeof(pauseScale) - 1 == 66);

// clang-format off
const std::array<runtime::ControlDesign, 16> form1Controls = {{
    {.kind = ControlKind::Frame, .name = "frmResult",
     .left = 120, .top = 120, .width = 2055, .height = 1335, .tabIndex = 0, .caption = "Roll",
     .description = "The latest roll and the die it was rolled with", .showsStatus = true},
    {.kind = ControlKind::Label, .name = "lblRoll", .container = "frmResult",
     .left = 240, .top = 360, .width = 1575, .height = 735, .tabIndex = 10, .caption = "0",
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .font = {.face = "Arial", .points = 26.25, .weight = 400},
     .description = "Latest roll"},
    {.kind = ControlKind::Button, .name = "cmdD4",
     .left = 2280, .top = 240, .width = 615, .height = 375, .tabIndex = 1, .caption = "d4"},
    {.kind = ControlKind::Button, .name = "cmdD6",
     .left = 3000, .top = 240, .width = 615, .height = 375, .tabIndex = 3, .caption = "d6"},
    {.kind = ControlKind::Button, .name = "cmdD8",
     .left = 3720, .top = 240, .width = 615, .height = 375, .tabIndex = 4, .caption = "d8"},
    {.kind = ControlKind::Button, .name = "cmdD10",
     .left = 4440, .top = 240, .width = 615, .height = 375, .tabIndex = 5, .caption = "d10"},
    {.kind = ControlKind::Button, .name = "cmdD12",
     .left = 5160, .top = 240, .width = 615, .height = 375, .tabIndex = 6, .caption = "d12"},
    {.kind = ControlKind::Button, .name = "cmdD20",
     .left = 5880, .top = 240, .width = 615, .height = 375, .tabIndex = 7, .caption = "d20"},
    {.kind = ControlKind::Button, .name = "cmdD100",
     .left = 6600, .top = 240, .width = 615, .height = 375, .tabIndex = 2, .caption = "d100"},
    {.kind = ControlKind::Label, .name = "Label1",
     .left = 2280, .top = 720, .width = 975, .height = 375, .tabIndex = 8,
     .caption = "Roll Pause:"},
    // The scale comes before the slider so that the slider, built later, lies above the
    // label's top pixel where the two overlap.
    {.kind = ControlKind::Label, .name = "Label2",
     .left = 3480, .top = 1080, .width = 3735, .height = 255, .tabIndex = 11,
     .caption = pauseScale,
     .accessibleName = "Pause scale from 0.125 seconds to 2 seconds"},
    {.kind = ControlKind::Slider, .name = "sldInterval",
     .left = 3360, .top = 720, .width = 3855, .height = 375, .tabIndex = 9,
     .slider = {.min = 1, .max = 16, .value = 8, .smallChange = 1, .largeChange = 5,
                .tickFrequency = 1},
     .accessibleName = "Roll pause", .description = "1 second between rolls"},
    {.kind = ControlKind::Label, .name = "Label3",
     .left = 2400, .top = 1440, .width = 2415, .height = 255, .tabIndex = 12,
     .caption = "Free software for game masters"},
    {.kind = ControlKind::Label, .name = "Label4",
     .left = 4920, .top = 1440, .width = 2415, .height = 375, .tabIndex = 13,
     .caption = "dicemere.example", .colour = runtime::TextColour::Highlight,
     .description = "Web address"},
    {.kind = ControlKind::Button, .name = "Command1",
     .left = 120, .top = 1560, .width = 735, .height = 255, .tabIndex = 14, .caption = "Info",
     .description = "About Dicemere"},
    {.kind = ControlKind::Timer, .name = "tmrRoller", .interval = 1000, .enabled = true},
}};
// clang-format on

} // namespace roller
