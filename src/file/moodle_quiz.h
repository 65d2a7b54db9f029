// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lecturer's list of variants as a question bank for the course's
// learning platform, in Moodle's XML format: one embedded-answers (cloze)
// question per variant, its inputs in the question text, a numerical
// sub-answer for each number to find with the tolerance, and the variant's
// walkthrough as the general feedback.

#include "file/variant_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace gear {

// A number the quiz asks for: the answers column it comes from and what the
// question calls it.
struct QuizAnswer {
    std::string_view column;
    std::string_view prompt;
};

// The numbers asked for in a question of `mode`, in order.
std::vector<QuizAnswer> quizAnswers(Mode mode);

// The bank's opening (with a category named after `listName`) and closing.
std::string quizHead(std::string_view listName);
std::string quizTail();

// One variant's question; `tolerance` in per cent where the row gives none.
std::string quizQuestion(const VariantResult& result, const CalcState& calculation, double tolerance);

} // namespace gear
