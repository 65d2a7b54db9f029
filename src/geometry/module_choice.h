// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/wheel_body.h"
#include "shell/calc_state.h"
#include "shell/outcome.h"

#include <string_view>

namespace gear {

// The sketch that suits a wheel of tip diameter da on the wheel mode's last
// screen: solid below 250 mm, disc with holes up to 600 mm, spoked above.
ScreenId wheelSketchScreen(double da);

// The picture of the results' drawing for a pinion of tip diameter da: 1, a
// small solid wheel up to 250 mm inclusive; 2, a disc wheel up to 600 mm;
// 3, a spoked wheel above.
int drawingPicture(double da);

// Takes the standard module from one of the two rows (the texts of the two
// lists) and computes the geometry, the wheel body and, for a designed pair,
// the working stresses. No module or two modules lead to the error screen;
// that path still writes the coefficient reset, the two row flags and, when
// a row holds a positive number, the module m. A text that is not a number,
// a module outside (0, 100] mm, or one the geometry cannot use is refused,
// and then nothing but the coefficient reset and the row flags is written.
Outcome chooseModule(CalcState& state, std::string_view row1, std::string_view row2);

// How far a single wheel's tip diameter built on the module taken may stand
// from the one typed before the sketch says so: 1 %.
inline constexpr double kTipTolerance = 0.01;

// What the sketch of a single wheel says beside the drawing when the tip
// diameter built on the module taken differs from the one typed by more
// than kTipTolerance: both values and the construction that follows. Empty
// otherwise. Numbers with a point.
Message wheelTipNote(const Quantities& wheel);

// The name of the note's label on each sketch screen.
inline constexpr std::string_view kTipNoteName = "Label30";

} // namespace gear
