// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"
#include "shell/calc_state.h"
#include "shell/message.h"

#include <optional>
#include <string>

namespace gear {

// The three designs of a wheel body: in one piece with a plain disc (tip
// diameter below 250 mm), forged with holes in the disc (up to 600 mm), cast
// with spokes (above).
enum class WheelDesign { Solid, Disc, Spoked };

// What the main title block of a sheet says besides the drawing's own
// numbers, and what its gear table takes that the calculation does not
// give. Empty texts leave their columns empty.
struct SheetTitle {
    std::string designation;
    std::string developer; // the student
    std::string group;
    std::string date;         // as written, "08.12.2026"
    std::string organisation; // the school, before the group
    std::string material;     // the steel of the final choice
    std::string mass;         // kg, where computed
    // The accuracy grade of ГОСТ 1643-81; empty for the course's default,
    // 8-B, with a note that no speed was given to choose it by.
    std::string accuracy;
    bool leftHand = false; // the direction of a helical tooth line
    // The hardness of the teeth as the treatment gave it, for the
    // technical requirements; empty leaves that requirement out.
    std::string hardness;
};

// Where a drawing goes. On paper it takes an A4 or A3 sheet with a frame, a
// title block and the table of the gear's parameters, at 1:1 or the first
// standard reduced scale at which it fits; in an area (a screen, a page of
// a report) it takes the area given, at the scale that fills it or, when
// `standardScale`, at the largest standard scale that fits.
struct DrawingTarget {
    bool paper = true;
    double width = 0; // mm, for an area
    double height = 0;
    bool standardScale = false;
    std::string decimalSeparator = ",";
    // The language of the drawing's words and of the symbols named after
    // Russian words; empty for Russian.
    Translator translate;
    SheetTitle title;
};

// Legibility on the sheet, in millimetres of the sheet: the size of every
// text, the smallest a section may be and still be hatched, the distance
// of the first dimension line from the part and between parallel ones.
inline constexpr double kTextHeight = 3.5;
inline constexpr double kNarrowestHatched = 2.0;
inline constexpr double kHatchSpacing = 2.0;
inline constexpr double kFirstDimensionOffset = 8.0;
inline constexpr double kDimensionSpacing = 7.0;

// The sketch of a single wheel of the design given, drawn to the sizes the
// wheel mode computed and kept, each dimension with its value.
Drawing wheelDrawing(const Quantities& wheel, WheelDesign design, const DrawingTarget& target);

// The designed pair in a section through both axes, the pinion above the
// wheel, with the main dimensions of each and the centre distance. Their
// bodies follow `design`, in the usual proportions: a pair is designed
// without its shafts.
Drawing transmissionDrawing(const Quantities& pair, WheelDesign design, const DrawingTarget& target);

// The drawing of what a mode kept, as its last screen shows it: the wheel
// mode's wheel, the design chosen by its tip diameter; the transmission's
// pair, the design chosen by the pinion's. None for the check mode or a
// mode that has not reached its results.
std::optional<Drawing> modeDrawing(const CalcState& state, Mode mode, const DrawingTarget& target);

WheelDesign wheelDesignOf(double da);        // the wheel mode's choice
WheelDesign transmissionDesignOf(double da); // the pair drawing's, by the pinion

} // namespace gear
