// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sheet a drawing is laid out on: the standard sheet and scale at which
// it fits, the frame, the title block and the parameters' table on paper,
// or the area of a screen or a page; and the check that every number of
// the drawing made is one a writer can write.

#include "geometry/drawing.h"
#include "geometry/wheel_drawing.h"

#include <functional>
#include <string>
#include <vector>

namespace gear::detail {

class Layout;

// What to draw, independent of the scale.
struct Subject {
    std::string title;
    std::function<void(Drawing&, Layout&)> draw;
    std::vector<std::vector<std::string>> table; // the parameters' table of a sheet
    // The technical requirements over the title block, one a line, and the
    // roughness of the surfaces not marked ("Ra 6,3"), both only on paper.
    std::vector<std::string> requirements;
    std::string roughness;
    // The sheet's title block: the name of the part (`title` when empty).
    std::string name;
};

// The subject laid out at the scale and on the sheet that fit the target;
// the title alone where its sizes are no gear's or some number of the
// drawing is not finite.
Drawing fitted(const Subject& subject, const DrawingTarget& target);

} // namespace gear::detail
