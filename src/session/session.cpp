// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include "file/calculation_file.h"
#include "file/input_table.h"
#include "geometry/dxf_writer.h"
#include "geometry/module_choice.h"
#include "geometry/pair_checks.h"
#include "geometry/svg_writer.h"
#include "material/steel_table.h"
#include "screens/screen_catalogue.h"
#include "shell/input_range.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace gear {

namespace {

constexpr std::string_view kProgram = GEAR_TR_NOOP("screen", "Расчёт зубчатого колеса");

// The numbers a mode kept with its results, or the state's where it kept
// none, so that a later pass of another mode, which shares the fields,
// leaves what a screen of this mode shows as it was computed.
const Quantities& keptOr(const CalcState& state, Mode mode)
{
    const auto& kept = state.results[static_cast<size_t>(mode)];
    return kept ? kept->values : static_cast<const Quantities&>(state);
}

// The numbers a screen's values are read from: those its one mode kept, or
// the state's for a screen of several.
const Quantities& valuesOf(const CalcState& state, const ScreenEntry& entry)
{
    return entry.modes.size() == 1 ? keptOr(state, entry.modes.front()) : state;
}

std::string steelOf(const CalcState& state, const ScreenEntry& entry)
{
    if (entry.modes.size() == 1) {
        if (const auto& kept = state.results[static_cast<size_t>(entry.modes.front())])
            return kept->steelGrade;
    }
    return state.steelGrade;
}

WheelDesign designOfSketch(ScreenId screen)
{
    if (screen == ScreenId::vivod1)
        return WheelDesign::Solid;
    if (screen == ScreenId::vivod2)
        return WheelDesign::Disc;
    return WheelDesign::Spoked;
}

// The name a new file is offered under: the mode worked on last.
std::string untitledName(const CalcState& state, const Translator& translate)
{
    if (!state.mode)
        return translated(translate, "file", GEAR_TR_NOOP("file", "Расчёт")) + ".gear";
    return translated(translate, "mode", modeTitle(*state.mode)) + ".gear";
}

} // namespace

Session::Session(std::string decimalSeparator, Translator translate)
    : m_state(startUpState()), m_separator(std::move(decimalSeparator)), m_translate(std::move(translate)),
      m_savedText(currentFileText())
{
}

std::string Session::shown(Number value) const
{
    return numberToText(value, m_separator);
}

std::string Session::words(std::string_view context, std::string_view source) const
{
    return translated(m_translate, context, source);
}

std::string Session::currentFileText() const
{
    return calculationText(calculationOf(m_state));
}

Reply Session::menu(std::string_view command)
{
    Reply reply;
    std::optional<ScreenId> screen;
    if (command == "mnuKol")
        screen = chooseWheelMode(m_state);
    else if (command == "mnuPer")
        screen = chooseTransmissionMode(m_state);
    else if (command == "mnuProv")
        screen = chooseCheckMode(m_state);
    else if (command == "mnuProg")
        screen = ScreenId::info;
    else if (command == "mnuSteps")
        screen = ScreenId::hodRascheta;
    else if (command == "mnuParam")
        screen = ScreenId::nastroyka;
    if (screen) {
        fill(*screen, reply);
        reply.screens.push_back({*screen, true});
    }
    return reply;
}

Reply Session::ok(ScreenId screen, const GivenInputs& given)
{
    Reply reply;
    const Outcome outcome = runOk(m_state, screen, given);
    follow(screen, outcome, reply);
    return reply;
}

void Session::follow(ScreenId screen, const Outcome& outcome, Reply& reply)
{
    reply.calculated = screenEntry(screen).ok != nullptr;
    if (outcome.refused()) {
        reply.messageKind = MessageKind::Refusal;
        // A number in the sentence reads as the screens' numbers do.
        reply.message = withDecimalSeparator(outcome.refusal.text(m_translate), m_separator);
        reply.messageScreen = screen;
        const auto& texts = screenEntry(screen).texts;
        if (outcome.field >= 0 && static_cast<size_t>(outcome.field) < texts.size())
            reply.messageField = texts[static_cast<size_t>(outcome.field)].control;
        reply.beep = true;
        return;
    }
    reply.beep = outcome.beep;
    if (outcome.next) {
        fill(*outcome.next, reply);
        reply.screens.push_back({*outcome.next, true});
    }
    if (outcome.leave)
        reply.screens.push_back({screen, false});
}

// Writes what a screen shows when it opens, from the state as it stands.
void Session::fill(ScreenId screen, Reply& reply)
{
    const ScreenEntry& entry = screenEntry(screen);
    const Quantities& values = valuesOf(m_state, entry);
    for (const Display& display : entry.displays) {
        std::string text;
        if (display.note) {
            // A sentence shown only when there is something to say.
            text = withDecimalSeparator(display.note(values).text(m_translate), m_separator);
            reply.shown.push_back({screen, std::string(display.control), !text.empty()});
            reply.texts.push_back({screen, std::string(display.control), std::move(text),
                                   display.warns != nullptr && display.warns(values)});
            continue;
        } else if (display.compute) {
            text = shown(display.compute(m_state));
        } else if (display.value) {
            text = shown(values.*display.value);
        } else {
            text = words("steel", steelOf(m_state, entry));
        }
        reply.texts.push_back({screen, std::string(display.control), std::move(text)});
    }
    switch (entry.layout) {
    case ScreenLayout::ModuleChoice:
        // Each visit starts with nothing taken from either row.
        for (const TextInput& input : entry.texts)
            reply.texts.push_back({screen, std::string(input.control), {}});
        break;
    case ScreenLayout::SteelList: {
        // The steels whose limits carry the stresses shown are marked, so
        // that the student sees them before taking one.
        const double Sh = m_state.materials[static_cast<size_t>(Mode::Transmission)].Sh;
        const std::vector<int> passing =
            values.sigmaH1.isWritten()
                ? passingSteels(values.sigmaH1, values.sigmaF1, values.sigmaF2, Sh > 0.0 ? Sh : m_state.defaults.Sh)
                : std::vector<int>();
        const std::string mark = words("steel table", kPassingSteelMark);
        for (int index = 1; index <= static_cast<int>(kSteelRows.size()); ++index) {
            std::string item = steelItemText(index, m_translate);
            if (std::find(passing.begin(), passing.end(), index) != passing.end())
                item += mark;
            reply.items.push_back({screen, std::string(entry.listControl), index, std::move(item)});
        }
        break;
    }
    case ScreenLayout::Sketch:
        reply.pictures.push_back({screen, "Image1", designOfSketch(screen)});
        keepDrawing({screen, "Image1", values, designOfSketch(screen), false});
        break;
    case ScreenLayout::Parameters: {
        // The fields show the coefficients in force each time it opens.
        const auto texts = parameterTexts(m_state, m_separator);
        for (size_t i = 0; i < texts.size(); ++i)
            reply.texts.push_back({screen, "Text" + std::to_string(i + 1), texts[i]});
        break;
    }
    default: break;
    }
}

void Session::showGiven(ScreenId screen, const GivenInputs& given, Reply& reply) const
{
    const ScreenEntry& entry = screenEntry(screen);
    for (size_t i = 0; i < entry.texts.size(); ++i)
        reply.texts.push_back(
            {screen, std::string(entry.texts[i].control), i < given.texts.size() ? given.texts[i] : std::string()});
    if (!entry.listControl.empty())
        reply.chosen.push_back({screen, std::string(entry.listControl), given.choice});
    else if (!entry.options.empty())
        reply.marked.push_back({screen, given.choice});
}

void Session::keepDrawing(ShownDrawing drawing)
{
    // A screen's pictures show one drawing at a time.
    std::erase_if(m_drawings, [&](const ShownDrawing& d) { return d.screen == drawing.screen; });
    m_drawings.push_back(std::move(drawing));
}

Reply Session::preview(ScreenId screen, const GivenInputs& given) const
{
    Reply reply;
    if (screen != ScreenId::Vibor)
        return reply;
    const auto text = [&](size_t i) { return i < given.texts.size() ? given.texts[i] : std::string(); };
    std::string note;
    // Only a single module taken from a row of a design says anything.
    if (m_state.mode == Mode::Transmission && text(0).empty() != text(1).empty()) {
        const std::string taken = text(0).empty() ? text(1) : text(0);
        if (holdsNumber(taken))
            note = moduleTakenNote(m_state.mdesign, numberFromText(taken), m_state.isHRC).text(m_translate);
    }
    note = withDecimalSeparator(note, m_separator);
    reply.shown.push_back({screen, std::string(kModuleNoteName), !note.empty()});
    reply.texts.push_back({screen, std::string(kModuleNoteName), std::move(note), true});
    return reply;
}

Reply Session::showDrawing()
{
    Reply reply;
    // The pair the results show, by its pinion: a wheel sized since, which
    // shares the state's fields, does not change which body it has.
    const Quantities& pair = keptOr(m_state, Mode::Transmission);
    const int picture = drawingPicture(pair.da);
    constexpr std::array<WheelDesign, 3> kDesigns{WheelDesign::Solid, WheelDesign::Disc, WheelDesign::Spoked};
    for (int i = 1; i <= 3; ++i) {
        const std::string control = "Image" + std::to_string(i);
        reply.shown.push_back({ScreenId::vivod4, control, i == picture});
        if (i == picture) {
            const WheelDesign design = kDesigns[static_cast<size_t>(i - 1)];
            reply.pictures.push_back({ScreenId::vivod4, control, design});
            keepDrawing({ScreenId::vivod4, control, pair, design, true});
        }
    }
    // The results stay open behind the drawing.
    reply.screens.push_back({ScreenId::vivod4, true});
    return reply;
}

Reply Session::open(std::string_view fileName, std::string_view bytes)
{
    Reply reply;
    const OpenedCalculation opened = openCalculation(bytes);
    if (opened.refused()) {
        reply.messageKind = MessageKind::Refusal;
        reply.message = fillPlaceholders(words("file", GEAR_TR_NOOP("file", "Файл «%1» не открыт. %2")),
                                         {std::string(fileName), opened.refusal.text(m_translate)});
        reply.beep = true;
        return reply;
    }
    // Screens the file does not reach show nothing of the work before it.
    for (const ScreenId screen : inputScreens())
        showGiven(screen, {screenEntry(screen).listControl.empty() ? 0 : -1, {}}, reply);
    m_drawings.clear();
    for (const ScreenId screen : chainScreens())
        reply.screens.push_back({screen, false});
    // The file was checked on a state of its own; the same run on the
    // session's state gives the same, and each screen gets what its Ok had.
    const std::vector<ScreenId> open =
        reopen(m_state, opened.calculation, [&](const GivenStep& step, const Outcome& outcome) {
            showGiven(step.screen, step.given, reply);
            if (!outcome.refused() && outcome.next)
                fill(*outcome.next, reply);
        });
    for (const ScreenId screen : open) {
        fill(screen, reply);
        reply.screens.push_back({screen, true});
    }
    fill(ScreenId::nastroyka, reply);
    reply.calculated = true;
    m_fileName = fileName;
    // A file of an older version holds other results than those shown: the
    // work is unsaved until the new ones are written, and what changed is said.
    m_savedText = opened.notice.empty() ? currentFileText() : std::string();
    if (!opened.notice.empty()) {
        reply.messageKind = MessageKind::Notice;
        reply.message = withDecimalSeparator(noticeText(opened.notice, m_translate), m_separator);
    }
    return reply;
}

FileToSave Session::fileToSave() const
{
    const SavedCalculation saved = saveCalculation(m_state);
    FileToSave file{m_fileName.empty() ? untitledName(m_state, m_translate) : m_fileName,
                    "application/x-gearwheel-calculation",
                    saved.text,
                    {}};
    if (!saved.recomputed.empty()) {
        std::string modes;
        for (const Mode mode : saved.recomputed)
            modes += (modes.empty() ? "«" : ", «") + words("mode", modeTitle(mode)) + "»";
        file.notice = fillPlaceholders(
            words("file",
                  GEAR_TR_NOOP("file", "Расчёт сохранён. Результаты расчёта %1 в файле пересчитаны по данным его "
                                       "экранов и отличаются от показанных: экраны нажимались не по порядку или "
                                       "коэффициенты менялись по ходу расчёта. Откройте файл, чтобы увидеть "
                                       "расчёт таким, каким он записан.")),
            {modes});
    }
    return file;
}

void Session::saved(std::string fileName)
{
    m_fileName = std::move(fileName);
    m_savedText = currentFileText();
}

bool Session::modified() const
{
    return currentFileText() != m_savedText;
}

std::string Session::title(std::string_view mark, bool always) const
{
    const std::string program = words("screen", kProgram);
    const std::string shown = always || modified() ? std::string(mark) : std::string();
    return m_fileName.empty() ? program + shown : m_fileName + shown + " — " + program;
}

std::optional<Drawing> Session::drawing(ScreenId screen, std::string_view control, DrawingTarget target) const
{
    target.decimalSeparator = m_separator;
    for (const ShownDrawing& d : m_drawings) {
        if (d.screen == screen && d.control == control) {
            // The steel of the final choice, where the mode kept one.
            const auto& kept = m_state.results[static_cast<size_t>(d.pair ? Mode::Transmission : Mode::Wheel)];
            if (target.title.material.empty() && kept)
                target.title.material = words("steel", kept->steelGrade);
            return d.pair ? transmissionDrawing(d.values, d.design, target) : wheelDrawing(d.values, d.design, target);
        }
    }
    return std::nullopt;
}

std::string Session::drawingName(ScreenId screen) const
{
    const ScreenEntry& entry = screenEntry(screen);
    std::string name = entry.modes.empty() ? words("screen", kProgram) : words("mode", modeTitle(entry.modes.front()));
    if (m_fileName.empty())
        return name;
    const size_t dot = m_fileName.rfind('.');
    return m_fileName.substr(0, dot == 0 ? std::string::npos : dot) + " — " + name;
}

std::optional<FileToSave> Session::drawingFile(ScreenId screen, std::string_view control, DrawingFormat format) const
{
    // On its sheet, with the frame, the title block and the table, as the
    // desktop saves it.
    const std::optional<Drawing> sheet = drawing(screen, control, DrawingTarget{});
    if (!sheet)
        return std::nullopt;
    const std::string name = drawingName(screen);
    if (format == DrawingFormat::Dxf)
        return FileToSave{name + ".dxf", "image/vnd.dxf", drawingDxf(*sheet), {}};
    return FileToSave{name + ".svg", "image/svg+xml", drawingSvg(*sheet), {}};
}

std::vector<WalkthroughSection> Session::walkthrough() const
{
    return walkthroughSections(m_state, m_separator, m_translate);
}

std::string Session::walkthroughText() const
{
    return gear::walkthroughText(m_state, m_separator, m_translate);
}

std::vector<ResultTable> Session::resultTables() const
{
    return gear::resultTables(m_state, m_separator, m_translate);
}

std::vector<ResultTable> Session::reportTables() const
{
    return gear::reportTables(m_state, m_separator, m_translate);
}

std::vector<SelfCheckRow> Session::selfCheckRows() const
{
    std::vector<SelfCheckRow> rows;
    for (const Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        const std::vector<StepGroup>* groups = m_state.walkthrough.of(mode);
        if (!groups)
            continue;
        for (const CheckedLine& line : checkLines(m_state.walkthrough, mode, m_state.selfCheck, m_separator)) {
            const Step& step = *line.line.computed;
            SelfCheckRow row;
            row.mode = mode;
            row.section = words("mode", modeTitle(mode));
            row.heading = stepGroupTitle((*groups)[line.line.group].screen, mode, m_translate);
            row.quantity = quantityText(step, m_translate);
            if (step.formula.find('{') != std::string::npos)
                row.symbolic = symbolicForm(step, m_separator, m_translate);
            row.unit = unitText(step, m_translate);
            row.typed = line.typed;
            row.mark = line.mark;
            row.markText = markText(line.mark, m_translate);
            if ((line.mark == LineMark::Wrong || line.mark == LineMark::RightByOwnData) &&
                !line.ownSubstituted.empty()) {
                row.own = fillPlaceholders(
                    words("selfcheck", GEAR_TR_NOOP("selfcheck", "по вашим данным: %1 = %2")),
                    {line.ownSubstituted,
                     line.ownValue ? numberToText(*line.ownValue, kResultDigits, m_separator) : std::string("?")});
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void Session::writeSelfCheck(Reply& reply) const
{
    const std::vector<SelfCheckRow> rows = selfCheckRows();
    std::array<int, 5> count{};
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        reply.texts.push_back({ScreenId::hodRascheta, "Self" + n, rows[i].typed});
        reply.texts.push_back({ScreenId::hodRascheta, "Mark" + n, rows[i].markText});
        reply.texts.push_back({ScreenId::hodRascheta, "Own" + n, rows[i].own});
        ++count[static_cast<size_t>(rows[i].mark)];
    }
    reply.texts.push_back({ScreenId::hodRascheta, "Text2", selfCheckTolerance()});
    reply.texts.push_back(
        {ScreenId::hodRascheta, "Label1",
         fillPlaceholders(words("selfcheck", GEAR_TR_NOOP("selfcheck", "Верно: %1, верно по вашим данным: %2, "
                                                                       "неверно: %3, не число: %4, пусто: %5.")),
                          {std::to_string(count[static_cast<size_t>(LineMark::Right)]),
                           std::to_string(count[static_cast<size_t>(LineMark::RightByOwnData)]),
                           std::to_string(count[static_cast<size_t>(LineMark::Wrong)]),
                           std::to_string(count[static_cast<size_t>(LineMark::Unreadable)]),
                           std::to_string(count[static_cast<size_t>(LineMark::NotGiven)])})});
}

std::string Session::selfCheckTolerance() const
{
    return numberToText(Number(m_state.selfCheck.tolerance), m_separator);
}

Reply Session::checkSelf(const std::vector<std::string>& typed, std::string_view tolerance)
{
    Reply reply;
    const std::optional<double> percent = typedNumber(tolerance);
    if (!percent || !(*percent > 0.0 && *percent <= kMaxSelfCheckTolerance)) {
        reply.messageKind = MessageKind::Refusal;
        reply.message = fillPlaceholders(
            words("selfcheck", GEAR_TR_NOOP("selfcheck", "Допуск — число больше 0 и не больше %1 (в процентах).")),
            {numberToText(Number(kMaxSelfCheckTolerance), m_separator)});
        reply.messageScreen = ScreenId::hodRascheta;
        reply.beep = true;
        return reply;
    }
    // Kept as typed, so no longer than the file keeps a field's text.
    for (size_t i = 0; i < typed.size(); ++i) {
        if (typed[i].size() > size_t(kMaxGivenTextLength)) {
            reply.messageKind = MessageKind::Refusal;
            reply.message = fillPlaceholders(
                words("selfcheck",
                      GEAR_TR_NOOP("selfcheck", "В строке %1 самопроверки больше %2 знаков: это не число.")),
                {std::to_string(i + 1), std::to_string(kMaxGivenTextLength)});
            reply.messageScreen = ScreenId::hodRascheta;
            reply.beep = true;
            return reply;
        }
    }
    m_state.selfCheck.tolerance = *percent;
    std::vector<ValueLineKey> keys;
    for (const Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        for (const ValueLine& line : valueLines(m_state.walkthrough, mode))
            keys.push_back(line.key);
    }
    for (size_t i = 0; i < keys.size() && i < typed.size(); ++i)
        m_state.selfCheck.type(keys[i], typed[i]);
    writeSelfCheck(reply);
    reply.calculated = true;
    return reply;
}

Reply Session::importSelfCheck(std::string_view csv)
{
    Reply reply;
    const Mode mode = m_state.mode.value_or(Mode::Transmission);
    const ImportedValues imported = importTypedValues(csv, m_state.walkthrough, mode);
    if (!imported.refusal.empty() || imported.values.empty()) {
        reply.messageKind = MessageKind::Refusal;
        reply.message =
            imported.refusal.empty()
                ? fillPlaceholders(words("selfcheck", GEAR_TR_NOOP("selfcheck", "В файле нет ни одной строки «символ;"
                                                                                "значение» для расчёта «%1».")),
                                   {words("mode", modeTitle(mode))})
                : imported.refusal.text(m_translate);
        reply.messageScreen = ScreenId::hodRascheta;
        reply.beep = true;
        return reply;
    }
    for (const TypedValue& value : imported.values)
        m_state.selfCheck.type(value.line, value.text);
    writeSelfCheck(reply);
    reply.calculated = true;
    return reply;
}

void Session::setVariant(std::string variant)
{
    // The report's field takes no more than the file keeps.
    if (variant.size() <= size_t(kMaxGivenTextLength))
        m_state.selfCheck.variant = std::move(variant);
}

} // namespace gear
