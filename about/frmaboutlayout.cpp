// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmaboutlayout.h"

#include "about/clockpicture.h"

namespace about {

using runtime::ControlKind;
using runtime::TextColour;

const runtime::WindowDesign frmAboutWindow = {
    .className = "frmAbout",
    .caption = "About",
    .clientWidth = 5730,
    .clientHeight = 3555,
    .border = runtime::Border::FixedDialog,
    .fixedPlacement = true,
    .left = 2340,
    .top = 1935,
};

// clang-format off
const std::array<runtime::ControlDesign, 9> frmAboutControls = {{
    {.kind = ControlKind::PictureBox, .name = "picIcon",
     .left = 240, .top = 240, .width = 540, .height = 540, .tabIndex = 1,
     .picture = &clockPicture, .accessibleName = "Clock"},
    {.kind = ControlKind::Label, .name = "lblTitle",
     .left = 1050, .top = 240, .width = 3885, .height = 480, .tabIndex = 5,
     .caption = "Application Title", .colour = TextColour::Black},
    {.kind = ControlKind::Label, .name = "lblVersion",
     .left = 1050, .top = 780, .width = 3885, .height = 225, .tabIndex = 6,
     .caption = "Version"},
    {.kind = ControlKind::Label, .name = "lblDescription",
     .left = 1050, .top = 1125, .width = 3885, .height = 1170, .tabIndex = 3,
     .caption = "Dicemere rolls a single die continuously.  This allows the game master to keep "
                "those random rolls coming and available with just a glance.  Just glance up "
                "when you need a roll, and it's there...ready to use.",
     .colour = TextColour::Black},
    {.kind = ControlKind::Label, .name = "lblDisclaimer",
     .left = 255, .top = 2625, .width = 3870, .height = 825, .tabIndex = 4,
     .caption = "Just click the die you want and set the interval...then watch it roll.",
     .colour = TextColour::Black},
    {.kind = ControlKind::Button, .name = "cmdOK",
     .left = 4245, .top = 2625, .width = 1260, .height = 345, .tabIndex = 0, .caption = "OK",
     .isDefault = true, .isCancel = true, .description = "Closes this window"},
    {.kind = ControlKind::Button, .name = "cmdSysInfo",
     .left = 4260, .top = 3075, .width = 1245, .height = 345, .tabIndex = 2,
     .caption = "&System Info...", .description = "Starts the system-information tool"},
    // An etched separator: a gray line with a white one of double width just below it, members
    // 1 and 0 of the control group Line1.
    {.kind = ControlKind::Line, .name = "Line1",
     .line = {.x1 = 90, .y1 = 2445, .x2 = 5654, .y2 = 2445, .colour = qRgb(128, 128, 128),
              .widthPixels = 1},
     .accessibleName = "Separator"},
    {.kind = ControlKind::Line, .name = "Line1",
     .line = {.x1 = 105, .y1 = 2460, .x2 = 5654, .y2 = 2460, .colour = qRgb(255, 255, 255),
              .widthPixels = 2},
     .accessibleName = "Separator"},
}};
// clang-format on

} // namespace about
