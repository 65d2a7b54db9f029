// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/message.h"
#include "shell/mode.h"
#include "shell/screen_id.h"
#include "shell/units.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

struct CalcState;

// One step of a calculation as a textbook writes it. The formula is a
// template: each {symbol} stands for a value the calculation used, shown as
// the symbol in the symbolic form and as the number in the substituted one.
// Symbols mark their index after an underscore (σ_FP1) and powers after a
// caret (cos^3 β).
struct Step {
    std::string quantity;       // the symbol computed, e.g. "m" or "σ_H1"
    std::string formula;        // template of the right-hand side; empty for a table value
    std::vector<double> values; // the numbers the template's symbols stood for
    double result = 0;
    std::string unit;
    Message decision; // a branch taken, said in words, instead of a formula
};

// What a screen's Ok was given, so that the calculation can be run again
// from it: the option, row or list item chosen (1-based, 0 for none; a list's
// index as the list gives it), and the texts exactly as typed, in the order
// the Ok reads them.
struct GivenInputs {
    int choice = 0;
    std::vector<std::string> texts;

    bool operator==(const GivenInputs&) const = default;
};

// The steps one screen's Ok ran, or the reason it refused to run them, with
// what the Ok was given.
struct StepGroup {
    ScreenId screen;
    std::vector<Step> steps;
    Message refusal;
    GivenInputs given;
    // When the Ok ran, counted over every mode of the run, so that the
    // chains of the modes can be run again in the order they were worked on.
    unsigned long serial = 0;
    // Whether this Ok leaves the mode's results (the module taken, the
    // permissible load): a chain cut before such an Ok has none.
    bool keepsResults = false;
};

// The calculation that ran last in each mode, screen by screen.
struct Walkthrough {
    std::array<std::optional<std::vector<StepGroup>>, kModeCount> modes;
    unsigned long lastSerial = 0; // of the latest group of any mode
    // Set in a draft's copy of the state, whose groups are only a part of
    // the chain until they are committed.
    bool partial = false;

    const std::vector<StepGroup>* of(Mode mode) const
    {
        const auto& groups = modes[static_cast<size_t>(mode)];
        return groups ? &*groups : nullptr;
    }
};

// The screens whose Ok keeps a mode's results: the module choice and the
// check. A mode's kept results stand only while its chain holds such a
// screen's Ok that ran to its end, so that the results and the walkthrough
// always tell of the same calculation.
void forgetResultsOfCutChain(CalcState& state, Mode mode);

// The number of {symbol} placeholders of a template; a "{" without its "}"
// is plain text.
size_t placeholderCount(std::string_view formula);

// The significant digits of a result in the walkthrough: enough to check a
// hand calculation against, few enough to read.
inline constexpr int kResultDigits = 6;

// The formula with its symbols, e.g. "σ_FP1/Y_F1"; constants are written
// with `decimalSeparator`. A translator gives the words of a formula and the
// symbols named after Russian words ("d_ст", the hub's diameter) in its
// language.
std::string symbolicForm(const Step& step, std::string_view decimalSeparator = ".", const Translator& translate = {});

// The significant digits each number of the step is substituted with: the
// fewest (four at least) with which the arithmetic as shown gives the
// result as shown.
int substitutionDigits(const Step& step);

// The formula with the numbers, each to substitutionDigits(step) digits.
std::string substitutedForm(const Step& step, std::string_view decimalSeparator = ".",
                            const Translator& translate = {});

// The step's result to kResultDigits significant digits.
std::string resultText(const Step& step, std::string_view decimalSeparator = ".");

// The symbol the step computes and the unit of its result, in the language
// of `translate`.
std::string quantityText(const Step& step, const Translator& translate = {});
std::string unitText(const Step& step, const Translator& translate = {});

// The mode whose chain alone a screen belongs to: its Ok is always part of
// that chain, whichever mode is in force when it is pressed. None for the
// screens the chains share.
std::optional<Mode> chainOfScreen(ScreenId screen);

// Records the steps of one screen's Ok in the walkthrough of its own chain,
// or, for a screen the chains share, of the mode the state is in. A screen that runs again replaces its earlier steps and those
// of every screen after it; the first screen of a chain starts it afresh.
// Results kept by a screen that is no longer in the chain go with it.
class StepRecorder final {
public:
    StepRecorder(CalcState& state, ScreenId screen, bool startsChain = false);

    // A recorder that keeps nothing, for a calculation nobody looks at.
    static StepRecorder none() { return StepRecorder(); }

    void step(std::string quantity, std::string formula, std::vector<double> values, double result,
              std::string unit = {});
    void decision(Message text);
    void refuse(Message reason);
    // What the screen's Ok was given.
    void given(GivenInputs inputs);
    // This Ok leaves the mode's results.
    void keepsResults();

private:
    StepRecorder() = default;
    StepGroup* group();

    CalcState* m_state = nullptr;
    std::optional<Mode> m_mode;
    size_t m_group = 0;
};

} // namespace gear
