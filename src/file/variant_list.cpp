// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_list.h"

#include "file/excerpt.h"
#include "file/variant_answers.h"
#include "file/variant_steps.h"
#include "shell/number_text.h"
#include "shell/self_check.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace gear {

namespace {

using detail::answersOf;
using detail::modeNamed;
using detail::Row;
using detail::runVariantSteps;
using detail::trimmed;
using detail::VariantSteps;
using detail::wholeNumber;

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads the header: the columns by name, or why the list cannot be used.
std::string readHeader(const CsvRecord& record, std::vector<std::string>& header)
{
    const std::string where = "строка " + std::to_string(record.line) + ": ";
    if (record.tooLong)
        return where + "заголовок длиннее " + std::to_string(kMaxCsvRecordSize / 1024) + " КиБ.";
    const std::vector<std::string_view> known = variantInputColumns();
    for (const std::string& cell : record.cells) {
        const std::string name(trimmed(cell));
        if (std::find(known.begin(), known.end(), name) == known.end())
            return where + "неизвестный столбец «" + excerpt(name) + "».";
        if (std::find(header.begin(), header.end(), name) != header.end())
            return where + "столбец «" + name + "» повторяется.";
        header.push_back(name);
    }
    if (std::find(header.begin(), header.end(), "mode") == header.end())
        return where + "в заголовке нет столбца mode.";
    return {};
}

// The first line of a list that is neither blank nor a comment is its header.
// Survey and computation read it alike.
bool headerOf(CsvReader& reader, std::vector<std::string>& header, std::string& fatal)
{
    CsvRecord record;
    if (!reader.next(record)) {
        fatal = reader.unclosedQuoteLine() != 0 ? "строка " + std::to_string(reader.unclosedQuoteLine()) +
                                                      ": кавычка в ней не закрыта до конца файла."
                                                : "в списке нет даже строки заголовка.";
        return false;
    }
    fatal = readHeader(record, header);
    return fatal.empty();
}

// A 64-bit FNV-1a hash: the variants seen are kept as these, so that a list
// of a million rows does not keep a million names. Two different names of
// one list share a hash with a chance of about n²/2⁶⁵ — for 100,000 rows,
// three in ten billion.
std::uint64_t nameHash(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

template <size_t N>
bool isOneOf(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Whether cells taken under the header could be a row: a mode under mode,
// numbers or nothing under the numbers, and no fraction where a row or an
// option of a table goes.
bool couldBeARow(const std::vector<std::string>& header, const std::vector<std::string>& cells)
{
    static constexpr std::array<std::string_view, 12> kNumbers{"Z1", "beta", "T1", "U",  "d",   "z",
                                                               "b",  "dv",   "da", "bw", "Lst", "m"};
    static constexpr std::array<std::string_view, 5> kWhole{"row", "final_steel", "requirement", "treatment", "steel"};
    for (size_t i = 0; i < header.size() && i < cells.size(); ++i) {
        const std::string_view cell = trimmed(cells[i]);
        if (header[i] == "mode" && !modeNamed(cell))
            return false;
        if (isOneOf(kNumbers, header[i]) && !cell.empty() && !isPlainNumber(cell))
            return false;
        if (isOneOf(kWhole, header[i]) && isPlainNumber(cell) && !wholeNumber(cell))
            return false;
    }
    return true;
}

// A row with more cells than the header, where a decimal comma may have cut a
// number in two: the number, when one reading of the row makes sense, or a
// word of the rule.
std::string decimalCommaHint(const std::vector<std::string>& header, const CsvRecord& record)
{
    if (record.cells.size() <= header.size())
        return {};
    std::string reading;
    int readings = 0;
    bool cutNumbers = false;
    for (size_t i = 0; i + 1 < record.cells.size(); ++i) {
        const std::string_view whole = trimmed(record.cells[i]);
        const std::string_view fraction = trimmed(record.cells[i + 1]);
        const bool signed_ = !whole.empty() && (whole.front() == '-' || whole.front() == '+');
        if (!isDigits(whole.substr(signed_ ? 1 : 0)) || !isDigits(fraction))
            continue;
        cutNumbers = true;
        if (record.cells.size() != header.size() + 1)
            continue;
        std::vector<std::string> joined = record.cells;
        joined[i] = std::string(whole) + "." + std::string(fraction);
        joined.erase(joined.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        if (couldBeARow(header, joined)) {
            ++readings;
            reading = std::string(whole) + "," + std::string(fraction);
        }
    }
    if (readings == 1) {
        std::string dotted = reading;
        dotted[dotted.find(',')] = '.';
        return " Похоже, «" + reading + "» — дробь с десятичной запятой: в списке дробь пишется с точкой (" + dotted +
               ").";
    }
    if (cutNumbers)
        return " Если в строке есть дробь с десятичной запятой (2,5), пишите её с точкой (2.5).";
    return {};
}

// One row after the header: its result, or why it has none.
class RowComputer {
public:
    explicit RowComputer(std::vector<std::string> header) : m_header(std::move(header)) {}

    // False when `computed` asks to stop.
    bool compute(const CsvRecord& record, const VariantObserver& computed, const VariantRefusalObserver& refused)
    {
        const auto refuse = [&](std::string why) {
            if (refused)
                refused({record.line, std::move(why)});
            return true;
        };
        if (record.tooLong)
            return refuse("строка длиннее " + std::to_string(kMaxCsvRecordSize / 1024) +
                          " КиБ: в ней не может быть одного варианта.");
        if (record.cells.size() != m_header.size())
            return refuse("в строке " + std::to_string(record.cells.size()) + " ячеек, а в заголовке " +
                          std::to_string(m_header.size()) + "." + decimalCommaHint(m_header, record));
        const Row row(m_header, record);
        const std::string_view modeText = row.cell("mode");
        const std::optional<Mode> mode = modeNamed(modeText);
        if (!mode)
            return refuse("в столбце mode стоит «" + excerpt(modeText) + "», а нужно transmission, wheel или check.");
        const std::string variant(row.cell("variant"));
        if (!variant.empty()) {
            const auto [earlier, fresh] = m_seen.try_emplace(nameHash(variant), record.line);
            if (!fresh)
                return refuse("вариант «" + excerpt(variant) + "» уже был в строке " + std::to_string(earlier->second) +
                              ".");
        }
        std::optional<double> tolerance;
        if (const std::string_view cell = row.cell("tolerance"); !cell.empty()) {
            const double percent = isPlainNumber(cell) ? numberFromText(cell) : 0.0;
            if (!(percent > 0.0 && percent <= kMaxSelfCheckTolerance))
                return refuse("в столбце tolerance стоит «" + excerpt(cell) +
                              "», а нужен допуск в процентах, больше 0 и не больше " +
                              numberToText(Number(kMaxSelfCheckTolerance)) + ".");
            tolerance = percent;
        }
        const VariantSteps steps = runVariantSteps(row, *mode);
        if (!steps.computed)
            return refuse(steps.error);
        return !computed ||
               computed({record.line, variant, *mode, answersOf(steps.state, steps.designModule, *mode), tolerance},
                        steps.state);
    }

private:
    std::vector<std::string> m_header;
    std::unordered_map<std::uint64_t, int> m_seen; // the line of each variant's name
};

} // namespace

std::vector<std::string_view> variantInputColumns()
{
    return {"variant", "mode", "row", "requirement", "treatment", "steel", "Z1",  "beta", "T1",          "U",
            "d",       "z",    "b",   "dv",          "da",        "bw",    "Lst", "m",    "final_steel", "tolerance"};
}

VariantListSurvey surveyVariants(std::istream& list)
{
    VariantListSurvey survey;
    CsvReader reader(list);
    std::vector<std::string> header;
    if (!headerOf(reader, header, survey.fatal))
        return survey;
    CsvRecord record;
    while (reader.next(record)) {
        if (reader.bytesRead() > kMaxVariantListSize)
            break;
        if (record.tooLong || record.cells.size() != header.size())
            continue;
        if (const std::optional<Mode> mode = modeNamed(Row(header, record).cell("mode")))
            survey.modes[static_cast<size_t>(*mode)] = true;
    }
    if (reader.failed())
        survey.fatal = "список не читается до конца: это не текстовый файл или диск повреждён.";
    else if (reader.bytesRead() > kMaxVariantListSize)
        survey.fatal = "список больше " + std::to_string(kMaxVariantListSize / (1024 * 1024)) +
                       " МиБ: столько вариантов не бывает, это не список вариантов.";
    else if (reader.unclosedQuoteLine() != 0)
        survey.fatal =
            "строка " + std::to_string(reader.unclosedQuoteLine()) + ": кавычка в ней не закрыта до конца файла.";
    return survey;
}

bool computeVariants(std::istream& list, const VariantObserver& computed, const VariantRefusalObserver& refused)
{
    CsvReader reader(list);
    std::vector<std::string> header;
    std::string fatal;
    if (!headerOf(reader, header, fatal))
        return !reader.failed();
    RowComputer rows(std::move(header));
    CsvRecord record;
    while (reader.bytesRead() <= kMaxVariantListSize && reader.next(record)) {
        if (!rows.compute(record, computed, refused))
            break;
    }
    return !reader.failed();
}

VariantRun computeVariants(std::string_view csv, const VariantObserver& each)
{
    VariantRun run;
    std::istringstream list{std::string(csv)};
    const VariantListSurvey survey = surveyVariants(list);
    run.fatal = survey.fatal;
    run.modes = survey.modes;
    if (!run.fatal.empty())
        return run;
    list.clear();
    list.seekg(0);
    computeVariants(
        list,
        [&](const VariantResult& result, const CalcState& calculation) {
            run.results.push_back(result);
            return !each || each(result, calculation);
        },
        [&](const VariantError& error) { run.errors.push_back(error); });
    return run;
}

} // namespace gear
