// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/grading.h"

#include "file/calculation_file.h"
#include "file/variant_answers.h"
#include "file/variant_steps.h"
#include "screens/walkthrough_text.h"
#include "shell/number_text.h"

#include <algorithm>
#include <cmath>

namespace gear {

namespace {

struct ComputedVariant {
    VariantResult result;
    CalcState state;
};

// The module the design asked for: the walkthrough's first line of m.
double designModuleOf(const CalcState& state)
{
    for (const ValueLine& line : valueLines(state.walkthrough, Mode::Transmission)) {
        if (line.key.symbol == "m")
            return line.computed->result;
    }
    return 0;
}

bool sameAnswer(const std::string& student, const std::string& variant, double tolerance)
{
    const std::optional<double> a = typedNumber(student);
    const std::optional<double> b = typedNumber(variant);
    if (a && b)
        return agrees(*a, *b, tolerance);
    return student == variant;
}

std::string lineName(const CalcState& state, const ValueLine& line)
{
    const std::vector<StepGroup>& groups = *state.walkthrough.of(line.key.mode);
    return stepGroupTitle(groups[line.group].screen, line.key.mode) + ": " + plainSymbols(line.key.symbol);
}

void compare(StudentMark& mark, const CalcState& student, const ComputedVariant& variant,
             std::vector<StepTally>& tallies)
{
    const Mode mode = variant.result.mode;
    const double tolerance = mark.tolerance;
    // The key results: the answers a worked solution gives.
    const std::vector<std::string> answers = student.results[static_cast<size_t>(mode)]
                                                 ? detail::answersOf(student, designModuleOf(student), mode)
                                                 : std::vector<std::string>(answerColumns(mode).size());
    const std::vector<std::string_view> columns = answerColumns(mode);
    for (size_t i = 0; i < columns.size(); ++i) {
        const std::string& expected = variant.result.answers[i];
        KeyResult key{columns[i], !expected.empty(), false};
        key.right = key.given && sameAnswer(answers[i], expected, tolerance);
        mark.keys.push_back(key);
    }
    // Line by line, against the variant's own walkthrough.
    const std::vector<ValueLine> own = valueLines(student.walkthrough, mode);
    bool wrongYet = false;
    for (const ValueLine& line : valueLines(variant.state.walkthrough, mode)) {
        const auto found =
            std::find_if(own.begin(), own.end(), [&](const ValueLine& mine) { return mine.key == line.key; });
        const bool right = found != own.end() && agrees(found->computed->result, line.computed->result, tolerance);
        ++mark.lines;
        mark.linesRight += right ? 1 : 0;
        const ScreenId screen = (*variant.state.walkthrough.of(mode))[line.group].screen;
        auto tally = std::find_if(tallies.begin(), tallies.end(), [&](const StepTally& t) {
            return t.mode == mode && t.screen == screen && t.symbol == line.key.symbol &&
                   t.occurrence == line.key.occurrence;
        });
        if (tally == tallies.end())
            tally = tallies.insert(tallies.end(), {mode, screen, line.key.symbol, line.key.occurrence});
        ++tally->of;
        if (!right) {
            ++tally->wrong;
            if (!wrongYet) {
                ++tally->firstWrong;
                mark.firstWrong = lineName(variant.state, line);
            }
            wrongYet = true;
        }
        const std::string typed = student.selfCheck.typed(line.key);
        if (!typed.empty()) {
            ++mark.selfCheckGiven;
            const std::optional<double> value = typedNumber(typed);
            mark.selfCheckRight += value && agrees(*value, line.computed->result, tolerance) ? 1 : 0;
        }
    }
    mark.mark = mark.lines > 0 ? static_cast<int>(std::lround(100.0 * mark.linesRight / mark.lines)) : 0;
}

} // namespace

GroupMarks markGroup(std::string_view csv, const std::vector<StudentFile>& files, double tolerance)
{
    GroupMarks marks;
    std::vector<ComputedVariant> variants;
    const VariantRun run = computeVariants(csv, [&](const VariantResult& result, const CalcState& state) {
        if (!result.variant.empty())
            variants.push_back({result, state});
        return true;
    });
    marks.fatal = run.fatal;
    marks.listRows = run.errors;
    if (!marks.fatal.empty())
        return marks;
    for (const StudentFile& file : files) {
        StudentMark mark;
        mark.file = file.name;
        const OpenedCalculation opened = openCalculation(file.text);
        // Read before the results were compared: a flagged file still says
        // whose variant it claims.
        mark.variant = opened.calculation.selfCheck.variant;
        if (opened.refused()) {
            mark.status = opened.resultsDiffer ? MarkStatus::HandEdited : MarkStatus::Refused;
            mark.why = opened.refusal;
            marks.students.push_back(std::move(mark));
            continue;
        }
        const auto variant = std::find_if(variants.begin(), variants.end(), [&](const ComputedVariant& v) {
            return !mark.variant.empty() && v.result.variant == mark.variant;
        });
        if (mark.variant.empty() || variant == variants.end()) {
            mark.status = mark.variant.empty() ? MarkStatus::NoVariant : MarkStatus::UnknownVariant;
            mark.why = mark.variant.empty()
                           ? GEAR_TR("grading", "В файле не записан вариант (его вводят в окне «Отчёт»).")
                           : GEAR_TR("grading", "В списке нет варианта «%1».").arg(mark.variant);
            marks.students.push_back(std::move(mark));
            continue;
        }
        mark.listLine = variant->result.line;
        mark.mode = variant->result.mode;
        mark.tolerance = variant->result.tolerance.value_or(tolerance);
        compare(mark, opened.state, *variant, marks.steps);
        marks.students.push_back(std::move(mark));
    }
    std::stable_sort(marks.steps.begin(), marks.steps.end(), [](const StepTally& a, const StepTally& b) {
        // Among lines as often wrong, those where errors began first.
        return a.wrong != b.wrong ? a.wrong > b.wrong : a.firstWrong > b.firstWrong;
    });
    return marks;
}

std::string_view markStatusName(MarkStatus status)
{
    switch (status) {
    case MarkStatus::Marked: return "marked";
    case MarkStatus::HandEdited: return "hand-edited";
    case MarkStatus::Refused: return "refused";
    case MarkStatus::NoVariant: return "no-variant";
    case MarkStatus::UnknownVariant: return "unknown-variant";
    }
    return {};
}

std::string marksCsv(const GroupMarks& marks)
{
    ModeSet modes{};
    for (const StudentMark& mark : marks.students) {
        if (mark.status == MarkStatus::Marked)
            modes[static_cast<size_t>(mark.mode)] = true;
    }
    std::string text = "file,variant,list_line,mode,status,mark_percent,lines_right,lines,selfcheck_right,"
                       "selfcheck_given,tolerance_percent";
    for (size_t m = 0; m < kModeCount; ++m) {
        if (modes[m]) {
            for (const std::string_view column : answerColumns(static_cast<Mode>(m)))
                text += "," + std::string(column);
        }
    }
    text += ",first_wrong,note\n";
    for (const StudentMark& mark : marks.students) {
        const bool marked = mark.status == MarkStatus::Marked;
        const auto count = [&](int value) { return marked ? std::to_string(value) : std::string(); };
        text += csvCell(mark.file) + "," + csvCell(mark.variant) + "," + (marked ? std::to_string(mark.listLine) : "") +
                "," + (marked ? std::string(detail::kModeNames[static_cast<size_t>(mark.mode)]) : "") + "," +
                std::string(markStatusName(mark.status)) + "," + count(mark.mark) + "," + count(mark.linesRight) + "," +
                count(mark.lines) + "," + count(mark.selfCheckRight) + "," + count(mark.selfCheckGiven) + "," +
                (marked ? numberToText(Number(mark.tolerance)) : "");
        for (size_t m = 0; m < kModeCount; ++m) {
            if (!modes[m])
                continue;
            for (const std::string_view column : answerColumns(static_cast<Mode>(m))) {
                const auto key = std::find_if(mark.keys.begin(), mark.keys.end(),
                                              [&](const KeyResult& k) { return k.column == column; });
                text += ",";
                if (marked && key != mark.keys.end() && key->given)
                    text += key->right ? "1" : "0";
            }
        }
        text += "," + csvCell(mark.firstWrong) + "," + csvCell(mark.why.text()) + "\n";
    }
    return text;
}

std::string stepSummaryText(const GroupMarks& marks, const Translator& translate)
{
    std::string text;
    for (const StepTally& step : marks.steps) {
        if (step.wrong == 0)
            break;
        const std::string symbol =
            plainSymbols(step.symbol) + (step.occurrence > 1 ? " (" + std::to_string(step.occurrence) + ")" : "");
        text += GEAR_TR("grading", "«%1», %2, %3: неверно у %4 из %5, с этой строки ошибки начались у %6.")
                    .arg(Message("mode", modeTitle(step.mode)))
                    .arg(stepGroupTitle(step.screen, step.mode, translate))
                    .arg(symbol)
                    .arg(std::to_string(step.wrong))
                    .arg(std::to_string(step.of))
                    .arg(std::to_string(step.firstWrong))
                    .text(translate) +
                "\n";
    }
    if (text.empty())
        text = translated(translate, "grading",
                          GEAR_TR_NOOP("grading", "Все строки хода расчёта у всех проверенных работ верны.")) +
               std::string("\n");
    return text;
}

} // namespace gear
