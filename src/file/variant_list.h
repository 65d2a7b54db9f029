// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lecturer's list of variants: one CSV row per student, with the inputs of
// one mode's screens; each row is run through the same Oks as a student's
// screens and answered with the numbers a worked solution shows. A list is
// read as a stream, one row at a time, and each row is answered as soon as
// it is computed, so that a list of any length takes the memory of one row.

#include "file/csv.h"
#include "shell/calc_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// A list of variants is text; a hundred mebibytes is far beyond any course.
inline constexpr std::uint64_t kMaxVariantListSize = 100u * 1024 * 1024;
// A number written in full, the way a CSV of variants must give it: an
// optional sign, digits with an optional point and an optional exponent;
// nothing else, not even a comma.
bool isPlainNumber(std::string_view text);

// A name, grade or option as a lecturer may type it compared as it looks:
// Latin letters that look like Cyrillic ones ("40XH" typed with X and H) are
// taken for them, and ё for е.
std::string foldLookAlikes(std::string_view text);

// A variant computed: where it stood and what it gave.
struct VariantResult {
    int line = 0;
    std::string variant; // the "variant" cell, if the list has one
    Mode mode = Mode::Transmission;
    std::vector<std::string> answers; // one per answerColumns(mode)
    // The row's "tolerance" cell (per cent) for marking the students' work
    // and for the quiz; none where the list leaves it to the program.
    std::optional<double> tolerance;
};

// A row that could not be computed, and why.
struct VariantError {
    int line = 0;
    std::string message;
};

// Which modes a list's rows ask for: the answers have the columns of these.
using ModeSet = std::array<bool, kModeCount>;

// A list read through once before any row is computed: whether it can be
// used at all, its header, and the modes of its rows, so that the answers'
// header can be written before the first row.
struct VariantListSurvey {
    std::string fatal; // the list as a whole cannot be used
    ModeSet modes{};
};

VariantListSurvey surveyVariants(std::istream& list);

// The columns a list may have, and the answers given for each mode: every
// answer's name is unique across the modes and says its unit
// ("transmission.m_mm", "check.T_Nm").
std::vector<std::string_view> variantInputColumns();
std::vector<std::string_view> answerColumns(Mode mode);

// Told of each variant computed, with its calculation, while that is at hand;
// false stops the list there.
using VariantObserver = std::function<bool(const VariantResult& result, const CalcState& calculation)>;
using VariantRefusalObserver = std::function<void(const VariantError& error)>;

// Computes every row after the header of a list that surveyVariants found
// usable, in order, telling `computed` or `refused` of each as soon as it
// is done; a bad row is skipped with its line and the reason, the others go
// on. False when the list could not be read to its end.
bool computeVariants(std::istream& list, const VariantObserver& computed, const VariantRefusalObserver& refused);

// The answers as CSV: line, variant and mode, then the answer columns of
// each mode in `modes`, numbers written with a point.
std::string answersHeader(const ModeSet& modes);
std::string answersRow(const VariantResult& result, const ModeSet& modes);

// A whole list at once, for short texts: the survey, then every row.
struct VariantRun {
    std::string fatal;
    ModeSet modes{};
    std::vector<VariantResult> results;
    std::vector<VariantError> errors;
};

VariantRun computeVariants(std::string_view csv, const VariantObserver& each = {});
std::string answersCsv(const VariantRun& run);

// A name for a variant's walkthrough file: the variant's own when it is a
// plain name, else "line-N".
std::string variantFileName(const VariantResult& result);

} // namespace gear
