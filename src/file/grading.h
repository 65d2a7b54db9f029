// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lecturer's marking of a group's calculation files against the list of
// variants handed out: each file is matched to its row by the variant it
// records, run again, and compared line by line with the variant's own
// calculation; a file whose stored results are not those its inputs give
// was edited by hand and is flagged, not marked.

#include "file/variant_list.h"
#include "shell/message.h"
#include "shell/self_check.h"

#include <string>
#include <string_view>
#include <vector>

namespace gear {

// A student's file as handed in: its name and its bytes.
struct StudentFile {
    std::string name;
    std::string text;
};

enum class MarkStatus {
    Marked,
    HandEdited,     // results edited by hand: flagged, not marked
    Refused,        // the file does not open
    NoVariant,      // the file records no variant
    UnknownVariant, // the list has no such variant
};

// One key result of the variant's mode: whether the student's calculation
// gives it within the tolerance (a name, as the steel's, exactly). Not
// given where the variant has no value for it.
struct KeyResult {
    std::string_view column;
    bool given = false;
    bool right = false;
};

struct StudentMark {
    std::string file;
    std::string variant;
    int listLine = 0; // the variant's row in the list
    Mode mode = Mode::Transmission;
    MarkStatus status = MarkStatus::Marked;
    Message why; // for a file not marked
    double tolerance = kDefaultSelfCheckTolerance;
    std::vector<KeyResult> keys; // as answerColumns(mode)
    // The strength verdicts' words join the key results here, each compared
    // as a word, once the calculation gives them.
    std::vector<KeyResult> verdicts;
    int lines = 0; // value lines of the variant's walkthrough
    int linesRight = 0;
    int selfCheckGiven = 0; // the student's own values against the variant's lines
    int selfCheckRight = 0;
    std::string firstWrong; // the heading and symbol of the first line gone wrong
    int mark = 0;           // per cent of the lines right
};

// How often the group got one line of the walkthrough wrong.
struct StepTally {
    Mode mode = Mode::Transmission;
    ScreenId screen = ScreenId::Vvod2; // whose Ok computed the line
    std::string symbol;
    int occurrence = 1;
    int of = 0;         // students marked whose variant has the line
    int wrong = 0;      // of them, wrong on it
    int firstWrong = 0; // of them, wrong first on it
};

struct GroupMarks {
    std::string fatal;                  // the list cannot be used
    std::vector<VariantError> listRows; // rows of the list refused
    std::vector<StudentMark> students;  // in the order of the files
    std::vector<StepTally> steps;       // most often wrong first
};

// Marks `files` against the list `csv`; `tolerance` (per cent) where a row
// gives none.
GroupMarks markGroup(std::string_view csv, const std::vector<StudentFile>& files,
                     double tolerance = kDefaultSelfCheckTolerance);

// The status as a word of the marks table.
std::string_view markStatusName(MarkStatus status);

// One row per student: file, variant, status, mark, lines, the self-check,
// each key result (1 right, 0 wrong, empty not given), the first wrong step
// and why a file was not marked. Numbers with a point.
std::string marksCsv(const GroupMarks& marks);

// The steps the group got wrong, most often first, as lines of text in
// the language of `translate`.
std::string stepSummaryText(const GroupMarks& marks, const Translator& translate = {});

} // namespace gear
