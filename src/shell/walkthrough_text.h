// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"

#include <string>
#include <string_view>

namespace gear {

// The mode's name as the menu "Расчёт" gives it.
std::string_view modeTitle(Mode mode);

// The heading of the steps of one screen's Ok in the walkthrough.
std::string_view stepGroupTitle(ScreenId screen, Mode mode);

// A symbol as plain text: the index mark "_" dropped, squares and cubes as
// superscript digits ("σ_FP1" → "σFP1", "cos^3 β" → "cos³ β").
std::string plainSymbols(std::string_view marked);

// The calculation one mode ran last as plain text: each screen's heading,
// then its steps, each formula with its symbols, with the numbers and its
// result; numbers written with `decimalSeparator`, words in the language of
// `translate`.
std::string modeWalkthroughText(const CalcState& state, Mode mode, std::string_view decimalSeparator,
                                const Translator& translate = {});

// Every mode's, in the order transmission, wheel, check.
std::string walkthroughText(const CalcState& state, std::string_view decimalSeparator,
                            const Translator& translate = {});

} // namespace gear
