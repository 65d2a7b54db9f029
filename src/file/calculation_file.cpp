// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/calculation_file.h"

#include "file/calculation_check.h"

#include "file/excerpt.h"
#include "geometry/mesh_checks.h"
#include "geometry/pair_checks.h"
#include "geometry/standard_series.h"
#include "material/steel_table.h"
#include "screens/screen_catalogue.h"
#include "screens/walkthrough_text.h"
#include "shell/input_range.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_set>

namespace gear {

using Json = nlohmann::ordered_json;

namespace {

// A walkthrough's symbol is a few characters; the limit only keeps a
// hostile file small.
constexpr int kMaxSymbolLength = 200;

// Whole numbers are written without a fraction, the rest with as many
// digits as read back to the same double.
Json numberJson(double value)
{
    if (std::trunc(value) == value && std::abs(value) < 9.007199254740992e15)
        return static_cast<std::int64_t>(value);
    return value;
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

    // The option, row or item of a screen's choice, and its name where the
    // file gives one, which must be the one under that number.
    bool readChoice(const Json& entry, const ScreenEntry& form, const std::string& path,
                    std::vector<std::string_view>& known, GivenInputs& given)
    {
        known.push_back(form.choiceKey);
        const std::string choicePath = path + "." + std::string(form.choiceKey);
        const Json* choice = required(entry, form.choiceKey, path);
        if (!choice)
            return false;
        const auto number = integer(*choice, choicePath);
        if (!number)
            return false;
        if (choiceOutOfRange(form, static_cast<int>(*number))) {
            fail(GEAR_TR("file", "В поле %1 стоит %2, а на экране %3 можно выбрать от %4 до %5.")
                     .arg(choicePath)
                     .arg(std::to_string(*number))
                     .arg(std::string(screenName(form.id)))
                     .arg(std::to_string(form.lowestChoice))
                     .arg(std::to_string(form.highestChoice)));
            return false;
        }
        given.choice = static_cast<int>(*number);
        const std::string_view nameKey = form.choiceNameKey;
        if (!nameKey.empty()) {
            known.push_back(nameKey);
            const auto named = entry.find(std::string(nameKey));
            if (named != entry.end()) {
                const std::string namePath = path + "." + std::string(nameKey);
                if (!expect(*named, Json::value_t::string, namePath))
                    return false;
                const std::vector<std::string_view> names = choiceNames(form.id);
                const std::string_view expected = given.choice >= 1 ? names[static_cast<size_t>(given.choice - 1)] : "";
                if (named->get<std::string>() != expected) {
                    // The names are the file's own, which are Russian in every language.
                    Message why = expected.empty()
                                      ? GEAR_TR("file", "В поле %1 стоит «%2», а под номером %3 в таблице ничего нет.")
                                      : GEAR_TR("file", "В поле %1 стоит «%2», а под номером %3 в таблице «%4».");
                    why.arg(namePath).arg(excerpt(named->get<std::string>())).arg(std::to_string(given.choice));
                    if (!expected.empty())
                        why.arg(std::string(expected));
                    fail(std::move(why));
                    return false;
                }
            }
        }
        return true;
    }

    // The texts typed on a screen, in the order its Ok reads them.
    bool readTexts(const Json& entry, const ScreenEntry& form, const std::string& path,
                   std::vector<std::string_view>& known, GivenInputs& given)
    {
        for (const TextInput& input : form.texts) {
            const std::string_view field = input.fileKey;
            known.push_back(field);
            const std::string textPath = path + "." + std::string(field);
            // A text the Ok may go without is written only when typed, so a
            // file of a version without it reads the same.
            if (input.optional && !entry.contains(std::string(field)))
                continue;
            const Json* text = required(entry, field, path);
            if (!text || !expect(*text, Json::value_t::string, textPath))
                return false;
            std::string typed = text->get<std::string>();
            if (utf8Length(typed) > kMaxGivenTextLength) {
                fail(GEAR_TR("file", "Текст в поле %1 длиннее %2 знаков.")
                         .arg(textPath)
                         .arg(std::to_string(kMaxGivenTextLength)));
                return false;
            }
            given.texts.push_back(std::move(typed));
        }
        return true;
    }

    void readScreen(const Json& entry, Mode mode, const std::string& path, std::vector<Ordered>& into)
    {
        if (!expect(entry, Json::value_t::object, path))
            return;
        const Json* screenName = required(entry, "screen", path);
        if (!screenName || !expect(*screenName, Json::value_t::string, path + ".screen"))
            return;
        const std::string name = screenName->get<std::string>();
        const std::optional<ScreenId> screen = gear::screenByName(name);
        const ScreenEntry* form = screen ? formOf(*screen) : nullptr;
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
        if (!form->choiceKey.empty() && !readChoice(entry, *form, path, known, step.given))
            return;
        if (!readTexts(entry, *form, path, known, step.given))
            return;
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

    void readSelfCheck(const Json& document, SelfCheckWork& work)
    {
        if (const auto variant = document.find("variant"); variant != document.end()) {
            if (!expect(*variant, Json::value_t::string, "variant"))
                return;
            work.variant = variant->get<std::string>();
            if (utf8Length(work.variant) > kMaxGivenTextLength) {
                fail(GEAR_TR("file", "Текст в поле %1 длиннее %2 знаков.")
                         .arg("variant")
                         .arg(std::to_string(kMaxGivenTextLength)));
                return;
            }
        }
        const auto section = document.find("selfCheck");
        if (section == document.end())
            return;
        if (!expect(*section, Json::value_t::object, "selfCheck") ||
            !onlyKnown(*section, {"tolerance", "values"}, "selfCheck"))
            return;
        if (const auto tolerance = section->find("tolerance"); tolerance != section->end()) {
            const auto number = finite(*tolerance, "selfCheck.tolerance");
            if (!number)
                return;
            if (!(*number > 0.0 && *number <= kMaxSelfCheckTolerance)) {
                fail(GEAR_TR("file", "Допуск selfCheck.tolerance должен быть больше 0 и не больше %1 %.")
                         .arg(numberToText(kMaxSelfCheckTolerance)));
                return;
            }
            work.tolerance = *number;
        }
        const auto values = section->find("values");
        if (values == section->end())
            return;
        if (!expect(*values, Json::value_t::array, "selfCheck.values"))
            return;
        for (size_t i = 0; i < values->size(); ++i) {
            const std::string path = "selfCheck.values[" + std::to_string(i) + "]";
            std::optional<TypedValue> typed = readTypedValue((*values)[i], path);
            if (!typed)
                return;
            const bool twice = std::any_of(work.values.begin(), work.values.end(),
                                           [&](const TypedValue& v) { return v.line == typed->line; });
            if (twice) {
                fail(GEAR_TR("file", "Строка %1 хода расчёта стоит в selfCheck.values дважды.").arg(path));
                return;
            }
            work.values.push_back(std::move(*typed));
        }
    }

    // One value the student typed beside a line of the walkthrough, at
    // `path`; none when it cannot be read, said.
    std::optional<TypedValue> readTypedValue(const Json& entry, const std::string& path)
    {
        if (!expect(entry, Json::value_t::object, path) || !onlyKnown(entry, {"mode", "symbol", "line", "text"}, path))
            return std::nullopt;
        const Json* mode = required(entry, "mode", path);
        const Json* symbol = required(entry, "symbol", path);
        const Json* text = required(entry, "text", path);
        if (!mode || !symbol || !text || !expect(*mode, Json::value_t::string, path + ".mode") ||
            !expect(*symbol, Json::value_t::string, path + ".symbol") ||
            !expect(*text, Json::value_t::string, path + ".text"))
            return std::nullopt;
        const auto which = std::find(kModeKeys.begin(), kModeKeys.end(), mode->get<std::string>());
        if (which == kModeKeys.end()) {
            fail(GEAR_TR("file", "Неизвестный расчёт %1.mode: бывают transmission, wheel и check.").arg(path));
            return std::nullopt;
        }
        TypedValue typed{{static_cast<Mode>(which - kModeKeys.begin()), symbol->get<std::string>(), 1},
                         text->get<std::string>()};
        if (const auto line = entry.find("line"); line != entry.end()) {
            const auto number = integer(*line, path + ".line");
            if (!number)
                return std::nullopt;
            if (*number < 1) {
                fail(GEAR_TR("file", "Поле %1.line должно быть положительным.").arg(path));
                return std::nullopt;
            }
            typed.line.occurrence = static_cast<int>(*number);
        }
        // A value as long as a screen's field takes, as typed there; a
        // symbol is the walkthrough's, a few characters.
        if (utf8Length(typed.text) > kMaxGivenTextLength || utf8Length(typed.line.symbol) > kMaxSymbolLength) {
            fail(GEAR_TR("file", "Текст в поле %1 длиннее %2 знаков.")
                     .arg(path)
                     .arg(std::to_string(utf8Length(typed.text) > kMaxGivenTextLength ? kMaxGivenTextLength
                                                                                      : kMaxSymbolLength)));
            return std::nullopt;
        }
        return typed;
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

} // namespace

namespace {

// One Ok of a chain as the file keeps it: its place among all the Oks, its
// screen, the option taken (with its name) and the texts typed.
Json stepJson(const GivenStep& step, size_t order, const ScreenEntry& form)
{
    Json entry;
    entry["order"] = order;
    entry["screen"] = screenName(step.screen);
    if (!form.choiceKey.empty()) {
        entry[std::string(form.choiceKey)] = step.given.choice;
        const std::vector<std::string_view> names = choiceNames(step.screen);
        const std::string_view nameKey = form.choiceNameKey;
        if (!nameKey.empty() && step.given.choice >= 1 && step.given.choice <= static_cast<int>(names.size()))
            entry[std::string(nameKey)] = names[static_cast<size_t>(step.given.choice - 1)];
    }
    for (size_t t = 0; t < form.texts.size(); ++t) {
        const std::string typed = t < step.given.texts.size() ? step.given.texts[t] : "";
        if (!form.texts[t].optional || !typed.empty())
            entry[std::string(form.texts[t].fileKey)] = typed;
    }
    return entry;
}

// A mode's screens and the results it kept; null when it has neither.
Json modeJson(const Calculation& calculation, Mode mode)
{
    Json screens = Json::array();
    for (size_t i = 0; i < calculation.steps.size(); ++i) {
        const GivenStep& step = calculation.steps[i];
        if (step.mode != mode)
            continue;
        if (const ScreenEntry* form = formOf(step.screen))
            screens.push_back(stepJson(step, i + 1, *form));
    }
    const auto& kept = calculation.results[static_cast<size_t>(mode)];
    if (screens.empty() && !kept)
        return nullptr;
    Json written;
    if (!screens.empty())
        written["screens"] = std::move(screens);
    if (kept) {
        Json results = Json::object();
        for (const std::string_view name : resultFields(mode)) {
            const Number value = kept->values.*numberField(name)->field;
            if (value.isWritten())
                results[std::string(name)] = numberJson(value);
        }
        if (mode == Mode::Transmission)
            results["steelGrade"] = kept->steelGrade;
        written["results"] = std::move(results);
    }
    return written;
}

// The values the student typed beside the walkthrough and the tolerance
// they are judged by.
Json selfCheckJson(const SelfCheckWork& work)
{
    Json section = Json::object();
    section["tolerance"] = numberJson(work.tolerance);
    Json values = Json::array();
    for (const TypedValue& typed : work.values) {
        Json entry;
        entry["mode"] = kModeKeys[static_cast<size_t>(typed.line.mode)];
        entry["symbol"] = typed.line.symbol;
        entry["line"] = typed.line.occurrence;
        entry["text"] = typed.text;
        values.push_back(std::move(entry));
    }
    section["values"] = std::move(values);
    return section;
}

} // namespace

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
        if (Json written = modeJson(calculation, static_cast<Mode>(m)); !written.is_null())
            modes[std::string(kModeKeys[m])] = std::move(written);
    }
    document["modes"] = std::move(modes);
    const SelfCheckWork& work = calculation.selfCheck;
    if (!work.variant.empty())
        document["variant"] = work.variant;
    if (!work.values.empty() || work.tolerance != kDefaultSelfCheckTolerance)
        document["selfCheck"] = selfCheckJson(work);
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

namespace {

// Why the text did not read as one JSON document.
Message unreadRefusal(std::string_view text, const DocumentBuilder& builder)
{
    if (!builder.repeatedKey.empty())
        return GEAR_TR("file", "Поле %1 стоит в файле дважды: неясно, какое из значений верно.")
            .arg(builder.repeatedKey);
    if (builder.tooDeep)
        return GEAR_TR("file", "Объекты и списки в файле вложены глубже %1 уровней: это не файл расчёта.")
            .arg(std::to_string(kMaxNesting));
    if (builder.tooMany)
        return GEAR_TR("file", "В файле больше %1 значений (чисел, строк, объектов и списков): в файле "
                               "расчёта их в десятки раз меньше.")
            .arg(std::to_string(kMaxValues));
    return syntaxRefusal(text, builder);
}

// The version of a calculation file this program reads, or none with the
// reason in `refusal`.
std::optional<int> readVersion(const Json& document, Reader& read, Message& refusal)
{
    if (!document.is_object()) {
        refusal = GEAR_TR("file", "Это не файл расчёта: в нём нет полей format и version.");
        return std::nullopt;
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != kCalculationFormat) {
        refusal = GEAR_TR("file", "Это не файл расчёта зубчатого колеса: в поле format должно стоять «%1».")
                      .arg(std::string(kCalculationFormat));
        return std::nullopt;
    }
    const Json* version = read.required(document, "version", "");
    if (!version || !read.expect(*version, Json::value_t::number_integer, "version")) {
        refusal = read.refusal();
        return std::nullopt;
    }
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > std::uint64_t(kCalculationVersion)
                                      : version->get<std::int64_t>() > kCalculationVersion) {
        refusal = GEAR_TR("file", "Файл записан более новой версией программы (version %1); эта версия "
                                  "читает файлы расчёта до version %2.")
                      .arg(version->dump())
                      .arg(std::to_string(kCalculationVersion));
        return std::nullopt;
    }
    if (version->get<std::int64_t>() < 1) {
        refusal = GEAR_TR("file", "Поле version должно быть не меньше 1.");
        return std::nullopt;
    }
    return static_cast<int>(version->get<std::int64_t>());
}

// Runs the steps read on a fresh state and holds the file to the run: the
// same chains, and the same results unless the file is of an older version
// or had a coefficient out of its range, when the notice says what changed.
void checkByReplay(OpenedCalculation& opened, OlderFile older)
{
    Calculation& calculation = opened.calculation;
    std::vector<Message> taken = bringIntoRange(calculation.defaults, older.loadFactorsRaised);
    replay(opened.state, calculation.defaults, calculation.steps);
    opened.state.selfCheck = calculation.selfCheck;
    if (!allFinite(opened.state)) {
        opened.refusal = GEAR_TR("file", "Расчёт по данным файла не даёт конечного результата.");
        return;
    }
    const Calculation run = calculationOf(opened.state);
    if (Message refusal = compareSteps(calculation, run); !refusal.empty()) {
        opened.refusal = std::move(refusal);
        return;
    }
    if (older.version == kCalculationVersion && taken.empty()) {
        opened.refusal = compareResults(calculation, run);
        opened.resultsDiffer = !opened.refusal.empty();
        return;
    }
    std::vector<Message> changed = migrationNotice(calculation, run, opened.state, older);
    opened.notice = std::move(taken);
    opened.notice.insert(opened.notice.end(), changed.begin(), changed.end());
    calculation.results = run.results;
}

} // namespace

namespace {

// What a file of an older version reads differently today, for the notice.
OlderFile olderFile(const Json& document, int version)
{
    OlderFile older;
    older.version = version;
    // A file of version 1 leaves out the load factors that were 0.8 then,
    // the set's own; they read as today's 1.
    if (older.version < 2) {
        const auto defaults = document.find("defaults");
        for (const char* factor : {"khb", "kfb"}) {
            if (defaults == document.end() || !defaults->is_object() || !defaults->contains(factor))
                older.loadFactorsRaised = true;
        }
    }
    return older;
}

} // namespace

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
        opened.refusal = unreadRefusal(text, builder);
        return opened;
    }
    Reader read;
    const std::optional<int> version = readVersion(document, read, opened.refusal);
    if (!version)
        return opened;
    // "checks" is what gearcalc --json says of the pair; a file reads
    // without it, so it is passed over.
    read.onlyKnown(document, {"format", "version", "defaults", "modes", "checks", "variant", "selfCheck"}, "");
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
    if (!read.failed())
        read.readSelfCheck(document, calculation.selfCheck);
    if (read.failed()) {
        opened.refusal = read.refusal();
        return opened;
    }
    for (Reader::Ordered& step : steps)
        calculation.steps.push_back(std::move(step.step));

    checkByReplay(opened, olderFile(document, *version));
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
    run.selfCheck = state.selfCheck;
    const Calculation recomputed = calculationOf(run);
    SavedCalculation saved{calculationText(recomputed), {}};
    for (size_t m = 0; m < kModeCount; ++m) {
        if (!sameResults(live.results[m], recomputed.results[m], static_cast<Mode>(m)))
            saved.recomputed.push_back(static_cast<Mode>(m));
    }
    return saved;
}

} // namespace gear
