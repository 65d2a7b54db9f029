// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"

#include <string>

namespace gear {

// The drawing as a DXF file of AutoCAD Release 12, the version every CAD
// program reads: the part at its true size in millimetres (the sheet and the
// texts at the drawing's scale around it), one layer for outlines, thin
// lines, hidden lines, centre lines, hatching, dimensions and the frame.
// Hatching is written as lines, since R12 has no hatch entity, and letters
// outside ASCII as \U+XXXX, which CAD programs read whatever their code page;
// the texts' style names a font with Cyrillic and Greek letters.
std::string drawingDxf(const Drawing& drawing);

} // namespace gear
