// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What reading and writing a calculation file share with its checks: which
// screens a file holds and how, and the comparisons of a file with the
// replay of its steps.

#include "file/calculation_file.h"
#include "screens/screen_catalogue.h"
#include "shell/calc_state.h"
#include "shell/message.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace gear {

// The keys of the modes in the file, in the order of Mode.
inline constexpr std::array<std::string_view, kModeCount> kModeKeys{"transmission", "wheel", "check"};

// What a file of an older version brings: the facts that tell which mends of
// the formulas reach its results.
struct OlderFile {
    int version = kCalculationVersion;
    bool loadFactorsRaised = false; // a load factor of its set was below 1
};

// The catalogue entry of a screen whose Ok a file brings back: an option,
// row or list item under its `choiceKey`, or texts under their `fileKey`, in
// the order the Ok reads them. None for a screen no chain runs.
const ScreenEntry* formOf(ScreenId screen);
bool choiceOutOfRange(const ScreenEntry& form, int choice);
const NumberField* numberField(std::string_view name);

Message modeName(Mode mode);

// The chains of the file against the run of its steps: the same Oks, given
// the same. Empty when they agree.
Message compareSteps(const Calculation& file, const Calculation& run);
// The results the file holds against those of the run: the same ones.
Message compareResults(const Calculation& file, const Calculation& run);
// The notice of a file whose results the run changes: which results, old →
// new, and why. Empty when none changed.
std::vector<Message> migrationNotice(const Calculation& file, const Calculation& run, const CalcState& state,
                                     const OlderFile& older);
// Brings each coefficient of the set into its range, saying so for each one
// that was not.
std::vector<Message> bringIntoRange(CoefficientSet& defaults, bool& loadFactorsRaised);
bool sameResults(const std::optional<ModeResults>& a, const std::optional<ModeResults>& b, Mode mode);

} // namespace gear
