// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QImage;

namespace about {

// The About window's picture, a clock face 32 pixels square, drawn for a device pixel ratio:
// every device pixel takes the colour of the shape its middle falls in. At ratio 1 that is the
// classic 32-pixel icon; at any other ratio each stroke, mark and dot keeps one width all round,
// where a 32-pixel bitmap scaled by a fraction would come out one and two pixels wide by turns.
QImage clockPicture(qreal devicePixelRatio);

} // namespace about
