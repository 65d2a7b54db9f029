// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/screen_id.h"

#include <optional>

namespace gear {

// "Колесо": a wheel's data lead to its body dimensions and sketch.
ScreenId chooseWheelMode(CalcState& state);
// "Передача": the design of a gear pair.
ScreenId chooseTransmissionMode(CalcState& state);
// "Проверка": the permissible load of an existing wheel.
ScreenId chooseCheckMode(CalcState& state);

// The input screen that the material screens lead to in the mode in force:
// the transmission input in the design mode, the check input in the check
// mode, none otherwise (the student changed the mode halfway).
std::optional<ScreenId> inputScreenOfMode(const CalcState& state);

} // namespace gear
