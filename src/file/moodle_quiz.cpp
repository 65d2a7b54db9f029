// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/moodle_quiz.h"

#include "file/input_table.h"
#include "screens/walkthrough_text.h"
#include "shell/number_text.h"
#include "shell/self_check.h"

#include <algorithm>
#include <cmath>

namespace gear {

namespace {

std::string xmlEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // XML 1.0 takes no control characters but tab and line breaks.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
                out += c;
        }
    }
    return out;
}

// Text inside CDATA: its one forbidden sequence split across two sections.
std::string cdata(std::string_view text)
{
    std::string out = "<![CDATA[";
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "]]>") {
            out += "]]]]><![CDATA[>";
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out + "]]>";
}

// The text of a cloze sub-question: the characters its syntax gives a
// meaning are escaped with a backslash.
std::string clozeText(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '}' || c == '#' || c == '~' || c == '/' || c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string tableHtml(const ResultTable& table)
{
    std::string html = "<table border=\"1\" cellpadding=\"3\">";
    for (const std::vector<std::string>& row : table.rows) {
        html += "<tr>";
        for (const std::string& cell : row)
            html += "<td>" + xmlEscaped(cell) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

} // namespace

std::vector<QuizAnswer> quizAnswers(Mode mode)
{
    switch (mode) {
    case Mode::Transmission:
        return {{"transmission.m_design_mm", "Расчётный модуль m, мм"},
                {"transmission.m_mm", "Стандартный модуль m по ГОСТ 9563-80, мм"},
                {"transmission.d1_mm", "Делительный диаметр шестерни d1, мм"},
                {"transmission.d2_mm", "Делительный диаметр колеса d2, мм"},
                {"transmission.aw_mm", "Межосевое расстояние aw, мм"},
                {"transmission.sigmaF1_MPa", "Напряжение изгиба в зубьях шестерни σF1, МПа"},
                {"transmission.sigmaH1_MPa", "Контактное напряжение σH, МПа"}};
    case Mode::Wheel:
        return {{"wheel.mcalc_mm", "Модуль по диаметру вершин m, мм"},
                {"wheel.m_mm", "Стандартный модуль m, мм"},
                {"wheel.d_mm", "Делительный диаметр d, мм"},
                {"wheel.df_mm", "Диаметр впадин df, мм"}};
    case Mode::Check:
        return {{"check.m_mm", "Модуль m, мм"},
                {"check.Psibm", "Коэффициент ширины ψbm"},
                {"check.T_Nm", "Допускаемый момент T, Н·м"}};
    }
    return {};
}

std::string quizHead(std::string_view listName)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n  <question type=\"category\">\n"
           "    <category>\n      <text>$course$/" +
           xmlEscaped(listName) + "</text>\n    </category>\n  </question>\n";
}

std::string quizTail()
{
    return "</quiz>\n";
}

std::string quizQuestion(const VariantResult& result, const CalcState& calculation, double tolerance)
{
    const double percent = result.tolerance.value_or(tolerance);
    const std::string name = result.variant.empty() ? "line-" + std::to_string(result.line) : result.variant;
    std::string text = "<p>Вариант " + xmlEscaped(name) + ". Исходные данные:</p>" +
                       tableHtml(inputTable(calculation, result.mode, ".")) + "<p>Найдите (допуск " +
                       numberToText(Number(percent), ".") + " %):</p><ol>";
    const std::vector<std::string_view> columns = answerColumns(result.mode);
    for (const QuizAnswer& answer : quizAnswers(result.mode)) {
        const auto at = std::find(columns.begin(), columns.end(), answer.column);
        if (at == columns.end())
            continue;
        const std::string& value = result.answers[static_cast<size_t>(at - columns.begin())];
        const std::optional<double> number = typedNumber(value);
        if (!number)
            continue;
        // Moodle's numerical answers take an absolute error.
        const double error = std::abs(*number) * percent / 100.0;
        text += "<li>" + xmlEscaped(answer.prompt) + ": {1:NUMERICAL:=" + clozeText(value) + ":" +
                numberToText(error, 6, ".") + "}</li>";
    }
    text += "</ol>";
    const std::string feedback = "<pre>" + xmlEscaped(modeWalkthroughText(calculation, result.mode, ".")) + "</pre>";
    return "  <question type=\"cloze\">\n    <name>\n      <text>" + xmlEscaped("Вариант " + name) +
           "</text>\n    </name>\n    <questiontext format=\"html\">\n      <text>" + cdata(text) +
           "</text>\n    </questiontext>\n    <generalfeedback format=\"html\">\n      <text>" + cdata(feedback) +
           "</text>\n    </generalfeedback>\n    <penalty>0.3333333</penalty>\n    <hidden>0</hidden>\n"
           "  </question>\n";
}

} // namespace gear
