// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/message.h"

#include <string>
#include <string_view>
#include <vector>

namespace gear {

// The mode's name as the menu "Расчёт" gives it.
std::string_view modeTitle(Mode mode);

// The heading of the steps of one screen's Ok in the walkthrough.
std::string stepGroupTitle(ScreenId screen, Mode mode, const Translator& translate = {});

// A symbol as plain text: the index mark "_" dropped, squares and cubes as
// superscript digits ("σ_FP1" → "σFP1", "cos^3 β" → "cos³ β").
std::string plainSymbols(std::string_view marked);

// One line of the walkthrough: a formula with its symbols, the same with the
// numbers and the result, or a branch taken, said in words. Symbols keep
// their marks ("σ_FP1", "cos^3 β"), which each front-end writes its own way.
struct WalkthroughLine {
    std::string quantity;
    std::string symbolic;    // empty for a constant, which is its own result
    std::string substituted; // likewise
    std::string result;      // with its unit
    std::string decision;    // instead of all of the above
    double value = 0;        // the result as computed
};

// The lines of one screen's Ok under its heading, or the sentence saying
// why it did not run.
struct WalkthroughGroup {
    ScreenId screen;
    std::string title;
    std::string refusal;
    std::vector<WalkthroughLine> lines;
};

// What one mode ran last, or the sentence saying it has not run.
struct WalkthroughSection {
    Mode mode;
    std::string title;
    std::string notRun;
    std::vector<WalkthroughGroup> groups;
};

// Every mode's walkthrough, in the order transmission, wheel, check;
// numbers written with `decimalSeparator`, words in the language of
// `translate`.
std::vector<WalkthroughSection> walkthroughSections(const CalcState& state, std::string_view decimalSeparator,
                                                    const Translator& translate = {});

// A section as plain text: each screen's heading, then its lines.
std::string walkthroughSectionText(const WalkthroughSection& section);

// The calculation one mode ran last as plain text.
std::string modeWalkthroughText(const CalcState& state, Mode mode, std::string_view decimalSeparator,
                                const Translator& translate = {});

// Every mode's, in the order transmission, wheel, check.
std::string walkthroughText(const CalcState& state, std::string_view decimalSeparator,
                            const Translator& translate = {});

} // namespace gear
