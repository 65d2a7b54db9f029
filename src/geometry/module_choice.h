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
// the working stresses. No module or two modules, or a text that is not a
// positive number, lead to the error screen; that path still writes the
// coefficient reset, the two row flags and, when a row holds a positive
// number, the module m. A module the geometry cannot use is refused, and
// then nothing but the coefficient reset and the row flags is written.
Outcome chooseModule(CalcState& state, std::string_view row1, std::string_view row2);

} // namespace gear
