// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lecturer's list of variants: one CSV row per student, with the inputs of
// one mode's screens; each row is run through the same Oks as a student's
// screens and answered with the numbers a worked solution shows.

#include "shell/calc_state.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// One row of a CSV text: its cells and the line it starts on (1-based).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> cells;
};

// Splits a CSV text: cells separated by commas, a cell in double quotes may
// hold commas, line breaks and doubled quotes. Blank lines and lines
// beginning with '#' are skipped. False, with the line, when a quoted cell
// never ends.
bool parseCsv(std::string_view text, std::vector<CsvRecord>& records, int& badLine);

// A cell of a CSV answer, quoted when it has to be.
std::string csvCell(std::string_view text);

// A number written in full, the way a CSV of variants must give it: an
// optional sign, digits with an optional point and an optional exponent;
// nothing else, not even a comma.
bool isPlainNumber(std::string_view text);

// A variant computed: where it stood and what it gave.
struct VariantResult {
    int line = 0;
    std::string variant; // the "variant" cell, if the list has one
    Mode mode = Mode::Transmission;
    std::vector<std::string> answers; // one per answerColumns(mode)
};

// A row that could not be computed, and why.
struct VariantError {
    int line = 0;
    std::string message;
};

struct VariantRun {
    std::string fatal; // the list as a whole cannot be read
    std::vector<VariantResult> results;
    std::vector<VariantError> errors;
};

// The columns a list may have, and the answers given for each mode.
std::vector<std::string_view> variantInputColumns();
std::vector<std::string_view> answerColumns(Mode mode);

// Told of each variant computed, with its calculation, while that is at hand:
// a list of thousands is not kept whole.
using VariantObserver = std::function<void(const VariantResult& result, const CalcState& calculation)>;

// Computes every row of the list; a bad row is skipped with its line and the
// reason, the others go on.
VariantRun computeVariants(std::string_view csv, const VariantObserver& each = {});

// The answers as CSV: line, variant and mode, then the answer columns of
// each mode the list has, numbers written with a point.
std::string answersCsv(const VariantRun& run);

// A name for a variant's walkthrough file: the variant's own when it is a
// plain name, else "line-N".
std::string variantFileName(const VariantResult& result);

} // namespace gear
