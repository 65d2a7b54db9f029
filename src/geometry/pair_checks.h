// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks of a designed pair as sentences, from the numbers its design
// kept: one place says them for the results screen, the walkthrough, the
// report and the command line.

#include "geometry/results.h"
#include "shell/calc_state.h"
#include "shell/message.h"
#include "strength/strength_verdict.h"

#include <string_view>
#include <vector>

namespace gear {

// One condition of strength: the pair in contact, or a gear in bending.
struct VerdictRow {
    std::string_view key; // "contact", "bending1", "bending2": a data file's name for it
    std::string_view symbol;
    Message condition;
    Verdict verdict;
};

// The three conditions against the final steel's allowable stresses; none
// before a final steel (or none) was taken.
std::vector<VerdictRow> strengthVerdicts(const Quantities& pair);

// The word of a verdict, and what to do about it.
Message loadWordText(LoadWord word);
Message verdictSentence(const VerdictRow& row);

// The heading and the three sentences of the results screen, each empty
// while there is nothing to say, and whether a sentence reads as a warning.
Message verdictHeading(const Quantities& pair);
Message contactVerdict(const Quantities& pair);
Message pinionBendingVerdict(const Quantities& pair);
Message wheelBendingVerdict(const Quantities& pair);
bool contactOverloaded(const Quantities& pair);
bool pinionBendingOverloaded(const Quantities& pair);
bool wheelBendingOverloaded(const Quantities& pair);

// The notes on the pair's geometry, speed and forces, one sentence each;
// empty where a note has nothing to say.
Message ratioNote(const Quantities& pair);
Message centreDistanceNote(const Quantities& pair);
Message speedNote(const Quantities& pair);
Message forcesNote(const Quantities& pair);
Message undercutNote(const Quantities& pair);
Message contactRatioNote(const Quantities& pair);
Message rimNote(const Quantities& pair);
Message blankNote(const Quantities& pair);
bool ratioOutOfTolerance(const Quantities& pair);
bool undercutFound(const Quantities& pair);
bool contactRatioLow(const Quantities& pair);
bool blankTooLarge(const Quantities& pair);

// Every note above that says something, in that order.
std::vector<Message> pairNotes(const Quantities& pair);

// The report's «Проверка прочности» of the designed pair the state kept:
// the verdicts as a table (condition, σ, [σ], Δ, word), then the notes on
// its geometry, speed and forces, one a row; none before a final steel.
std::vector<ResultTable> strengthCheckTables(const CalcState& state, std::string_view decimalSeparator,
                                             const Translator& translate = {});

// What the module taken does against the computed one, before it is taken:
// empty when it is the right one.
Message moduleTakenNote(double mcalc, double m, bool hardened);

} // namespace gear
