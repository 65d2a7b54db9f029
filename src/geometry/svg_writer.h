// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"

#include <string>

namespace gear {

// The drawing as an SVG document the size of its sheet, in millimetres, so
// that it prints at the drawing's scale; one group per layer.
std::string drawingSvg(const Drawing& drawing);

} // namespace gear
