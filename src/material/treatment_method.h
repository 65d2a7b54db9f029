// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"

#include <string_view>
#include <vector>

namespace gear {

// The options of a treatment screen, BNormal2 or Czakalka2, top to bottom.
std::vector<std::string_view> treatmentOptions(ScreenId screen);

// "Нормализация" (1) or "Улучшение" (2); 0 when neither is marked.
Outcome chooseThroughHardening(CalcState& state, int option);

// "Объемная закалка" (1), "Поверхностная закалка ТВЧ" (2), "Цементация" (3),
// "Нитроцементация" (4), "Азотирование" (5); 0 when none is marked.
// Nitriding has one steel, so its limits are settled here.
Outcome chooseSurfaceHardening(CalcState& state, int option);

} // namespace gear
