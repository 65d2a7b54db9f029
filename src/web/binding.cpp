// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the core: a session per student and the catalogue of
// the screens, as plain JavaScript values. Numbers reach the page as the
// texts the core writes; the page computes nothing.
#include "file/calculation_file.h"
#include "file/input_table.h"
#include "gear_version.h"
#include "geometry/svg_writer.h"
#include "geometry/wheel_drawing.h"
#include "material/steel_table.h"
#include "screens/screen_catalogue.h"
#include "screens/walkthrough_text.h"
#include "session/session.h"
#include "shell/input_range.h"
#include "shell/number_text.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace gear::web {

namespace {

using emscripten::val;

// A UTF-8 text as a JavaScript string (val(const char*) would read Latin-1).
val text(std::string_view utf8)
{
    return val(std::string(utf8));
}

template <typename Range, typename Convert>
val arrayOf(const Range& items, Convert convert)
{
    val array = val::array();
    for (const auto& item : items)
        array.call<void>("push", convert(item));
    return array;
}

std::string_view designName(WheelDesign design)
{
    switch (design) {
    case WheelDesign::Solid: return "solid";
    case WheelDesign::Disc: return "disc";
    case WheelDesign::Spoked: return "spoked";
    }
    return {};
}

// The page's language: the desktop's English catalogue, handed over by the
// page as {context: {source: translation}} when the browser speaks English;
// empty for Russian.
std::map<std::pair<std::string, std::string>, std::string, std::less<>>& englishWords()
{
    static std::map<std::pair<std::string, std::string>, std::string, std::less<>> words;
    return words;
}

Translator pageTranslator()
{
    if (englishWords().empty())
        return {};
    return [](std::string_view context, std::string_view source) {
        const auto& words = englishWords();
        const auto found = words.find(std::pair{std::string(context), std::string(source)});
        return found == words.end() || found->second.empty() ? std::string(source) : found->second;
    };
}

void useTranslations(const val& catalogue)
{
    auto& words = englishWords();
    words.clear();
    if (catalogue.isNull() || catalogue.isUndefined())
        return;
    const val contexts = val::global("Object").call<val>("keys", catalogue);
    for (const std::string& context : emscripten::vecFromJSArray<std::string>(contexts)) {
        const val messages = catalogue[context];
        const val sources = val::global("Object").call<val>("keys", messages);
        for (const std::string& source : emscripten::vecFromJSArray<std::string>(sources))
            words[{context, source}] = messages[source].as<std::string>();
    }
}

// Texts only the page says, in its own context.
constexpr std::string_view kPage = "gear::web::Page";
constexpr std::array kPageTexts{
    GEAR_TR_NOOP("gear::web::Page", "Загрузка…"),
    GEAR_TR_NOOP("gear::web::Page", "Модуль расчёта не загрузился (%1). Проверьте соединение и нажмите «Повторить»."),
    GEAR_TR_NOOP("gear::web::Page", "Повторить"),
    GEAR_TR_NOOP("gear::web::Page", "Скопировано"),
    GEAR_TR_NOOP("gear::web::Page", "Не скопировано: браузер не дал доступа к буферу обмена (%1)."),
    GEAR_TR_NOOP("gear::web::Page", "Меню"),
    GEAR_TR_NOOP("gear::web::Page", "Экраны"),
    GEAR_TR_NOOP("gear::web::Page", "Закрыть"),
    GEAR_TR_NOOP("gear::web::Page", "Сохранить как PDF"),
    GEAR_TR_NOOP("gear::web::Page", "Тип файла"),
    GEAR_TR_NOOP("gear::web::Page", "Отмена"),
    GEAR_TR_NOOP("gear::web::Page", "Таблица, прокручивается в сторону"),
    GEAR_TR_NOOP("gear::web::Page", "Чертёж, прокручивается в сторону"),
};

// Every text the page writes itself: its own and those it shares with the
// desktop's main window and report, by context and Russian source.
val pageTexts()
{
    const Translator words = pageTranslator();
    val texts = val::object();
    const auto add = [&](std::string_view context, std::string_view source) {
        val inContext = texts[std::string(context)];
        if (inContext.isUndefined()) {
            inContext = val::object();
            texts.set(std::string(context), inContext);
        }
        inContext.set(std::string(source), text(translated(words, context, source)));
    };
    for (std::string_view source : kPageTexts)
        add(kPage, source);
    for (const auto& [context, messages] : englishWords())
        if (context.first.rfind("gear::ui::", 0) == 0)
            add(context.first, context.second);
    return texts;
}

val screenValue(ScreenId screen)
{
    return text(screenName(screen));
}

val replyValue(const Reply& reply)
{
    val result = val::object();
    result.set("texts", arrayOf(reply.texts, [](const ControlText& t) {
                   val entry = val::object();
                   entry.set("screen", screenValue(t.screen));
                   entry.set("control", text(t.control));
                   entry.set("text", text(t.text));
                   entry.set("warning", t.warning);
                   return entry;
               }));
    result.set("marked", arrayOf(reply.marked, [](const OptionMarked& m) {
                   val entry = val::object();
                   entry.set("screen", screenValue(m.screen));
                   entry.set("option", m.option);
                   return entry;
               }));
    result.set("chosen", arrayOf(reply.chosen, [](const ItemChosen& c) {
                   val entry = val::object();
                   entry.set("screen", screenValue(c.screen));
                   entry.set("control", text(c.control));
                   entry.set("index", c.index);
                   return entry;
               }));
    result.set("items", arrayOf(reply.items, [](const ItemText& i) {
                   val entry = val::object();
                   entry.set("screen", screenValue(i.screen));
                   entry.set("control", text(i.control));
                   entry.set("index", i.index);
                   entry.set("text", text(i.text));
                   return entry;
               }));
    result.set("shown", arrayOf(reply.shown, [](const ControlShown& s) {
                   val entry = val::object();
                   entry.set("screen", screenValue(s.screen));
                   entry.set("control", text(s.control));
                   entry.set("shown", s.shown);
                   return entry;
               }));
    result.set("pictures", arrayOf(reply.pictures, [](const Picture& p) {
                   val entry = val::object();
                   entry.set("screen", screenValue(p.screen));
                   entry.set("control", text(p.control));
                   entry.set("design", text(designName(p.design)));
                   return entry;
               }));
    result.set("message", text(reply.message));
    result.set("refused", reply.refused());
    result.set("messageScreen", reply.messageScreen ? screenValue(*reply.messageScreen) : val::null());
    result.set("messageField", text(reply.messageField));
    result.set("beep", reply.beep);
    result.set("screens", arrayOf(reply.screens, [](const ScreenShown& s) {
                   val entry = val::object();
                   entry.set("screen", screenValue(s.screen));
                   entry.set("shown", s.shown);
                   return entry;
               }));
    result.set("calculated", reply.calculated);
    return result;
}

Session* newSession(const std::string& separator)
{
    return new Session(separator, pageTranslator());
}

// The window's title, with the mark of unsaved work when there is some.
std::string titleOf(const Session& session)
{
    return session.title();
}

val menu(Session& session, const std::string& command)
{
    return replyValue(session.menu(command));
}

// What a screen was given: {choice, texts}.
GivenInputs givenOf(const val& input)
{
    GivenInputs given;
    if (input["texts"].isArray())
        given.texts = emscripten::vecFromJSArray<std::string>(input["texts"]);
    if (input["choice"].isNumber())
        given.choice = input["choice"].as<int>();
    return given;
}

val ok(Session& session, const std::string& screen, const val& input)
{
    const std::optional<ScreenId> id = screenByName(screen);
    return replyValue(id ? session.ok(*id, givenOf(input)) : Reply{});
}

val preview(Session& session, const std::string& screen, const val& input)
{
    const std::optional<ScreenId> id = screenByName(screen);
    return replyValue(id ? session.preview(*id, givenOf(input)) : Reply{});
}

val showDrawing(Session& session)
{
    return replyValue(session.showDrawing());
}

// The file's bytes as the browser read them (a Uint8Array), so that a file
// that is not UTF-8 reaches the core's check as it is.
val open(Session& session, const std::string& fileName, const std::string& bytes)
{
    return replyValue(session.open(fileName, bytes));
}

val fileValue(const FileToSave& file)
{
    val result = val::object();
    result.set("name", text(file.name));
    result.set("type", text(file.type));
    result.set("text", text(file.text));
    result.set("notice", text(file.notice));
    return result;
}

val fileToSave(Session& session)
{
    return fileValue(session.fileToSave());
}

// The drawing of a picture as SVG, laid out for an area of the size given in
// millimetres; empty when the picture shows none.
std::string drawingSvgOf(Session& session, const std::string& screen, const std::string& control, double width,
                         double height)
{
    const std::optional<ScreenId> id = screenByName(screen);
    if (!id)
        return {};
    DrawingTarget area;
    area.paper = false;
    area.width = width;
    area.height = height;
    // Its words in the page's language, as the desktop's pictures have them.
    area.translate = session.translator();
    const std::optional<Drawing> drawing = session.drawing(*id, control, area);
    return drawing ? drawingSvg(*drawing) : std::string();
}

// "svg" or "dxf".
val drawingFileOf(Session& session, const std::string& screen, const std::string& control, const std::string& format)
{
    const std::optional<ScreenId> id = screenByName(screen);
    if (!id)
        return val::null();
    const std::optional<FileToSave> file =
        session.drawingFile(*id, control, format == "dxf" ? DrawingFormat::Dxf : DrawingFormat::Svg);
    return file ? fileValue(*file) : val::null();
}

val walkthroughValue(const std::vector<WalkthroughSection>& sections)
{
    return arrayOf(sections, [](const WalkthroughSection& section) {
        val mode = val::object();
        mode.set("title", text(section.title));
        mode.set("notRun", text(section.notRun));
        mode.set("groups", arrayOf(section.groups, [](const WalkthroughGroup& group) {
                     val g = val::object();
                     g.set("screen", screenValue(group.screen));
                     g.set("title", text(group.title));
                     g.set("refusal", text(group.refusal));
                     g.set("lines", arrayOf(group.lines, [](const WalkthroughLine& line) {
                               val l = val::object();
                               l.set("quantity", text(line.quantity));
                               l.set("symbolic", text(line.symbolic));
                               l.set("substituted", text(line.substituted));
                               l.set("result", text(line.result));
                               l.set("decision", text(line.decision));
                               return l;
                           }));
                     return g;
                 }));
        return mode;
    });
}

val walkthrough(Session& session)
{
    return walkthroughValue(session.walkthrough());
}

// The self-check's rows: where each value line stands, its formula
// without numbers, what the student typed and its mark.
val selfCheckRows(Session& session)
{
    return arrayOf(session.selfCheckRows(), [](const SelfCheckRow& row) {
        val r = val::object();
        r.set("section", text(row.section));
        r.set("heading", text(row.heading));
        r.set("quantity", text(row.quantity));
        r.set("symbolic", text(row.symbolic));
        r.set("unit", text(row.unit));
        r.set("typed", text(row.typed));
        r.set("mark", text(row.markText));
        r.set("own", text(row.own));
        return r;
    });
}

// «Проверить»: the rows' fields in order and the tolerance field.
val checkSelf(Session& session, const val& typed, const std::string& tolerance)
{
    std::vector<std::string> texts;
    if (typed.isArray())
        texts = emscripten::vecFromJSArray<std::string>(typed);
    return replyValue(session.checkSelf(texts, tolerance));
}

val importSelfCheck(Session& session, const std::string& csv)
{
    return replyValue(session.importSelfCheck(csv));
}

std::string walkthroughText(Session& session)
{
    return session.walkthroughText();
}

// The calculation state as the core holds it: every number by its symbol,
// written as the screens write it (empty when never written), the flags,
// the mode and the steel taken.
val stateOf(Session& session)
{
    const CalcState& s = session.state();
    val state = val::object();
    val numbers = val::object();
    for (const NumberField& field : kNumberFields)
        numbers.set(std::string(field.name), text(numberToText(s.*field.field, session.decimalSeparator())));
    state.set("numbers", numbers);
    state.set("mode", s.mode ? text(modeTitle(*s.mode)) : val::null());
    state.set("rigid", s.rigid);
    state.set("wheelEntered", s.wheelEntered);
    state.set("isHRC", s.isHRC);
    state.set("isHB", s.isHB);
    state.set("steelGrade", text(s.steelGrade));
    return state;
}

val tablesValue(const std::vector<ResultTable>& tables)
{
    return arrayOf(tables, [](const ResultTable& table) {
        val t = val::object();
        t.set("title", text(table.title));
        t.set("rows", arrayOf(table.rows, [](const std::vector<std::string>& row) {
                  return arrayOf(row, [](const std::string& cell) { return text(cell); });
              }));
        return t;
    });
}

val resultTablesOf(Session& session)
{
    return tablesValue(session.resultTables());
}

// Each mode's inputs and results, as the desktop's report and gearcalc give them.
val reportTablesOf(Session& session)
{
    return tablesValue(session.reportTables());
}

// The calculation note: for each mode that reached its results, its
// inputs, walkthrough, results and drawing (SVG laid out for an A4 page's
// text width), as the desktop's report holds them.
val reportOf(Session& session)
{
    const CalcState& state = session.state();
    const Translator& words = session.translator();
    const std::string& separator = session.decimalSeparator();
    const std::vector<ResultTable> results = resultTables(state, separator, words);
    const std::vector<WalkthroughSection> sections = walkthroughSections(state, separator, words);
    val report = val::object();
    report.set("program", text("gearwheel " GEAR_VERSION));
    val modes = val::array();
    size_t resultIndex = 0;
    for (Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        if (!state.results[static_cast<size_t>(mode)])
            continue;
        val entry = val::object();
        entry.set("title", text(translated(words, "mode", modeTitle(mode))));
        entry.set("inputs", tablesValue({inputTable(state, mode, separator, words)})[0]);
        if (resultIndex < results.size())
            entry.set("results", tablesValue({results[resultIndex++]})[0]);
        for (const WalkthroughSection& section : sections)
            if (section.mode == mode)
                entry.set("walkthrough", walkthroughValue({section})[0]);
        // The drawing fills an A4 page's text width, 165 by 200 mm.
        DrawingTarget area;
        area.paper = false;
        area.standardScale = true;
        area.width = 165;
        area.height = 200;
        area.decimalSeparator = separator;
        area.translate = words;
        if (mode != Mode::Check)
            if (const std::optional<Drawing> drawing = modeDrawing(state, mode, area))
                entry.set("drawing", text(drawingSvg(*drawing)));
        modes.call<void>("push", entry);
    }
    report.set("modes", modes);
    return report;
}

std::string_view layoutName(ScreenLayout layout)
{
    switch (layout) {
    case ScreenLayout::HardnessTable: return "hardnessTable";
    case ScreenLayout::TreatmentTable: return "treatmentTable";
    case ScreenLayout::OptionColumns: return "optionColumns";
    case ScreenLayout::Prompts: return "prompts";
    case ScreenLayout::PromptGrid: return "promptGrid";
    case ScreenLayout::ModuleChoice: return "moduleChoice";
    case ScreenLayout::SteelList: return "steelList";
    case ScreenLayout::PairResults: return "pairResults";
    case ScreenLayout::Load: return "load";
    case ScreenLayout::Sketch: return "sketch";
    case ScreenLayout::PairDrawing: return "pairDrawing";
    case ScreenLayout::Message: return "message";
    case ScreenLayout::About: return "about";
    case ScreenLayout::Parameters: return "parameters";
    case ScreenLayout::Walkthrough: return "walkthrough";
    case ScreenLayout::ExitQuestion: return "exitQuestion";
    }
    return {};
}

std::string_view actionName(ButtonAction action)
{
    switch (action) {
    case ButtonAction::Ok: return "ok";
    case ButtonAction::Close: return "close";
    case ButtonAction::ShowDrawing: return "showDrawing";
    case ButtonAction::SaveDrawing: return "saveDrawing";
    case ButtonAction::Copy: return "copy";
    case ButtonAction::Print: return "print";
    case ButtonAction::SelfCheck: return "selfCheck";
    case ButtonAction::CheckSelf: return "checkSelf";
    case ButtonAction::ImportSelfCheck: return "importSelfCheck";
    case ButtonAction::Yes: return "yes";
    }
    return {};
}

// Every screen as the catalogue describes it, with its texts in the page's
// language and its lists' numbers written with `separator`.
// A screen's fields and options, each with its caption as the page shows it.
val textsValue(const ScreenEntry& entry, const Translator& words, const std::string& separator)
{
    return arrayOf(entry.texts, [&](const TextInput& input) {
        val t = val::object();
        t.set("control", text(input.control));
        t.set("label", text(input.label));
        t.set("caption", text(translated(words, input.caption)));
        t.set("items", arrayOf(listItems(input.items, separator), [](const std::string& item) { return text(item); }));
        t.set("helixAngle", input.helixAngle);
        t.set("muted", input.muted);
        return t;
    });
}

val optionsValue(const ScreenEntry& entry, const Translator& words)
{
    val options = val::array();
    for (size_t i = 0; i < entry.options.size(); ++i) {
        const OptionInput& option = entry.options[i];
        val o = val::object();
        o.set("control", text(option.control));
        o.set("label", text(option.label));
        o.set("caption", text(translated(words, option.caption)));
        o.set("description", text(optionDescription(entry, i, words)));
        options.call<void>("push", o);
    }
    return options;
}

// The texts a screen shows that nothing types: its table's cells, its
// captions, its buttons and its displays.
void setShownValues(val& screen, const ScreenEntry& entry, const Translator& words)
{
    screen.set("cells", arrayOf(entry.cells, [&](const TableCell& cell) {
                   val c = val::object();
                   c.set("control", text(cell.control));
                   c.set("text", text(translated(words, cell.text)));
                   c.set("row", cell.row);
                   c.set("column", cell.column);
                   c.set("rowSpan", cell.rowSpan);
                   c.set("columnSpan", cell.columnSpan);
                   return c;
               }));
    screen.set("captions", arrayOf(entry.captions, [&](const Caption& caption) {
                   val c = val::object();
                   c.set("control", text(caption.control));
                   c.set("text", text(translated(words, caption.text)));
                   return c;
               }));
    screen.set("buttons", arrayOf(entry.buttons, [&](const Button& button) {
                   val b = val::object();
                   b.set("control", text(button.control));
                   b.set("caption", text(translated(words, button.caption)));
                   b.set("action", text(actionName(button.action)));
                   return b;
               }));
    screen.set("displays", arrayOf(entry.displays, [](const Display& display) { return text(display.control); }));
    // The displays that are sentences, shown only when they say something.
    std::vector<Display> notes;
    std::copy_if(entry.displays.begin(), entry.displays.end(), std::back_inserter(notes),
                 [](const Display& display) { return display.note != nullptr; });
    screen.set("notes", arrayOf(notes, [](const Display& display) { return text(display.control); }));
}

val catalogue(const std::string& separator)
{
    const Translator words = pageTranslator();
    return arrayOf(screenCatalogue(), [&](const ScreenEntry& entry) {
        val screen = val::object();
        screen.set("name", screenValue(entry.id));
        screen.set("layout", text(layoutName(entry.layout)));
        screen.set("title", text(screenTitle(entry.id, words)));
        screen.set("calculates", entry.ok != nullptr);
        screen.set("texts", textsValue(entry, words, separator));
        screen.set("options", optionsValue(entry, words));
        setShownValues(screen, entry, words);
        screen.set("listControl", text(entry.listControl));
        screen.set("listCaption", text(translated(words, entry.listCaption)));
        return screen;
    });
}

// What the screens list beside the catalogue: the steel table's rows and
// column widths, and the largest file the page reads.
val referenceTables()
{
    val tables = val::object();
    val steels = val::array();
    for (int index = 0; index <= static_cast<int>(kSteelRows.size()); ++index)
        steels.call<void>("push", text(steelItemText(index, pageTranslator())));
    tables.set("steelItems", steels);
    tables.set("steelColumnWidths", arrayOf(steelColumnWidths(pageTranslator()), [](int width) { return val(width); }));
    // A file larger than this is refused unread: the page reads one byte
    // more, to tell it.
    tables.set("maxFileSize", static_cast<double>(kMaxCalculationFileSize));
    return tables;
}

} // namespace

EMSCRIPTEN_BINDINGS(gear)
{
    emscripten::class_<Session>("Session")
        .constructor(&newSession, emscripten::allow_raw_pointers())
        .function("menu", &menu)
        .function("ok", &ok)
        .function("preview", &preview)
        .function("showDrawing", &showDrawing)
        .function("open", &open)
        .function("fileToSave", &fileToSave)
        .function("saved", &Session::saved)
        .function("modified", &Session::modified)
        .function("fileName", &Session::fileName)
        .function("title", &titleOf)
        .function("drawingSvg", &drawingSvgOf)
        .function("drawingFile", &drawingFileOf)
        .function("state", &stateOf)
        .function("walkthrough", &walkthrough)
        .function("walkthroughText", &walkthroughText)
        .function("selfCheckRows", &selfCheckRows)
        .function("checkSelf", &checkSelf)
        .function("importSelfCheck", &importSelfCheck)
        .function("selfCheckTolerance", &Session::selfCheckTolerance)
        .function("setVariant", &Session::setVariant)
        .function("resultTables", &resultTablesOf)
        .function("reportTables", &reportTablesOf)
        .function("report", &reportOf);
    emscripten::function("catalogue", &catalogue);
    emscripten::function("referenceTables", &referenceTables);
    emscripten::function("useTranslations", &useTranslations);
    emscripten::function("pageTexts", &pageTexts);
}

} // namespace gear::web
