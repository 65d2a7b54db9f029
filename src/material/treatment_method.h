#pragma once

#include "shell/calc_state.h"
#include "shell/screen_id.h"

#include <optional>

namespace gear {

// The input screen of the mode in force: the transmission input in the
// design mode, the check input in the check mode, none otherwise.
std::optional<ScreenId> inputScreenOfMode(const CalcState& state);

// "Нормализация" (1) or "Улучшение" (2); 0 when neither is marked.
Outcome chooseThroughHardening(CalcState& state, int option);

// "Объемная закалка" (1), "Поверхностная закалка ТВЧ" (2), "Цементация" (3),
// "Нитроцементация" (4), "Азотирование" (5); 0 when none is marked.
// Nitriding has one steel, so its limits are settled here.
Outcome chooseSurfaceHardening(CalcState& state, int option);

} // namespace gear
