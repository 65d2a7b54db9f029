// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/calculation_file.h"

#include "geometry/mesh_checks.h"
#include "geometry/pair_checks.h"
#include "geometry/standard_series.h"

#include "file/excerpt.h"
#include "geometry/module_choice.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/steel_table.h"
#include "material/treatment_method.h"
#include "screens/screen_catalogue.h"
#include "screens/walkthrough_text.h"
#include "shell/angle.h"
#include "shell/input_range.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>

namespace gear {

using Json = nlohmann::ordered_json;

namespace {

constexpr std::array<std::string_view, kModeCount> kModeKeys{"transmission", "wheel", "check"};

// How a screen's Ok is given its inputs in the file: an option, row or list
// item under `choiceField`, or texts under `textFields`, in the order the Ok
// reads them.
struct ScreenForm {
    ScreenId screen;
    std::string_view choiceField;
    std::vector<std::string_view> textFields;
    bool startsChain;
    // A text the Ok may go without, after the others: written only when
    // typed, so that a file of a version without it reads the same.
    std::string_view optionalText = {};
};

const std::vector<ScreenForm>& screenForms()
{
    static const std::vector<ScreenForm> forms{
        {ScreenId::ATverd, "row", {}, true},
        {ScreenId::trebov2, "option", {}, true},
        {ScreenId::BNormal2, "option", {}, false},
        {ScreenId::Czakalka2, "option", {}, false},
        {ScreenId::stal1, "option", {}, false},
        {ScreenId::stal2, "option", {}, false},
        {ScreenId::stal3, "option", {}, false},
        {ScreenId::stal4, "option", {}, false},
        {ScreenId::stal5, "option", {}, false},
        {ScreenId::Vvod2, {}, {"Z1", "beta", "T1", "U"}, false, "n1"},
        {ScreenId::Vibor, {}, {"row1", "row2"}, false},
        {ScreenId::okon, "steel", {}, false},
        {ScreenId::Vvod, {}, {"Z1", "beta", "dv", "da", "bw", "Lst"}, true},
        {ScreenId::Vvod3, {}, {"d", "z", "beta", "b"}, false},
    };
    return forms;
}

const ScreenForm* formOf(ScreenId screen)
{
    for (const ScreenForm& form : screenForms()) {
        if (form.screen == screen)
            return &form;
    }
    return nullptr;
}

// The field that names the choice beside its number.
std::string_view nameField(ScreenId screen)
{
    if (isSteelScreen(screen) || screen == ScreenId::okon)
        return "grade";
    if (screen == ScreenId::ATverd)
        return {};
    return "name";
}

// The lowest choice an Ok of the screen runs with: a steel screen whose rule
// needs no grade runs with none marked, the final material with no steel.
int lowestChoice(ScreenId screen)
{
    return isSteelScreen(screen) || screen == ScreenId::okon ? 0 : 1;
}

int highestChoice(ScreenId screen)
{
    if (screen == ScreenId::ATverd)
        return 7;
    return static_cast<int>(choiceNames(screen).size());
}

const NumberField* numberField(std::string_view name)
{
    for (const NumberField& field : kNumberFields) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

// Whole numbers are written without a fraction, the rest with as many
// digits as read back to the same double.
Json numberJson(double value)
{
    if (std::trunc(value) == value && std::abs(value) < 9.007199254740992e15)
        return static_cast<std::int64_t>(value);
    return value;
}

bool sameNumber(double stored, double computed)
{
    // The same build gives the same bits; another build's mathematics
    // library may differ in the last place of a cosine or a cube root.
    return std::abs(stored - computed) <= 1e-12 * std::max(std::abs(stored), std::abs(computed));
}

// --- Reading ---------------------------------------------------------------

// Reads the document, or keeps the first thing wrong with it.
class Reader {
public:
    bool failed() const { return !m_refusal.empty(); }
    const Message& refusal() const { return m_refusal; }

    bool fail(Message why)
    {
        if (m_refusal.empty())
            m_refusal = std::move(why);
        return false;
    }

    bool expect(const Json& value, Json::value_t kind, const std::string& path)
    {
        const bool number = kind == Json::value_t::number_float;
        const bool integer = kind == Json::value_t::number_integer;
        bool ok = false;
        if (number)
            ok = value.is_number();
        else if (integer)
            ok = value.is_number_integer();
        else
            ok = value.type() == kind;
        if (ok)
            return true;
        Message what = kind == Json::value_t::object ? GEAR_TR("file", "Поле %1 должно быть объектом.")
                       : kind == Json::value_t::array ? GEAR_TR("file", "Поле %1 должно быть списком.")
                       : kind == Json::value_t::string ? GEAR_TR("file", "Поле %1 должно быть строкой.")
                       : integer ? GEAR_TR("file", "Поле %1 должно быть целым числом.")
                                 : GEAR_TR("file", "Поле %1 должно быть числом.");
        return fail(std::move(what).arg(path));
    }

    // Every key of the object must be one of `known`.
    bool onlyKnown(const Json& object, const std::vector<std::string_view>& known, const std::string& path)
    {
        for (const auto& [key, value] : object.items()) {
            if (std::find(known.begin(), known.end(), key) == known.end())
                return fail(
                    GEAR_TR("file", "Неизвестное поле %1.").arg(path + (path.empty() ? "" : ".") + excerpt(key)));
        }
        return true;
    }

    const Json* required(const Json& object, std::string_view key, const std::string& path)
    {
        const auto found = object.find(std::string(key));
        if (found == object.end()) {
            fail(GEAR_TR("file", "В файле нет поля %1.").arg(path + (path.empty() ? "" : ".") + std::string(key)));
            return nullptr;
        }
        return &*found;
    }

    std::optional<long long> integer(const Json& value, const std::string& path)
    {
        if (!expect(value, Json::value_t::number_integer, path))
            return std::nullopt;
        if (value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t(std::numeric_limits<int>::max())) {
            fail(GEAR_TR("file", "Число в поле %1 слишком велико.").arg(path));
            return std::nullopt;
        }
        const long long number = value.get<long long>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
            fail(GEAR_TR("file", "Число в поле %1 слишком велико.").arg(path));
            return std::nullopt;
        }
        return number;
    }

    std::optional<double> finite(const Json& value, const std::string& path)
    {
        if (!expect(value, Json::value_t::number_float, path))
            return std::nullopt;
        const double number = value.get<double>();
        if (!std::isfinite(number)) {
            fail(GEAR_TR("file", "Поле %1 не является конечным числом.").arg(path));
            return std::nullopt;
        }
        return number;
    }

    void readDefaults(const Json& object, CoefficientSet& defaults)
    {
        if (!expect(object, Json::value_t::object, "defaults"))
            return;
        for (const auto& [key, value] : object.items()) {
            // Named, as a lambda may not capture a structured binding in
            // every compiler the core is built with.
            const std::string& name = key;
            const auto info = std::find_if(kCoefficients.begin(), kCoefficients.end(),
                                           [&](const CoefficientInfo& c) { return c.name == name; });
            if (info == kCoefficients.end()) {
                fail(GEAR_TR("file", "Неизвестный коэффициент defaults.%1.").arg(excerpt(key)));
                return;
            }
            const auto number = finite(value, "defaults." + key);
            if (!number)
                return;
            // The parameters screen takes only positive numbers, and the
            // formulas divide by several of these.
            if (!(*number > 0.0)) {
                fail(GEAR_TR("file", "Коэффициент defaults.%1 должен быть положительным числом.").arg(key));
                return;
            }
            defaults.*info->preset = *number;
        }
    }

    struct Ordered {
        long long order;
        GivenStep step;
        std::string path;
    };

    void readScreen(const Json& entry, Mode mode, const std::string& path, std::vector<Ordered>& into)
    {
        if (!expect(entry, Json::value_t::object, path))
            return;
        const Json* screenName = required(entry, "screen", path);
        if (!screenName || !expect(*screenName, Json::value_t::string, path + ".screen"))
            return;
        const std::string name = screenName->get<std::string>();
        const std::optional<ScreenId> screen = gear::screenByName(name);
        const ScreenForm* form = screen ? formOf(*screen) : nullptr;
        if (!form) {
            fail(GEAR_TR("file", "Экран «%1» в поле %2.screen не входит ни в один расчёт.")
                     .arg(excerpt(name))
                     .arg(path));
            return;
        }
        if (!isScreenOfMode(*screen, mode)) {
            fail(GEAR_TR("file", "Экран %1 (%2) не входит в расчёт «%3».")
                     .arg(name)
                     .arg(path)
                     .arg(Message("mode", modeTitle(mode))));
            return;
        }
        std::vector<std::string_view> known{"order", "screen"};
        GivenStep step{mode, *screen, {}};
        const Json* order = required(entry, "order", path);
        if (!order)
            return;
        const auto orderNumber = integer(*order, path + ".order");
        if (!orderNumber)
            return;
        if (*orderNumber < 1) {
            fail(GEAR_TR("file", "Поле %1.order должно быть положительным.").arg(path));
            return;
        }
        if (!form->choiceField.empty()) {
            known.push_back(form->choiceField);
            const std::string choicePath = path + "." + std::string(form->choiceField);
            const Json* choice = required(entry, form->choiceField, path);
            if (!choice)
                return;
            const auto number = integer(*choice, choicePath);
            if (!number)
                return;
            if (*number < lowestChoice(*screen) || *number > highestChoice(*screen)) {
                fail(GEAR_TR("file", "В поле %1 стоит %2, а на экране %3 можно выбрать от %4 до %5.")
                         .arg(choicePath)
                         .arg(std::to_string(*number))
                         .arg(name)
                         .arg(std::to_string(lowestChoice(*screen)))
                         .arg(std::to_string(highestChoice(*screen))));
                return;
            }
            step.given.choice = static_cast<int>(*number);
            const std::string_view nameKey = nameField(*screen);
            if (!nameKey.empty()) {
                known.push_back(nameKey);
                const auto named = entry.find(std::string(nameKey));
                if (named != entry.end()) {
                    const std::string namePath = path + "." + std::string(nameKey);
                    if (!expect(*named, Json::value_t::string, namePath))
                        return;
                    const std::vector<std::string_view> names = choiceNames(*screen);
                    const std::string_view expected =
                        step.given.choice >= 1 ? names[static_cast<size_t>(step.given.choice - 1)] : "";
                    if (named->get<std::string>() != expected) {
                        // The names are the file's own, which are Russian in every language.
                        Message why =
                            expected.empty()
                                ? GEAR_TR("file", "В поле %1 стоит «%2», а под номером %3 в таблице ничего нет.")
                                : GEAR_TR("file", "В поле %1 стоит «%2», а под номером %3 в таблице «%4».");
                        why.arg(namePath)
                            .arg(excerpt(named->get<std::string>()))
                            .arg(std::to_string(step.given.choice));
                        if (!expected.empty())
                            why.arg(std::string(expected));
                        fail(std::move(why));
                        return;
                    }
                }
            }
        }
        for (const std::string_view field : form->textFields) {
            known.push_back(field);
            const std::string textPath = path + "." + std::string(field);
            const Json* text = required(entry, field, path);
            if (!text || !expect(*text, Json::value_t::string, textPath))
                return;
            std::string typed = text->get<std::string>();
            if (utf8Length(typed) > kMaxGivenTextLength) {
                fail(GEAR_TR("file", "Текст в поле %1 длиннее %2 знаков.")
                         .arg(textPath)
                         .arg(std::to_string(kMaxGivenTextLength)));
                return;
            }
            step.given.texts.push_back(std::move(typed));
        }
        if (!form->optionalText.empty()) {
            known.push_back(form->optionalText);
            const auto optional = entry.find(std::string(form->optionalText));
            if (optional != entry.end()) {
                const std::string textPath = path + "." + std::string(form->optionalText);
                if (!expect(*optional, Json::value_t::string, textPath))
                    return;
                std::string typed = optional->get<std::string>();
                if (utf8Length(typed) > kMaxGivenTextLength) {
                    fail(GEAR_TR("file", "Текст в поле %1 длиннее %2 знаков.")
                             .arg(textPath)
                             .arg(std::to_string(kMaxGivenTextLength)));
                    return;
                }
                if (!typed.empty())
                    step.given.texts.push_back(std::move(typed));
            }
        }
        if (!onlyKnown(entry, known, path))
            return;
        into.push_back({*orderNumber, std::move(step), path});
    }

    void readResults(const Json& object, Mode mode, const std::string& path, std::optional<ModeResults>& into)
    {
        if (!expect(object, Json::value_t::object, path))
            return;
        ModeResults results;
        std::vector<std::string_view> known = resultFields(mode);
        if (mode == Mode::Transmission)
            known.push_back("steelGrade");
        if (!onlyKnown(object, known, path))
            return;
        for (const auto& [key, value] : object.items()) {
            const std::string fieldPath = path + "." + key;
            if (key == "steelGrade") {
                if (!expect(value, Json::value_t::string, fieldPath))
                    return;
                results.steelGrade = value.get<std::string>();
                continue;
            }
            const auto number = finite(value, fieldPath);
            if (!number)
                return;
            results.values.*numberField(key)->field = *number;
        }
        into = std::move(results);
    }

    void readModes(const Json& object, Calculation& calculation, std::vector<Ordered>& steps)
    {
        if (!expect(object, Json::value_t::object, "modes"))
            return;
        for (const auto& [key, value] : object.items()) {
            const auto mode = std::find(kModeKeys.begin(), kModeKeys.end(), key);
            if (mode == kModeKeys.end()) {
                fail(GEAR_TR("file", "Неизвестный расчёт modes.%1: бывают transmission, wheel и check.")
                         .arg(excerpt(key)));
                return;
            }
            const Mode which = static_cast<Mode>(mode - kModeKeys.begin());
            const std::string path = "modes." + key;
            if (!expect(value, Json::value_t::object, path) || !onlyKnown(value, {"screens", "results"}, path))
                return;
            const size_t first = steps.size();
            if (const auto screens = value.find("screens"); screens != value.end()) {
                if (!expect(*screens, Json::value_t::array, path + ".screens"))
                    return;
                for (size_t i = 0; i < screens->size() && !failed(); ++i)
                    readScreen((*screens)[i], which, path + ".screens[" + std::to_string(i) + "]", steps);
                if (failed())
                    return;
            }
            checkChain(steps, first);
            if (const auto results = value.find("results"); results != value.end() && !failed())
                readResults(*results, which, path + ".results", calculation.results[static_cast<size_t>(which)]);
            if (failed())
                return;
        }
    }

    // A chain holds each screen once, in the order its Oks ran, and the
    // screen that starts a chain only at its head.
    void checkChain(const std::vector<Ordered>& steps, size_t first)
    {
        for (size_t i = first; i < steps.size() && !failed(); ++i) {
            const Ordered& step = steps[i];
            const std::string name(screenName(step.step.screen));
            if (formOf(step.step.screen)->startsChain && i != first)
                fail(GEAR_TR("file", "Экран %1 (%2) начинает расчёт и может стоять только первым.")
                         .arg(name)
                         .arg(step.path));
            for (size_t j = first; j < i && !failed(); ++j) {
                if (steps[j].step.screen == step.step.screen)
                    fail(GEAR_TR("file", "Экран %1 встречается в расчёте дважды: %2 и %3.")
                             .arg(name)
                             .arg(steps[j].path)
                             .arg(step.path));
                else if (steps[j].order >= step.order)
                    fail(GEAR_TR("file", "Поле %1.order должно быть больше, чем у экранов перед ним.").arg(step.path));
            }
        }
    }

private:
    Message m_refusal;
};

// How deep objects and lists may nest. A calculation file nests five deep;
// the limit only keeps a hostile file from making the reader hold a path of
// a million open brackets.
constexpr std::size_t kMaxNesting = 64;
// How many values — numbers, strings, objects, lists — a file may hold. A
// calculation of all three modes holds about 400; a file of half a million
// numbers would take the reader longer to build than to refuse.
constexpr std::size_t kMaxValues = 10000;

// Builds the document in one pass over the text. nlohmann's own builder
// looks each key of an ordered object up among the keys before it, so an
// object of n keys took n² steps (131,000 short keys, half a minute), and it
// let a repeated key silently replace the value before it. Here each open
// object keeps a hash of its keys: a repeated key stops the reading, a new
// one is appended at once.
class DocumentBuilder final : public nlohmann::json_sax<Json> {
public:
    explicit DocumentBuilder(Json& root) : m_root(root) {}

    // Where the text stops being JSON, and the token there.
    std::size_t errorPosition = 0;
    std::string errorToken;
    bool overflow = false;
    // The path of a key that stands twice in its object.
    std::string repeatedKey;
    bool tooDeep = false;
    bool tooMany = false;

    bool null() override { return place(nullptr); }
    bool boolean(bool value) override { return place(value); }
    bool number_integer(number_integer_t value) override { return place(value); }
    bool number_unsigned(number_unsigned_t value) override { return place(value); }
    bool number_float(number_float_t value, const string_t&) override { return place(value); }
    bool string(string_t& value) override { return place(std::move(value)); }
    bool binary(binary_t& value) override { return place(std::move(value)); }
    bool start_object(std::size_t) override { return open(Json::object()); }
    bool start_array(std::size_t) override { return open(Json::array()); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& name) override
    {
        Open& object = m_open.back();
        if (!object.keys.insert(name).second) {
            repeatedKey = pathOfOpen();
            repeatedKey += (repeatedKey.empty() ? "" : ".") + excerpt(name);
            return false;
        }
        // The vector under the ordered map, past the map's linear search for
        // the key, which the set above has done.
        object.value->get_ref<Json::object_t&>().emplace_back(std::move(name), nullptr);
        return true;
    }

    bool parse_error(std::size_t at, const std::string& last, const nlohmann::detail::exception& error) override
    {
        errorPosition = at;
        errorToken = last;
        overflow = std::string_view(error.what()).find("overflow") != std::string_view::npos;
        return false;
    }

private:
    struct Open {
        Json* value;
        std::unordered_set<std::string> keys;
    };

    // Where the next value goes: the document, the end of the open list or
    // the last key of the open object. A parent only grows once its child
    // is closed, so the pointers of the open values stay valid.
    Json* slot()
    {
        if (m_open.empty())
            return &m_root;
        Json& parent = *m_open.back().value;
        if (parent.is_array()) {
            auto& items = parent.get_ref<Json::array_t&>();
            items.emplace_back();
            return &items.back();
        }
        return &parent.get_ref<Json::object_t&>().back().second;
    }

    bool counted()
    {
        tooMany = ++m_values > kMaxValues;
        return !tooMany;
    }

    template <class T>
    bool place(T&& value)
    {
        if (!counted())
            return false;
        *slot() = Json(std::forward<T>(value));
        return true;
    }

    bool open(Json container)
    {
        if (m_open.size() >= kMaxNesting) {
            tooDeep = true;
            return false;
        }
        if (!counted())
            return false;
        Json* value = slot();
        *value = std::move(container);
        m_open.push_back({value, {}});
        return true;
    }

    bool close()
    {
        m_open.pop_back();
        return true;
    }

    // The path of the innermost open value, as the reader names fields:
    // each value is the last member or item of the one around it.
    std::string pathOfOpen() const
    {
        std::string path;
        for (size_t i = 1; i < m_open.size(); ++i) {
            const Json& parent = *m_open[i - 1].value;
            if (parent.is_array())
                path += "[" + std::to_string(parent.size() - 1) + "]";
            else
                path += (path.empty() ? "" : ".") + excerpt(parent.get_ref<const Json::object_t&>().back().first);
        }
        return path;
    }

    Json& m_root;
    std::vector<Open> m_open;
    std::size_t m_values = 0;
};

// The sentence for a text that stopped being JSON where `read` stopped.
Message syntaxRefusal(std::string_view text, const DocumentBuilder& read)
{
    const std::size_t at = std::min(read.errorPosition, text.size());
    const std::size_t before = at > 0 ? at - 1 : 0;
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(before), '\n');
    const std::size_t lineStart = text.rfind('\n', before == 0 ? 0 : before - 1);
    const std::size_t column =
        utf8Length(text.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1,
                               before - (lineStart == std::string_view::npos ? 0 : lineStart + 1))) +
        1;
    if (read.overflow) {
        // The reader stops past the number; the student looks for its start.
        const std::size_t start = column + 1 - std::min<std::size_t>(column, utf8Length(read.errorToken));
        return GEAR_TR("file", "Число «%1» в файле (строка %2, знак %3) слишком велико.")
            .arg(excerpt(read.errorToken))
            .arg(std::to_string(line))
            .arg(std::to_string(start));
    }
    if (read.errorPosition >= text.size())
        return GEAR_TR("file", "Файл обрывается (строка %1): он записан не до конца или повреждён.")
            .arg(std::to_string(line));
    return GEAR_TR("file", "Файл не читается как JSON: ошибка в тексте (строка %1, знак %2).")
        .arg(std::to_string(line))
        .arg(std::to_string(column));
}

Message modeName(Mode mode)
{
    return Message("mode", modeTitle(mode));
}

// The chains of the file against the run of its steps: the same Oks, given
// the same.
Message compareSteps(const Calculation& file, const Calculation& run)
{
    for (size_t i = 0; i < file.steps.size(); ++i) {
        if (i >= run.steps.size() || !(run.steps[i] == file.steps[i])) {
            const GivenStep& step = file.steps[i];
            return GEAR_TR("file", "Экран %1 расчёта «%2» при данных файла не выполняется так, как записано: файл "
                                   "изменён или повреждён.")
                .arg(std::string(screenName(step.screen)))
                .arg(modeName(step.mode));
        }
    }
    return {};
}

// The results the file holds against those of the run: the same ones.
Message compareResults(const Calculation& file, const Calculation& run)
{
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        const std::string path = "modes." + std::string(kModeKeys[m]) + ".results";
        const auto& stored = file.results[m];
        const auto& computed = run.results[m];
        if (stored && !computed)
            return GEAR_TR("file", "В файле есть результаты расчёта «%1» (%2), но его экраны не доводят расчёт до "
                                   "результатов.")
                .arg(modeName(mode))
                .arg(path);
        if (!stored && computed)
            return GEAR_TR("file", "В файле нет результатов расчёта «%1» (%2), хотя его экраны доводят расчёт до них.")
                .arg(modeName(mode))
                .arg(path);
        if (!stored)
            continue;
        for (const std::string_view name : resultFields(mode)) {
            const Number Quantities::*field = numberField(name)->field;
            const Number a = stored->values.*field;
            const Number b = computed->values.*field;
            if (a.isWritten() != b.isWritten() || !sameNumber(a, b)) {
                const auto number = [](Number value) {
                    return value.isWritten() ? Message::verbatim(numberToText(value)) : GEAR_TR("file", "нет");
                };
                return GEAR_TR("file", "Результат %1 в файле (%2) не совпадает с пересчитанным (%3): файл изменён "
                                       "вручную или записан другой версией расчёта.")
                    .arg(path + "." + std::string(name))
                    .arg(number(a))
                    .arg(number(b));
            }
        }
        if (stored->steelGrade != computed->steelGrade)
            return GEAR_TR("file", "Результат %1.steelGrade в файле («%2») не совпадает с пересчитанным («%3»).")
                .arg(path)
                .arg(excerpt(stored->steelGrade))
                .arg(computed->steelGrade);
    }
    return {};
}

// --- Files of an older version ---------------------------------------------

// A number of the notice: to the walkthrough's digits, "нет" when none.
Message noticeNumber(Number value)
{
    return value.isWritten() ? Message::verbatim(numberToText(value, kResultDigits, ".")) : GEAR_TR("file", "нет");
}

// "sigmaH2 393.548 → 787.096" for each result of the mode that changed.
std::vector<std::string> changedResults(const ModeResults& stored, const ModeResults& computed, Mode mode)
{
    std::vector<std::string> changed;
    for (const std::string_view name : resultFields(mode)) {
        const Number Quantities::*field = numberField(name)->field;
        const Number a = stored.values.*field;
        const Number b = computed.values.*field;
        if (a.isWritten() != b.isWritten() || !sameNumber(a, b))
            changed.push_back(std::string(name) + " " + noticeNumber(a).text() + " → " + noticeNumber(b).text());
    }
    if (stored.steelGrade != computed.steelGrade)
        changed.push_back("steelGrade «" + stored.steelGrade + "» → «" + computed.steelGrade + "»");
    return changed;
}

// The refusal that ended a mode's chain in the run, with its screen.
Message refusalOfChain(const CalcState& state, Mode mode)
{
    if (const std::vector<StepGroup>* groups = state.walkthrough.of(mode)) {
        for (const StepGroup& group : *groups) {
            if (!group.refusal.empty())
                return GEAR_TR("file", "экран %1: %2").arg(std::string(screenName(group.screen))).arg(group.refusal);
        }
    }
    return GEAR_TR("file", "его экраны не доводят расчёт до результатов.");
}

// Whether an Ok of another mode's chain ran between the first screen of
// `mode`'s chain and its input screen: before 1.2 the modes shared the
// material, and that Ok changed the one this chain computed with.
bool chainInterleaved(const std::vector<GivenStep>& steps, Mode mode, ScreenId input)
{
    std::optional<size_t> first;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].mode == mode && !first)
            first = i;
        if (steps[i].mode == mode && steps[i].screen == input) {
            for (size_t j = *first + 1; j < i; ++j) {
                if (steps[j].mode != mode && steps[j].mode != Mode::Wheel)
                    return true;
            }
            return false;
        }
    }
    return false;
}

// What a file of an older version brings: the facts that tell which mends of
// the formulas reach its results.
struct OlderFile {
    int version = kCalculationVersion;
    bool loadFactorsRaised = false; // a load factor of its set was below 1
};

// The sentences of the mends that reach a mode's results, one per kind.
std::vector<Message> mendsOf(Mode mode, const CalcState& run, const Calculation& file, const OlderFile& older)
{
    std::vector<Message> why;
    const Material& material = run.materials[static_cast<size_t>(mode)];
    const auto& computed = run.results[static_cast<size_t>(mode)];
    switch (mode) {
    case Mode::Transmission: {
        const auto& stored = file.results[static_cast<size_t>(mode)];
        if (stored && !isWholeNumber(stored->values.Z2))
            why.push_back(GEAR_TR("file", "Число зубьев колеса Z2 = U·Z1 теперь округляется до целого, и дальше везде "
                                          "берётся фактическое передаточное число Uф = Z2/Z1."));
        const bool soft = material.isHB && !material.isHRC;
        if (soft) {
            why.push_back(GEAR_TR("file", "Проектный расчёт мягких зубьев: момент T2 входит в формулы межосевого "
                                          "расстояния и модуля в Н·мм (·1000), как в расчёте на изгиб; прежде aw и "
                                          "модуль выходили в 10 раз меньше."));
            why.push_back(GEAR_TR("file", "Допускаемое контактное напряжение пары — меньшее из σHP1 и σHP2, а не "
                                          "напряжение шестерни."));
            why.push_back(GEAR_TR("file", "Модуль мягких зубьев — больший из модуля по изгибу и модуля, который даёт "
                                          "рассчитанное межосевое расстояние при заданном Z1."));
            why.push_back(GEAR_TR("file", "В проверке рабочих напряжений коэффициент формы зуба YF берётся из таблицы "
                                          "по zv каждого колеса, а не 4 из проектного расчёта."));
        }
        // The old table rose again from its key 100, which a zv from 90
        // takes as the nearer key.
        const double c = computed ? cosDegrees(computed->values.beta) : 1.0;
        if (computed && computed->values.Z2 / (c * c * c) >= 90)
            why.push_back(GEAR_TR("file", "Коэффициент формы зуба YF при zv от 80 и выше равен 3.74, как в таблице, "
                                          "из которой он взят; прежде он снова рос до 4.47."));
        why.push_back(GEAR_TR("file", "Контактное напряжение в зацеплении одно: σH2 = σH1; прежде σH2 считалось по "
                                      "диаметру колеса и выходило в √U раз меньше."));
        if (older.loadFactorsRaised)
            why.push_back(GEAR_TR("file", "Коэффициенты нагрузки KFβ и KHβ (и kF, kH) по умолчанию равны 1, а не 0.8: "
                                          "коэффициент нагрузки не бывает меньше единицы."));
        if (chainInterleaved(file.steps, Mode::Transmission, ScreenId::Vvod2))
            why.push_back(GEAR_TR("file", "Проектный расчёт ведётся с материалом своей цепочки экранов, а не с тем, "
                                          "что выбран позже в режиме «Проверка»."));
        break;
    }
    case Mode::Wheel:
        why.push_back(GEAR_TR("file", "Диаметры колеса считаются от принятого модуля: d = m·z/cos β, da = d + 2m, "
                                      "df = d − 2.5m; прежде d = da − 2m от введённого da, и таблица эскиза "
                                      "противоречила себе."));
        break;
    case Mode::Check:
        why.push_back(GEAR_TR("file", "Допускаемая нагрузка считается как обратная задача проектного расчёта на изгиб: "
                                      "с 0.4·σF lim, коэффициентом формы зуба YF, коэффициентом нагрузки 1.5 и Yβ; "
                                      "прежде предел выносливости брался как рабочее напряжение."));
        if (chainInterleaved(file.steps, Mode::Check, ScreenId::Vvod3))
            why.push_back(GEAR_TR("file", "Проверка ведётся с материалом своей цепочки экранов, а не с напряжениями, "
                                          "которые оставил расчёт передачи."));
        break;
    }
    return why;
}

// The notice of a file whose results the run changes: which results, old →
// new, and why. Empty when none changed.
std::vector<Message> migrationNotice(const Calculation& file, const Calculation& run, const CalcState& state,
                                     const OlderFile& older)
{
    std::vector<Message> lines;
    std::vector<Message> why;
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        const auto& stored = file.results[m];
        const auto& computed = run.results[m];
        if (!stored)
            continue;
        if (!computed) {
            lines.push_back(GEAR_TR("file", "«%1»: результатов больше нет — %2 Введённое осталось на экранах.")
                                .arg(modeName(mode))
                                .arg(refusalOfChain(state, mode)));
            continue;
        }
        const std::vector<std::string> changed = changedResults(*stored, *computed, mode);
        if (changed.empty())
            continue;
        std::string list;
        for (const std::string& item : changed)
            list += (list.empty() ? "" : "; ") + item;
        lines.push_back(GEAR_TR("file", "«%1»: %2.").arg(modeName(mode)).arg(list));
        for (Message& sentence : mendsOf(mode, state, file, older)) {
            if (std::find(why.begin(), why.end(), sentence) == why.end())
                why.push_back(std::move(sentence));
        }
    }
    if (lines.empty())
        return {};
    std::vector<Message> notice;
    notice.push_back(older.version < kCalculationVersion
                         ? GEAR_TR("file", "Файл записан прежней версией программы (формат version %1). Его данные "
                                           "пересчитаны по исправленным формулам; изменились результаты:")
                               .arg(std::to_string(older.version))
                         : GEAR_TR("file", "Данные файла пересчитаны; изменились результаты:"));
    notice.insert(notice.end(), lines.begin(), lines.end());
    if (!why.empty()) {
        notice.push_back(GEAR_TR("file", "Почему:"));
        notice.insert(notice.end(), why.begin(), why.end());
    }
    notice.push_back(GEAR_TR("file", "При сохранении в файл запишутся новые результаты."));
    return notice;
}

// Brings each coefficient of the set into its range, saying so for each
// one that was not.
std::vector<Message> bringIntoRange(CoefficientSet& defaults, bool& loadFactorsRaised)
{
    std::vector<Message> said;
    for (const CoefficientInfo& info : kCoefficients) {
        double& value = defaults.*info.preset;
        const Message why = coefficientRangeRefusal(info, value);
        if (why.empty())
            continue;
        const double taken = std::clamp(value, info.low, info.high);
        if (info.loadFactor && value < info.low)
            loadFactorsRaised = true;
        said.push_back(GEAR_TR("file", "Коэффициент %1 в файле равен %2; принят %3. %4")
                           .arg(std::string(info.name))
                           .arg(numberToText(Number(value)))
                           .arg(numberToText(Number(taken)))
                           .arg(why));
        value = taken;
    }
    return said;
}

bool sameResults(const std::optional<ModeResults>& a, const std::optional<ModeResults>& b, Mode mode)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    for (const std::string_view name : resultFields(mode)) {
        const Number Quantities::*field = numberField(name)->field;
        if ((a->values.*field).isWritten() != (b->values.*field).isWritten() ||
            !sameNumber(a->values.*field, b->values.*field))
            return false;
    }
    return a->steelGrade == b->steelGrade;
}

} // namespace

std::vector<std::string_view> resultFields(Mode mode)
{
    switch (mode) {
    case Mode::Transmission:
        return {"m",   "Z1", "Z2", "beta", "d",   "d2",      "da",      "da2",     "df",
                "df2", "aw", "bw", "bw1",  "bw2", "sigmaF1", "sigmaF2", "sigmaH1", "sigmaH2"};
    case Mode::Wheel:
        return {"mcalc",  "m",      "Z1", "beta", "d", "df",     "da", "dvStd", "bw1",
                "dstStd", "LstStd", "D0", "d0",   "C", "Delta0", "R",  "L"};
    case Mode::Check: return {"m", "Psibm", "Tcalc"};
    }
    return {};
}

Calculation calculationOf(const CalcState& state)
{
    Calculation calculation;
    calculation.defaults = state.defaults;
    std::vector<std::pair<unsigned long, GivenStep>> ordered;
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        if (const std::vector<StepGroup>* groups = state.walkthrough.of(mode)) {
            for (const StepGroup& group : *groups) {
                if (isScreenOfMode(group.screen, mode))
                    ordered.push_back({group.serial, {mode, group.screen, group.given}});
            }
        }
        if (const auto& kept = state.results[m]) {
            ModeResults results;
            for (const std::string_view name : resultFields(mode)) {
                Number Quantities::*field = numberField(name)->field;
                results.values.*field = kept->values.*field;
            }
            if (mode == Mode::Transmission)
                results.steelGrade = kept->steelGrade;
            calculation.results[m] = std::move(results);
        }
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [serial, step] : ordered) {
        // A screen that ran with no option of its own marked — the final
        // material's list showing nothing, a steel screen whose rule needs no
        // grade — ran as with none.
        const ScreenForm* form = formOf(step.screen);
        if (form && !form->choiceField.empty() &&
            (step.given.choice < lowestChoice(step.screen) || step.given.choice > highestChoice(step.screen)))
            step.given.choice = 0;
        calculation.steps.push_back(std::move(step));
    }
    return calculation;
}

Outcome runStep(CalcState& state, const GivenStep& step)
{
    if (state.mode != step.mode) {
        switch (step.mode) {
        case Mode::Transmission: chooseTransmissionMode(state); break;
        case Mode::Wheel: chooseWheelMode(state); break;
        case Mode::Check: chooseCheckMode(state); break;
        }
    }
    const GivenInputs& given = step.given;
    const auto text = [&](size_t i) { return i < given.texts.size() ? std::string_view(given.texts[i]) : ""; };
    switch (step.screen) {
    case ScreenId::ATverd: return recommendHardness(state, given.choice);
    case ScreenId::trebov2: return chooseRequirements(state, given.choice);
    case ScreenId::BNormal2: return chooseThroughHardening(state, given.choice);
    case ScreenId::Czakalka2: return chooseSurfaceHardening(state, given.choice);
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5: return chooseSteelGrade(state, step.screen, given.choice);
    case ScreenId::Vvod2: return designTransmission(state, transmissionInputOf(given));
    case ScreenId::Vibor: return chooseModule(state, text(0), text(1));
    case ScreenId::okon: return chooseFinalSteel(state, given.choice);
    case ScreenId::Vvod: return enterWheel(state, wheelInputOf(given));
    case ScreenId::Vvod3: return checkPermissibleLoad(state, checkInputOf(given));
    default: return Outcome::stay();
    }
}

void replay(CalcState& state, const CoefficientSet& defaults, const std::vector<GivenStep>& steps,
            const StepObserver& after)
{
    state = CalcState{};
    state.defaults = defaults;
    writeDefaultCoefficients(state);
    state.stdSizes = kStdSizes;
    for (const GivenStep& step : steps) {
        const Outcome outcome = runStep(state, step);
        if (after)
            after(step, outcome);
    }
}

std::vector<ScreenId> reopen(CalcState& state, const Calculation& calculation, const StepObserver& after)
{
    std::optional<GivenStep> lastStep;
    Outcome lastOutcome;
    replay(state, calculation.defaults, calculation.steps, [&](const GivenStep& step, const Outcome& outcome) {
        if (after)
            after(step, outcome);
        lastStep = step;
        lastOutcome = outcome;
    });
    std::vector<ScreenId> open;
    if (!lastStep)
        return open;
    if (lastOutcome.refused() || !lastOutcome.leave)
        open.push_back(lastStep->screen);
    if (lastOutcome.next && !lastOutcome.refused())
        open.push_back(*lastOutcome.next);
    return open;
}

std::string calculationText(const Calculation& calculation)
{
    Json document;
    document["format"] = kCalculationFormat;
    document["version"] = kCalculationVersion;
    const CoefficientSet builtIn;
    Json defaults = Json::object();
    for (const CoefficientInfo& info : kCoefficients) {
        if (calculation.defaults.*info.preset != builtIn.*info.preset)
            defaults[std::string(info.name)] = numberJson(calculation.defaults.*info.preset);
    }
    if (!defaults.empty())
        document["defaults"] = std::move(defaults);
    Json modes = Json::object();
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        Json screens = Json::array();
        for (size_t i = 0; i < calculation.steps.size(); ++i) {
            const GivenStep& step = calculation.steps[i];
            if (step.mode != mode)
                continue;
            const ScreenForm* form = formOf(step.screen);
            if (!form)
                continue;
            Json entry;
            entry["order"] = i + 1;
            entry["screen"] = screenName(step.screen);
            if (!form->choiceField.empty()) {
                entry[std::string(form->choiceField)] = step.given.choice;
                const std::vector<std::string_view> names = choiceNames(step.screen);
                const std::string_view nameKey = nameField(step.screen);
                if (!nameKey.empty() && step.given.choice >= 1 && step.given.choice <= static_cast<int>(names.size()))
                    entry[std::string(nameKey)] = names[static_cast<size_t>(step.given.choice - 1)];
            }
            for (size_t t = 0; t < form->textFields.size(); ++t)
                entry[std::string(form->textFields[t])] = t < step.given.texts.size() ? step.given.texts[t] : "";
            if (const size_t t = form->textFields.size();
                !form->optionalText.empty() && t < step.given.texts.size() && !step.given.texts[t].empty())
                entry[std::string(form->optionalText)] = step.given.texts[t];
            screens.push_back(std::move(entry));
        }
        const auto& kept = calculation.results[m];
        if (screens.empty() && !kept)
            continue;
        Json modeJson;
        if (!screens.empty())
            modeJson["screens"] = std::move(screens);
        if (kept) {
            Json results = Json::object();
            for (const std::string_view name : resultFields(mode)) {
                const Number value = kept->values.*numberField(name)->field;
                if (value.isWritten())
                    results[std::string(name)] = numberJson(value);
            }
            if (mode == Mode::Transmission)
                results["steelGrade"] = kept->steelGrade;
            modeJson["results"] = std::move(results);
        }
        modes[std::string(kModeKeys[m])] = std::move(modeJson);
    }
    document["modes"] = std::move(modes);
    return document.dump(2, ' ', false, Json::error_handler_t::strict) + '\n';
}

std::string calculationWithChecksText(const CalcState& state)
{
    Json document = Json::parse(calculationText(calculationOf(state)));
    const auto& kept = state.results[static_cast<size_t>(Mode::Transmission)];
    if (!kept)
        return document.dump(2, ' ', false, Json::error_handler_t::strict) + '\n';
    const Quantities& q = kept->values;
    Json checks = Json::object();
    for (const VerdictRow& row : strengthVerdicts(q)) {
        const LoadWord word = row.verdict.word;
        checks[std::string(row.key)] = {{"sigma_MPa", numberJson(row.verdict.sigma)},
                                        {"allowed_MPa", numberJson(row.verdict.allowed)},
                                        {"delta_pct", numberJson(row.verdict.delta)},
                                        {"word", word == LoadWord::Overload  ? "overload"
                                                 : word == LoadWord::Reserve ? "reserve"
                                                                             : "normal"}};
    }
    if (q.d > 0.0 && q.Z1 > 0.0) {
        const RatioCheck ratio = ratioCheck(q.U, q.Z1, q.Z2);
        checks["Z2"] = numberJson(q.Z2);
        checks["Uf"] = numberJson(ratio.Uf);
        checks["Uf_deviation_pct"] = numberJson(ratio.deviation);
        checks["Uf_within"] = ratio.within;
        const double standard = standardCentreDistance(q.aw);
        checks["aw_std_mm"] = numberJson(standard);
        if (q.beta > 0.0) {
            if (const auto beta = helixForCentreDistance(q.m, q.Z1, q.Z2, standard))
                checks["beta_for_aw_std_deg"] = numberJson(*beta);
        }
        if (q.n1.isWritten()) {
            const double v = pitchLineSpeed(q.d, q.n1);
            checks["v_m_s"] = numberJson(v);
            checks["accuracy_grade"] = accuracyGrade(v, q.beta > 0.0);
        }
        const MeshForces forces = meshForces(q.T1, q.d, q.beta);
        checks["Ft_N"] = numberJson(forces.Ft);
        checks["Fr_N"] = numberJson(forces.Fr);
        checks["Fa_N"] = numberJson(forces.Fa);
        const Undercut undercut = undercutOf(q.Z1, q.beta);
        checks["undercut"] = undercut.cut;
        if (undercut.cut)
            checks["x_min"] = numberJson(undercut.xmin);
        checks["epsilon_alpha"] = numberJson(transverseContactRatio(q.Z1, q.Z2, q.beta));
        if (q.beta > 0.0)
            checks["epsilon_beta"] = numberJson(faceContactRatio(q.bw2, q.beta, q.m));
        checks["bw1_recommended_mm"] = numberJson(q.bw2 + kPinionRimExtra);
        checks["blank_D_mm"] = numberJson(q.da + kBlankDiameterExtra);
        checks["blank_S_mm"] = numberJson(q.bw2 + kBlankThicknessExtra);
        if (q.steelRow > 0.0) {
            if (const auto limit = steelSizeLimit(static_cast<int>(q.steelRow)))
                checks["steel_size_limit_mm"] = numberJson(*limit);
        }
    }
    if (!checks.empty())
        document["checks"] = {{"transmission", std::move(checks)}};
    return document.dump(2, ' ', false, Json::error_handler_t::strict) + '\n';
}

OpenedCalculation openCalculation(std::string_view text)
{
    OpenedCalculation opened;
    if (text.size() > kMaxCalculationFileSize) {
        opened.refusal = GEAR_TR("file", "Файл больше 1 МиБ: расчёт столько не занимает, это не файл расчёта.");
        return opened;
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        opened.refusal = GEAR_TR("file", "Файл пуст: в нём нет расчёта.");
        return opened;
    }
    Json document;
    DocumentBuilder builder(document);
    if (!Json::sax_parse(text, &builder)) {
        if (!builder.repeatedKey.empty())
            opened.refusal = GEAR_TR("file", "Поле %1 стоит в файле дважды: неясно, какое из значений верно.")
                                 .arg(builder.repeatedKey);
        else if (builder.tooDeep)
            opened.refusal = GEAR_TR("file", "Объекты и списки в файле вложены глубже %1 уровней: это не файл расчёта.")
                                 .arg(std::to_string(kMaxNesting));
        else if (builder.tooMany)
            opened.refusal = GEAR_TR("file", "В файле больше %1 значений (чисел, строк, объектов и списков): в файле "
                                             "расчёта их в десятки раз меньше.")
                                 .arg(std::to_string(kMaxValues));
        else
            opened.refusal = syntaxRefusal(text, builder);
        return opened;
    }
    Reader read;
    if (!document.is_object()) {
        opened.refusal = GEAR_TR("file", "Это не файл расчёта: в нём нет полей format и version.");
        return opened;
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != kCalculationFormat) {
        opened.refusal = GEAR_TR("file", "Это не файл расчёта зубчатого колеса: в поле format должно стоять «%1».")
                             .arg(std::string(kCalculationFormat));
        return opened;
    }
    const Json* version = read.required(document, "version", "");
    if (!version || !read.expect(*version, Json::value_t::number_integer, "version")) {
        opened.refusal = read.refusal();
        return opened;
    }
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > std::uint64_t(kCalculationVersion)
                                      : version->get<std::int64_t>() > kCalculationVersion) {
        opened.refusal = GEAR_TR("file", "Файл записан более новой версией программы (version %1); эта версия "
                                         "читает файлы расчёта до version %2.")
                             .arg(version->dump())
                             .arg(std::to_string(kCalculationVersion));
        return opened;
    }
    if (version->get<std::int64_t>() < 1) {
        opened.refusal = GEAR_TR("file", "Поле version должно быть не меньше 1.");
        return opened;
    }
    // "checks" is what gearcalc --json says of the pair; a file reads
    // without it, so it is passed over.
    read.onlyKnown(document, {"format", "version", "defaults", "modes", "checks"}, "");
    Calculation& calculation = opened.calculation;
    if (const auto defaults = document.find("defaults"); defaults != document.end() && !read.failed())
        read.readDefaults(*defaults, calculation.defaults);
    std::vector<Reader::Ordered> steps;
    if (!read.failed()) {
        if (const Json* modes = read.required(document, "modes", ""))
            read.readModes(*modes, calculation, steps);
    }
    if (!read.failed()) {
        std::stable_sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
        for (size_t i = 1; i < steps.size() && !read.failed(); ++i) {
            if (steps[i].order == steps[i - 1].order)
                read.fail(GEAR_TR("file", "Поле order одинаково у %1 и %2.").arg(steps[i - 1].path).arg(steps[i].path));
        }
    }
    if (read.failed()) {
        opened.refusal = read.refusal();
        return opened;
    }
    for (Reader::Ordered& step : steps)
        calculation.steps.push_back(std::move(step.step));

    OlderFile older;
    older.version = static_cast<int>(version->get<std::int64_t>());
    // A file of version 1 leaves out the load factors that were 0.8 then,
    // the set's own; they read as today's 1.
    if (older.version < 2) {
        const auto defaults = document.find("defaults");
        for (const char* factor : {"khb", "kfb"}) {
            if (defaults == document.end() || !defaults->is_object() || !defaults->contains(factor))
                older.loadFactorsRaised = true;
        }
    }
    std::vector<Message> taken = bringIntoRange(calculation.defaults, older.loadFactorsRaised);

    replay(opened.state, calculation.defaults, calculation.steps);
    if (!allFinite(opened.state)) {
        opened.refusal = GEAR_TR("file", "Расчёт по данным файла не даёт конечного результата.");
        return opened;
    }
    const Calculation run = calculationOf(opened.state);
    if (Message refusal = compareSteps(calculation, run); !refusal.empty()) {
        opened.refusal = std::move(refusal);
        return opened;
    }
    // A file of this version holds the results this program computes; one
    // of an older version, or with a coefficient taken otherwise, is run
    // again by today's formulas and says what changed.
    if (older.version == kCalculationVersion && taken.empty()) {
        opened.refusal = compareResults(calculation, run);
        return opened;
    }
    std::vector<Message> changed = migrationNotice(calculation, run, opened.state, older);
    opened.notice = std::move(taken);
    opened.notice.insert(opened.notice.end(), changed.begin(), changed.end());
    calculation.results = run.results;
    return opened;
}

std::string noticeText(const std::vector<Message>& notice, const Translator& translate)
{
    std::string text;
    for (const Message& line : notice)
        text += (text.empty() ? "" : "\n") + line.text(translate);
    return text;
}

SavedCalculation saveCalculation(const CalcState& state)
{
    const Calculation live = calculationOf(state);
    CalcState run;
    replay(run, live.defaults, live.steps);
    const Calculation recomputed = calculationOf(run);
    SavedCalculation saved{calculationText(recomputed), {}};
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!sameResults(live.results[m], recomputed.results[m], static_cast<Mode>(m)))
            saved.recomputed.push_back(static_cast<Mode>(m));
    }
    return saved;
}

} // namespace gear
