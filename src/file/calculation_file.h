// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation file: what each screen's Ok was given, mode by mode in
// the order the student worked, and what each mode's results were. Opening
// runs every Ok again from the state the program starts in, so a file can
// only ever bring back a calculation the program itself computes, and the
// results it holds are checked against that run.

#include "screens/screen_catalogue.h"
#include "shell/calc_state.h"
#include "shell/message.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

inline constexpr std::string_view kCalculationFormat = "gearwheel-calculation";
// 2: the results of the mended formulas of 1.2. A file of version 1 opens
// with its inputs run again and a notice of the results that changed; a
// reader of version 1 refuses a file of version 2 with a sentence that it
// was written by a newer program.
inline constexpr int kCalculationVersion = 2;
inline constexpr std::size_t kMaxCalculationFileSize = 1024 * 1024;
// The longest text a field of a screen takes, in characters.
inline constexpr int kMaxGivenTextLength = 32767;

// One screen's Ok: the mode whose chain it belongs to, the screen and what
// it was given.
struct GivenStep {
    Mode mode;
    ScreenId screen;
    GivenInputs given;

    bool operator==(const GivenStep&) const = default;
};

// A calculation as its file keeps it.
struct Calculation {
    CoefficientSet defaults;
    std::vector<GivenStep> steps;                               // every mode's chain, in the order the Oks ran
    std::array<std::optional<ModeResults>, kModeCount> results; // only the fields resultFields() names
    // The variant the work is of and the student's own values, when there
    // are any: the file's optional members `variant` and `selfCheck`.
    SelfCheckWork selfCheck;
};

// The numbers of a mode's results that the file keeps and checks: those the
// results screens and printouts show.
std::vector<std::string_view> resultFields(Mode mode);

// The chains the state's walkthrough holds, in the order their Oks ran, and
// its kept results.
Calculation calculationOf(const CalcState& state);

// Runs one step's Ok as its screen does, after the mode command of its mode
// when the state is in another mode.
Outcome runStep(CalcState& state, const GivenStep& step);

// Called after each step that `replay` runs, with the state as it left it.
using StepObserver = std::function<void(const GivenStep& step, const Outcome& outcome)>;

// Makes `state` the state the program starts in with `defaults`, then runs
// the steps in order.
void replay(CalcState& state, const CoefficientSet& defaults, const std::vector<GivenStep>& steps,
            const StepObserver& after = {});

// Runs an opened calculation on the front-end's state as `replay` does, and
// gives the screens its last Ok leaves open, in the order to show them: the
// screen of an Ok that was refused or that stays, then the screen it opened.
// Both the desktop and the web page show a file through this, so they agree
// on where a student finds the work.
std::vector<ScreenId> reopen(CalcState& state, const Calculation& calculation, const StepObserver& after = {});

// The file's text for a calculation: indented UTF-8 JSON ending in a newline.
std::string calculationText(const Calculation& calculation);

// The file of the state's calculation with what the program checks of a
// designed pair under "checks": the verdicts, the ratio, the standard centre
// distance, speed, forces and geometry notes. A file read back passes them
// over.
std::string calculationWithChecksText(const CalcState& state);

// A calculation file read, run again and checked, or one sentence saying
// what is wrong with it and where. A file of an older version, or one with
// a coefficient out of its range, opens with `notice`: what was taken
// otherwise than the file says, and which results changed, old → new, with
// one sentence for each kind of mend that changed them. Saving writes the
// new results.
struct OpenedCalculation {
    Calculation calculation;
    CalcState state;
    Message refusal;
    std::vector<Message> notice;
    // Refused because its results are not those its inputs give: edited by
    // hand, or written by a version that calculated otherwise.
    bool resultsDiffer = false;

    bool refused() const { return !refusal.empty(); }
};

// The notice as one text, a sentence or a list item a line, in the language
// of `translate`.
std::string noticeText(const std::vector<Message>& notice, const Translator& translate = {});

OpenedCalculation openCalculation(std::string_view text);

// The text to save for the work in `state`: its chains run again, with the
// results that run gives. A mode whose results on screen came otherwise —
// its screens pressed out of order, or the coefficients changed midway — is
// named in `recomputed`.
struct SavedCalculation {
    std::string text;
    std::vector<Mode> recomputed;
};

SavedCalculation saveCalculation(const CalcState& state);

} // namespace gear
