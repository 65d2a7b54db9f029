// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The student's own numbers beside the walkthrough: each value line of a
// mode's calculation with the value the student worked out by hand, marked
// right within a tolerance, wrong, or right by the student's own data — a
// line whose formula, redone with the student's own earlier values, gives
// what the student wrote, so that a slip carried down from an earlier line
// is told apart from a new one.

#include "shell/message.h"
#include "shell/mode.h"
#include "shell/walkthrough.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// How far a hand-worked value may stand from the program's, in per cent of
// the program's: four significant digits of a slide of textbook rounding.
inline constexpr double kDefaultSelfCheckTolerance = 0.5;
// A lecturer may ask for anything from exact to one part in ten.
inline constexpr double kMaxSelfCheckTolerance = 10.0;

// One value line of a mode's walkthrough, by its symbol as the walkthrough
// marks it ("σ_H1") and which of the lines of that symbol it is (1-based).
struct ValueLineKey {
    Mode mode = Mode::Transmission;
    std::string symbol;
    int occurrence = 1;

    bool operator==(const ValueLineKey&) const = default;
};

// What the student typed for a line, exactly as typed.
struct TypedValue {
    ValueLineKey line;
    std::string text;

    bool operator==(const TypedValue&) const = default;
};

// The student's part of the work: the values typed, the tolerance and the
// variant the work is of.
struct SelfCheckWork {
    std::vector<TypedValue> values;
    double tolerance = kDefaultSelfCheckTolerance; // per cent
    std::string variant;

    bool empty() const { return values.empty() && variant.empty() && tolerance == kDefaultSelfCheckTolerance; }
    bool operator==(const SelfCheckWork&) const = default;
    // The text typed for a line, empty when none.
    std::string typed(const ValueLineKey& line) const;
    // Sets a line's text; an empty text takes the line out.
    void type(const ValueLineKey& line, std::string text);
};

enum class LineMark {
    NotGiven,   // nothing typed
    Unreadable, // typed, but not a number
    Right,
    RightByOwnData, // wrong, but right from the student's own earlier values
    Wrong,
};

// A value line of the walkthrough: where it stands and what it computed.
struct ValueLine {
    ValueLineKey key;
    size_t group = 0; // in the mode's step groups
    size_t step = 0;  // in the group's steps
    const Step* computed = nullptr;
};

// Every line of a mode's walkthrough that computes a value, in order;
// decisions and refused screens have none.
std::vector<ValueLine> valueLines(const Walkthrough& walkthrough, Mode mode);

// A line checked.
struct CheckedLine {
    ValueLine line;
    std::string typed;
    LineMark mark = LineMark::NotGiven;
    // On a line marked wrong or right by own data: the formula with the
    // student's own earlier values substituted wherever the student gave
    // them, and its value; empty where the formula cannot be redone (a
    // table look-up, a rounding to a standard size).
    std::string ownSubstituted;
    std::optional<double> ownValue;
};

// A typed number: blanks around it, a point or a comma as the separator,
// nothing else. A text that is not wholly a number has no value.
std::optional<double> typedNumber(std::string_view text);

// Within `tolerance` per cent of `expected` (an expected zero takes only
// itself, to the last digits).
bool agrees(double value, double expected, double tolerance);

// The mode's lines checked against the student's values; numbers in the
// own substitution written with `decimalSeparator`.
std::vector<CheckedLine> checkLines(const Walkthrough& walkthrough, Mode mode, const SelfCheckWork& work,
                                    std::string_view decimalSeparator = ".");

// "✓", "✗", "верно по вашим данным" and the like, in the language of
// `translate`; empty for a line not given.
std::string markText(LineMark mark, const Translator& translate = {});

// The values of a CSV of `symbol;value` rows for a mode's walkthrough: a
// symbol as the walkthrough marks it ("σ_H1") or as it reads ("σH1"), the
// value with a point or a comma. A symbol given again is its next line of
// that symbol. Blank lines and lines beginning with '#' are skipped, and so
// is a first line that names the columns. A row that names no line of the
// walkthrough, or has no number, refuses the whole text with its line.
struct ImportedValues {
    std::vector<TypedValue> values;
    Message refusal;
};
ImportedValues importTypedValues(std::string_view csv, const Walkthrough& walkthrough, Mode mode);

} // namespace gear
