#pragma once

#include "shell/calc_state.h"
#include "shell/screen_id.h"

namespace gear {

// "Колесо": a wheel's data lead to its body dimensions and sketch.
ScreenId chooseWheelMode(CalcState& state);
// "Передача": the design of a gear pair.
ScreenId chooseTransmissionMode(CalcState& state);
// "Проверка": the permissible load of an existing wheel.
ScreenId chooseCheckMode(CalcState& state);

} // namespace gear
