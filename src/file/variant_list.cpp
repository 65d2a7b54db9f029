// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_list.h"

#include "file/calculation_file.h"
#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/number_text.h"
#include "shell/reference_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>

namespace gear {

namespace {

constexpr std::array<std::string_view, kModeCount> kModeNames{"transmission", "wheel", "check"};
constexpr std::array<std::string_view, kModeCount> kRussianModeNames{"передача", "колесо", "проверка"};

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// One row's cells by column name.
class Row {
public:
    Row(const std::vector<std::string>& header, const CsvRecord& record) : m_header(header), m_record(record) {}

    std::string_view cell(std::string_view column) const
    {
        const auto found = std::find(m_header.begin(), m_header.end(), column);
        if (found == m_header.end())
            return {};
        const size_t index = static_cast<size_t>(found - m_header.begin());
        return index < m_record.cells.size() ? trimmed(m_record.cells[index]) : std::string_view();
    }

private:
    const std::vector<std::string>& m_header;
    const CsvRecord& m_record;
};

// Computes one row, or says what is wrong with it.
class VariantRunner {
public:
    VariantRunner(const Row& row, Mode mode) : m_row(row), m_mode(mode) {}

    std::string error;
    CalcState state = startUpState();
    double designModule = 0;

    bool run()
    {
        switch (m_mode) {
        case Mode::Transmission: return transmission();
        case Mode::Wheel: return wheel();
        case Mode::Check: return check();
        }
        return false;
    }

private:
    bool fail(std::string why)
    {
        error = std::move(why);
        return false;
    }

    std::optional<std::string> number(std::string_view column, bool required)
    {
        const std::string_view text = m_row.cell(column);
        if (text.empty()) {
            if (required) {
                fail("нет значения в столбце " + std::string(column) + ".");
                return std::nullopt;
            }
            return std::string();
        }
        if (!isPlainNumber(text)) {
            fail("в столбце " + std::string(column) + " стоит «" + std::string(text) +
                 "», а нужно число, записанное с точкой.");
            return std::nullopt;
        }
        return std::string(text);
    }

    // A number of an option, or one of the option names.
    std::optional<int> option(std::string_view column, const std::vector<std::string_view>& names,
                              std::string_view prefix = {})
    {
        const std::string_view text = m_row.cell(column);
        if (text.empty()) {
            fail("нет значения в столбце " + std::string(column) + ".");
            return std::nullopt;
        }
        if (const auto number = wholeNumber(text)) {
            if (*number >= 1 && *number <= static_cast<int>(names.size()))
                return number;
        }
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i] == text || (!prefix.empty() && names[i] == std::string(prefix) + std::string(text)))
                return static_cast<int>(i) + 1;
        }
        std::string offered;
        for (size_t i = 0; i < names.size(); ++i)
            offered += (i ? ", " : "") + std::to_string(i + 1) + " — " + std::string(names[i]);
        fail("в столбце " + std::string(column) + " стоит «" + std::string(text) + "», а можно: " + offered + ".");
        return std::nullopt;
    }

    Outcome step(Mode mode, ScreenId screen, GivenInputs given)
    {
        return runStep(state, {mode, screen, std::move(given)});
    }

    bool refused(const Outcome& outcome)
    {
        if (outcome.refused())
            return !fail(outcome.refusal.text());
        return false;
    }

    // The treatment and the steel of the screens a hardness or requirement
    // leads to, then the input screen.
    bool material(ScreenId treatmentScreen)
    {
        const auto treatment = option("treatment", treatmentOptions(treatmentScreen));
        if (!treatment)
            return false;
        const Outcome treated = step(m_mode, treatmentScreen, {*treatment, {}});
        if (!treated.next)
            return fail("способ обработки не выбран.");
        const ScreenId next = *treated.next;
        if (next == ScreenId::Vvod2 || next == ScreenId::Vvod3) {
            if (!m_row.cell("steel").empty())
                return fail("при азотировании сталь одна (30Х2МЮА): оставьте столбец steel пустым.");
            return true;
        }
        const auto grade = option("steel", steelScreenContent(next).grades, "Сталь ");
        if (!grade)
            return false;
        const Outcome graded = step(m_mode, next, {*grade, {}});
        return !refused(graded);
    }

    bool moduleTaken(Mode mode)
    {
        const auto module = number("m", true);
        if (!module)
            return false;
        const double value = numberFromText(*module);
        std::string row1;
        std::string row2;
        for (const std::string_view item : kModuleRow1) {
            if (!item.empty() && numberFromText(item) == value)
                row1 = item;
        }
        for (const std::string_view item : kModuleRow2) {
            if (!item.empty() && numberFromText(item) == value)
                row2 = item;
        }
        if (row1.empty() && row2.empty())
            return fail("модуля " + *module + " мм нет в рядах ГОСТ 9563-80.");
        const Outcome chosen = step(mode, ScreenId::Vibor, {0, {row1, row2}});
        return !refused(chosen);
    }

    bool transmission()
    {
        const std::string_view rowText = m_row.cell("row");
        const auto row = wholeNumber(rowText);
        if (!row || *row < 1 || *row > 7)
            return fail("в столбце row должен стоять номер строки таблицы твёрдости, от 1 до 7.");
        const Outcome hardness = step(Mode::Transmission, ScreenId::ATverd, {*row, {}});
        if (!material(*hardness.next))
            return false;
        const auto Z1 = number("Z1", true);
        const auto beta = Z1 ? number("beta", false) : std::nullopt;
        const auto T1 = beta ? number("T1", true) : std::nullopt;
        const auto U = T1 ? number("U", true) : std::nullopt;
        if (!U)
            return false;
        if (refused(step(Mode::Transmission, ScreenId::Vvod2, {0, {*Z1, *beta, *T1, *U}})))
            return false;
        designModule = state.m;
        if (!moduleTaken(Mode::Transmission))
            return false;
        const std::string_view steel = m_row.cell("final_steel");
        if (!steel.empty()) {
            const auto index = wholeNumber(steel);
            if (!index || *index < 1 || *index > static_cast<int>(kSteelRows.size()))
                return fail("в столбце final_steel должен стоять номер строки таблицы сталей, от 1 до 29.");
            step(Mode::Transmission, ScreenId::okon, {*index, {}});
        }
        return true;
    }

    bool check()
    {
        const auto requirement = option("requirement", {kRequirementOptions.begin(), kRequirementOptions.end()});
        if (!requirement)
            return false;
        const Outcome asked = step(Mode::Check, ScreenId::trebov2, {*requirement, {}});
        if (!material(*asked.next))
            return false;
        const auto d = number("d", true);
        const auto z = d ? number("z", true) : std::nullopt;
        const auto beta = z ? number("beta", false) : std::nullopt;
        const auto b = beta ? number("b", true) : std::nullopt;
        if (!b)
            return false;
        return !refused(step(Mode::Check, ScreenId::Vvod3, {0, {*d, *z, *beta, *b}}));
    }

    bool wheel()
    {
        std::vector<std::string> texts;
        for (const auto& [column, required] : std::array<std::pair<std::string_view, bool>, 6>{
                 {{"Z1", true}, {"beta", false}, {"dv", false}, {"da", true}, {"bw", false}, {"Lst", false}}}) {
            const auto text = number(column, required);
            if (!text)
                return false;
            texts.push_back(*text);
        }
        if (refused(step(Mode::Wheel, ScreenId::Vvod, {0, texts})))
            return false;
        return moduleTaken(Mode::Wheel);
    }

    const Row& m_row;
    Mode m_mode;
};

std::string shownNumber(Number value)
{
    return numberToText(value, ".");
}

std::vector<std::string> answersOf(const VariantRunner& runner, Mode mode)
{
    const CalcState& s = runner.state;
    const auto& kept = s.results[static_cast<size_t>(mode)];
    const Quantities& q = kept ? kept->values : static_cast<const Quantities&>(s);
    switch (mode) {
    case Mode::Transmission:
        return {shownNumber(runner.designModule),
                shownNumber(q.m),
                shownNumber(q.d),
                shownNumber(q.d2),
                shownNumber(q.da),
                shownNumber(q.da2),
                shownNumber(q.df),
                shownNumber(q.df2),
                shownNumber(q.aw),
                shownNumber(q.bw1),
                shownNumber(q.bw2),
                shownNumber(q.sigmaF1),
                shownNumber(q.sigmaF2),
                shownNumber(q.sigmaH1),
                shownNumber(q.sigmaH2),
                kept ? kept->steelGrade : std::string()};
    case Mode::Wheel: {
        const ScreenId sketch = wheelSketchScreen(q.da);
        const std::string design = sketch == ScreenId::vivod1   ? "solid"
                                   : sketch == ScreenId::vivod2 ? "disc"
                                                                : "spoked";
        // Only the dimensions the design's sketch gives.
        auto shownIf = [&](Number Quantities::*field) {
            for (const SketchRow& row : sketchRows(sketch)) {
                if (row.value == field)
                    return shownNumber(q.*field);
            }
            return std::string();
        };
        using Q = Quantities;
        return {shownNumber(q.mcalc), shownNumber(q.m),   design,           shownIf(&Q::d),      shownIf(&Q::df),
                shownIf(&Q::da),      shownIf(&Q::dvStd), shownIf(&Q::bw1), shownIf(&Q::dstStd), shownIf(&Q::LstStd),
                shownIf(&Q::D0),      shownIf(&Q::d0),    shownIf(&Q::C),   shownIf(&Q::Delta0), shownIf(&Q::R),
                shownIf(&Q::L)};
    }
    case Mode::Check: return {shownNumber(q.m), shownNumber(q.Psibm), shownNumber(q.Tcalc)};
    }
    return {};
}

bool isPlainName(std::string_view text)
{
    if (text.empty() || text.size() > 64 || text.front() == '.')
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
               c == '_' || c == '.';
    });
}

} // namespace

bool parseCsv(std::string_view text, std::vector<CsvRecord>& records, int& badLine)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int line = 1;
    size_t i = 0;
    while (i < text.size()) {
        // A blank line or a comment.
        const size_t end = text.find('\n', i);
        const std::string_view whole = text.substr(i, end == std::string_view::npos ? text.size() - i : end - i);
        if (trimmed(whole).empty() || trimmed(whole) == "\r" || trimmed(whole).front() == '#') {
            i = end == std::string_view::npos ? text.size() : end + 1;
            ++line;
            continue;
        }
        CsvRecord record{line, {}};
        std::string cell;
        bool quoted = false;
        bool done = false;
        while (!done) {
            if (i >= text.size()) {
                if (quoted) {
                    badLine = record.line;
                    return false;
                }
                done = true;
                break;
            }
            const char c = text[i++];
            if (quoted) {
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        cell += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n')
                        ++line;
                    cell += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                record.cells.push_back(std::move(cell));
                cell.clear();
            } else if (c == '\n') {
                ++line;
                done = true;
            } else if (c != '\r') {
                cell += c;
            }
        }
        record.cells.push_back(std::move(cell));
        records.push_back(std::move(record));
    }
    return true;
}

std::string csvCell(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}

bool isPlainNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponent = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return false;
    }
    return i == text.size();
}

std::vector<std::string_view> variantInputColumns()
{
    return {"variant", "mode", "row", "requirement", "treatment", "steel", "Z1",  "beta", "T1",         "U",
            "d",       "z",    "b",   "dv",          "da",        "bw",    "Lst", "m",    "final_steel"};
}

std::vector<std::string_view> answerColumns(Mode mode)
{
    switch (mode) {
    case Mode::Transmission:
        return {"m_design", "m",   "d1",  "d2",      "da1",     "da2",     "df1",     "df2",
                "aw",       "bw1", "bw2", "sigmaF1", "sigmaF2", "sigmaH1", "sigmaH2", "steel"};
    case Mode::Wheel:
        return {"mcalc",  "m",      "design", "d",  "df", "da",     "dvStd", "bw1",
                "dstStd", "LstStd", "D0",     "d0", "C",  "Delta0", "R",     "L"};
    case Mode::Check: return {"m", "Psibm", "T"};
    }
    return {};
}

VariantRun computeVariants(std::string_view csv, const VariantObserver& each)
{
    VariantRun run;
    std::vector<CsvRecord> records;
    int badLine = 0;
    if (!parseCsv(csv, records, badLine)) {
        run.fatal = "строка " + std::to_string(badLine) + ": кавычка в ней не закрыта до конца файла.";
        return run;
    }
    if (records.empty()) {
        run.fatal = "в списке нет даже строки заголовка.";
        return run;
    }
    std::vector<std::string> header;
    const std::vector<std::string_view> known = variantInputColumns();
    for (const std::string& cell : records.front().cells) {
        const std::string name(trimmed(cell));
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            run.fatal = "строка " + std::to_string(records.front().line) + ": неизвестный столбец «" + name + "».";
            return run;
        }
        if (std::find(header.begin(), header.end(), name) != header.end()) {
            run.fatal = "строка " + std::to_string(records.front().line) + ": столбец «" + name + "» повторяется.";
            return run;
        }
        header.push_back(name);
    }
    if (std::find(header.begin(), header.end(), "mode") == header.end()) {
        run.fatal = "строка " + std::to_string(records.front().line) + ": в заголовке нет столбца mode.";
        return run;
    }
    std::map<std::string, int, std::less<>> seen;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.cells.size() != header.size()) {
            run.errors.push_back({record.line, "в строке " + std::to_string(record.cells.size()) +
                                                   " ячеек, а в заголовке " + std::to_string(header.size()) + "."});
            continue;
        }
        const Row row(header, record);
        const std::string_view modeText = row.cell("mode");
        std::optional<Mode> mode;
        for (size_t m = 0; m < kModeCount; ++m) {
            if (modeText == kModeNames[m] || modeText == kRussianModeNames[m])
                mode = static_cast<Mode>(m);
        }
        if (!mode) {
            run.errors.push_back({record.line, "в столбце mode стоит «" + std::string(modeText) +
                                                   "», а нужно transmission, wheel или check."});
            continue;
        }
        const std::string variant(row.cell("variant"));
        if (!variant.empty()) {
            const auto [earlier, fresh] = seen.try_emplace(variant, record.line);
            if (!fresh) {
                run.errors.push_back({record.line, "вариант «" + variant + "» уже был в строке " +
                                                       std::to_string(earlier->second) + "."});
                continue;
            }
        }
        VariantRunner runner(row, *mode);
        if (!runner.run()) {
            run.errors.push_back({record.line, runner.error});
            continue;
        }
        run.results.push_back({record.line, variant, *mode, answersOf(runner, *mode)});
        if (each)
            each(run.results.back(), runner.state);
    }
    return run;
}

std::string answersCsv(const VariantRun& run)
{
    std::array<bool, kModeCount> present{};
    for (const VariantResult& result : run.results)
        present[static_cast<size_t>(result.mode)] = true;
    std::string csv = "line,variant,mode";
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!present[m])
            continue;
        for (const std::string_view column : answerColumns(static_cast<Mode>(m)))
            csv += ',' + std::string(column);
    }
    csv += '\n';
    for (const VariantResult& result : run.results) {
        csv += std::to_string(result.line) + ',' + csvCell(result.variant) + ',' +
               std::string(kModeNames[static_cast<size_t>(result.mode)]);
        for (size_t m = 0; m < kModeCount; ++m) {
            if (!present[m])
                continue;
            const Mode mode = static_cast<Mode>(m);
            const size_t count = answerColumns(mode).size();
            for (size_t i = 0; i < count; ++i)
                csv += ',' + (mode == result.mode ? csvCell(result.answers[i]) : std::string());
        }
        csv += '\n';
    }
    return csv;
}

std::string variantFileName(const VariantResult& result)
{
    if (isPlainName(result.variant))
        return result.variant + ".txt";
    return "line-" + std::to_string(result.line) + ".txt";
}

} // namespace gear
