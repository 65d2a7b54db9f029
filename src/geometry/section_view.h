// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The views of a gear: its axial section through the axis, hatched, with
// its root, pitch and centre lines, and the view along the axis of a spoked
// wheel.

#include "geometry/annotation_layout.h"
#include "geometry/drawing.h"
#include "geometry/gear_outline.h"
#include "shell/calc_state.h"

#include <vector>

namespace gear::detail {

// How far centre lines run past what they mark, mm of the sheet.
inline constexpr double kCentreOvershoot = 4.0;

// What a section drew: the box of its outline, and the middle of each
// fillet's arc as the section shows it in its half away from the axis' far
// side (local y below zero), for the fillet's note.
struct DrawnSection {
    Box box;
    std::vector<Point> fillets;
};

// Draws a gear's axial section about `centre`: outlines, hatching (or black
// where too narrow to hatch), the root line, the pitch lines and the axis.
DrawnSection drawSection(Drawing& d, Layout& lay, const Gear& g, Point centre, bool rising);

// The bore with its keyway, seen along the axis, its centre at `c`: the
// outline and, unless `bareOutline`, the hub's circle, the axes and the
// keyway's width and depth.
void drawKeyway(Layout& lay, const Gear& g, Point c, bool bareOutline);

// The view along the axis of a spoked wheel, its centre at `c`.
void drawSpokedView(Layout& lay, const Gear& g, Point c, const Quantities& v);

} // namespace gear::detail
