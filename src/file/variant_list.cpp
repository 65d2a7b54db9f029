// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_list.h"

#include "file/calculation_file.h"
#include "file/excerpt.h"
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
#include <istream>
#include <optional>
#include <sstream>
#include <streambuf>
#include <unordered_map>

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

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Mode> modeNamed(std::string_view text)
{
    const std::string typed = foldLookAlikes(text);
    for (size_t m = 0; m < kModeCount; ++m) {
        if (typed == foldLookAlikes(kModeNames[m]) || typed == foldLookAlikes(kRussianModeNames[m]))
            return static_cast<Mode>(m);
    }
    return std::nullopt;
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
            fail("в столбце " + std::string(column) + " стоит «" + excerpt(text) +
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
        const std::string typed = foldLookAlikes(text);
        const std::string prefixed = foldLookAlikes(std::string(prefix) + std::string(text));
        for (size_t i = 0; i < names.size(); ++i) {
            const std::string name = foldLookAlikes(names[i]);
            if (name == typed || (!prefix.empty() && name == prefixed))
                return static_cast<int>(i) + 1;
        }
        std::string offered;
        for (size_t i = 0; i < names.size(); ++i)
            offered += (i ? ", " : "") + std::to_string(i + 1) + " — " + std::string(names[i]);
        fail("в столбце " + std::string(column) + " стоит «" + excerpt(text) + "», а можно: " + offered + ".");
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

    // The module as the module screen takes a typed one: the core's own rule
    // decides which modules a calculation can use. A module of either row of
    // the standard is given as that row's item, so that the walkthrough says
    // which row it came from; any other goes in the first row's field.
    bool moduleTaken(Mode mode)
    {
        const auto module = number("m", true);
        if (!module)
            return false;
        const double value = numberFromText(*module);
        std::string row1 = *module;
        std::string row2;
        for (const std::string_view item : kModuleRow1) {
            if (!item.empty() && numberFromText(item) == value)
                row1 = item;
        }
        for (const std::string_view item : kModuleRow2) {
            if (!item.empty() && numberFromText(item) == value) {
                row1.clear();
                row2 = item;
            }
        }
        const Outcome chosen = step(mode, ScreenId::Vibor, {0, {row1, row2}});
        // A module the screen cannot take opens its error screen; the
        // walkthrough keeps the reason.
        if (chosen.next == ScreenId::oshibka1) {
            const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
            if (groups && !groups->empty() && !groups->back().refusal.empty())
                return fail(groups->back().refusal.text());
            return fail("модуль " + excerpt(*module) + " мм не взят.");
        }
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
        VariantRunner runner(row, *mode);
        if (!runner.run())
            return refuse(runner.error);
        return !computed || computed({record.line, variant, *mode, answersOf(runner, *mode)}, runner.state);
    }

private:
    std::vector<std::string> m_header;
    std::unordered_map<std::uint64_t, int> m_seen; // the line of each variant's name
};

} // namespace

CsvReader::CsvReader(std::istream& in) : m_in(in.rdbuf())
{
}

// The stream's buffer is read directly, past the stream that would have
// caught what it throws when the file cannot be read (a folder, a disk
// error): a throw ends the text and is kept as a failure.
int CsvReader::get()
{
    if (!m_in || m_failed)
        return std::char_traits<char>::eof();
    try {
        const int c = m_in->sbumpc();
        if (c != std::char_traits<char>::eof())
            ++m_bytes;
        return c;
    } catch (const std::exception&) {
        m_failed = true;
        return std::char_traits<char>::eof();
    }
}

int CsvReader::peek()
{
    if (!m_in || m_failed)
        return std::char_traits<char>::eof();
    try {
        return m_in->sgetc();
    } catch (const std::exception&) {
        m_failed = true;
        return std::char_traits<char>::eof();
    }
}

bool CsvReader::next(CsvRecord& record)
{
    constexpr int kEnd = std::char_traits<char>::eof();
    record = CsvRecord{};
    if (!m_started) {
        m_started = true;
        // A byte order mark, as spreadsheet programs write it.
        if (peek() == 0xEF) {
            get();
            if (peek() == 0xBB) {
                get();
                if (peek() == 0xBF)
                    get();
            }
        }
    }
    // Blank lines and comments; the blanks before a row's first character
    // belong to its first cell, which is trimmed anyway.
    std::string lead;
    for (;;) {
        const int c = peek();
        if (c == ' ' || c == '\t' || c == '\r') {
            lead += static_cast<char>(get());
            continue;
        }
        if (c == kEnd)
            return false;
        if (c == '\n') {
            get();
            ++m_line;
            lead.clear();
            continue;
        }
        if (c == '#') {
            for (int skipped = get(); skipped != kEnd && skipped != '\n'; skipped = get()) {
            }
            ++m_line;
            lead.clear();
            continue;
        }
        break;
    }
    record.line = m_line;
    std::string cell;
    std::erase(lead, '\r');
    cell = lead;
    std::size_t size = lead.size();
    bool quoted = false;
    const auto keep = [&](char c) {
        if (++size > kMaxCsvRecordSize && !record.tooLong) {
            record.tooLong = true;
            record.cells.clear();
            cell.clear();
        }
        if (!record.tooLong)
            cell += c;
    };
    const auto endCell = [&] {
        if (!record.tooLong)
            record.cells.push_back(std::move(cell));
        cell.clear();
    };
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (quoted) {
                m_unclosedLine = record.line;
                return false;
            }
            break;
        }
        if (quoted) {
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    keep('"');
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++m_line;
                keep(static_cast<char>(c));
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            ++size;
            endCell();
        } else if (c == '\n') {
            ++m_line;
            break;
        } else if (c != '\r') {
            keep(static_cast<char>(c));
        }
    }
    endCell();
    return true;
}

bool parseCsv(std::string_view text, std::vector<CsvRecord>& records, int& badLine)
{
    std::istringstream in{std::string(text)};
    CsvReader reader(in);
    CsvRecord record;
    while (reader.next(record))
        records.push_back(std::move(record));
    badLine = reader.unclosedQuoteLine();
    return badLine == 0;
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

std::string foldLookAlikes(std::string_view text)
{
    // Latin capitals and small letters drawn like Cyrillic ones, and ё.
    static constexpr std::array<std::pair<char, std::string_view>, 19> kLatin{{
        {'A', "А"}, {'B', "В"}, {'C', "С"}, {'E', "Е"}, {'H', "Н"}, {'K', "К"}, {'M', "М"},
        {'O', "О"}, {'P', "Р"}, {'T', "Т"}, {'X', "Х"}, {'Y', "У"}, {'a', "а"}, {'c', "с"},
        {'e', "е"}, {'o', "о"}, {'p', "р"}, {'x', "х"}, {'y', "у"},
    }};
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto latin =
            std::find_if(kLatin.begin(), kLatin.end(), [c](const auto& pair) { return pair.first == c; });
        if (latin != kLatin.end()) {
            folded += latin->second;
        } else if (text.substr(i, 2) == "ё") {
            folded += "е";
            ++i;
        } else if (text.substr(i, 2) == "Ё") {
            folded += "Е";
            ++i;
        } else {
            folded += c;
        }
    }
    return folded;
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
        return {"transmission.m_design_mm", "transmission.m_mm",        "transmission.d1_mm",
                "transmission.d2_mm",       "transmission.da1_mm",      "transmission.da2_mm",
                "transmission.df1_mm",      "transmission.df2_mm",      "transmission.aw_mm",
                "transmission.bw1_mm",      "transmission.bw2_mm",      "transmission.sigmaF1_MPa",
                "transmission.sigmaF2_MPa", "transmission.sigmaH1_MPa", "transmission.sigmaH2_MPa",
                "transmission.steel"};
    case Mode::Wheel:
        return {"wheel.mcalc_mm", "wheel.m_mm",      "wheel.design",    "wheel.d_mm",      "wheel.df_mm", "wheel.da_mm",
                "wheel.dvStd_mm", "wheel.bw1_mm",    "wheel.dstStd_mm", "wheel.LstStd_mm", "wheel.D0_mm", "wheel.d0_mm",
                "wheel.C_mm",     "wheel.Delta0_mm", "wheel.R_mm",      "wheel.L_mm"};
    case Mode::Check: return {"check.m_mm", "check.Psibm", "check.T_Nm"};
    }
    return {};
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

std::string answersHeader(const ModeSet& modes)
{
    std::string csv = "line,variant,mode";
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!modes[m])
            continue;
        for (const std::string_view column : answerColumns(static_cast<Mode>(m)))
            csv += ',' + std::string(column);
    }
    return csv + '\n';
}

std::string answersRow(const VariantResult& result, const ModeSet& modes)
{
    std::string csv = std::to_string(result.line) + ',' + csvCell(result.variant) + ',' +
                      std::string(kModeNames[static_cast<size_t>(result.mode)]);
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!modes[m])
            continue;
        const Mode mode = static_cast<Mode>(m);
        const size_t count = answerColumns(mode).size();
        for (size_t i = 0; i < count; ++i)
            csv += ',' + (mode == result.mode ? csvCell(result.answers[i]) : std::string());
    }
    return csv + '\n';
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

std::string answersCsv(const VariantRun& run)
{
    std::string csv = answersHeader(run.modes);
    for (const VariantResult& result : run.results)
        csv += answersRow(result, run.modes);
    return csv;
}

std::string variantFileName(const VariantResult& result)
{
    if (isPlainName(result.variant))
        return result.variant + ".txt";
    return "line-" + std::to_string(result.line) + ".txt";
}

} // namespace gear
