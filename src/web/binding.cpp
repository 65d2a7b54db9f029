// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the core: a session per student, the reference tables
// and the walkthrough, as plain JavaScript values. Numbers reach the page as
// the texts the core writes; the page computes nothing.
#include "file/calculation_file.h"
#include "file/input_table.h"
#include "geometry/results.h"
#include "geometry/svg_writer.h"
#include "material/steel_grade.h"
#include "shell/number_text.h"
#include "shell/reference_tables.h"
#include "shell/walkthrough.h"
#include "shell/walkthrough_text.h"
#include "web/page_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string>
#include <string_view>

namespace gear::web {

namespace {

using emscripten::val;

// A UTF-8 text as a JavaScript string (val(const char*) would read Latin-1).
val text(std::string_view utf8)
{
    return val(std::string(utf8));
}

template <typename Range>
val textArray(const Range& items)
{
    val array = val::array();
    for (const auto& item : items)
        array.call<void>("push", text(item));
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

val replyValue(const Reply& reply)
{
    val result = val::object();
    const Outcome& outcome = reply.outcome;
    result.set("next", outcome.next ? text(screenName(*outcome.next)) : val::null());
    result.set("leave", outcome.leave);
    result.set("beep", outcome.beep);
    result.set("refusal", text(outcome.refusal.text()));
    val texts = val::array();
    for (const ControlText& t : reply.texts)
        texts.call<void>("push", textArray(std::array<std::string_view, 3>{screenName(t.screen), t.control, t.text}));
    result.set("texts", texts);
    val shown = val::array();
    for (const ControlShown& s : reply.shown) {
        val entry = textArray(std::array<std::string_view, 2>{screenName(s.screen), s.control});
        entry.call<void>("push", s.shown);
        shown.call<void>("push", entry);
    }
    result.set("shown", shown);
    val pictures = val::array();
    for (const Picture& p : reply.pictures) {
        val entry = val::object();
        entry.set("screen", text(screenName(p.screen)));
        entry.set("control", text(p.control));
        entry.set("design", text(designName(p.design)));
        pictures.call<void>("push", entry);
    }
    result.set("pictures", pictures);
    val marked = val::array();
    for (const OptionMarked& m : reply.marked) {
        val entry = textArray(std::array<std::string_view, 1>{screenName(m.screen)});
        entry.call<void>("push", m.option);
        marked.call<void>("push", entry);
    }
    result.set("marked", marked);
    val chosen = val::array();
    for (const ItemChosen& c : reply.chosen) {
        val entry = textArray(std::array<std::string_view, 2>{screenName(c.screen), c.control});
        entry.call<void>("push", c.index);
        chosen.call<void>("push", entry);
    }
    result.set("chosen", chosen);
    val hidden = val::array();
    for (const ScreenId screen : reply.hidden)
        hidden.call<void>("push", text(screenName(screen)));
    result.set("hidden", hidden);
    val opened = val::array();
    for (const ScreenId screen : reply.opened)
        opened.call<void>("push", text(screenName(screen)));
    result.set("opened", opened);
    result.set("notice", text(reply.notice));
    return result;
}

val menu(PageSession& session, const std::string& command)
{
    return replyValue(session.menu(command));
}

val ok(PageSession& session, const std::string& screen, const val& input)
{
    const std::optional<ScreenId> id = screenByName(screen);
    if (!id)
        return replyValue({});
    OkInput in;
    if (input["texts"].isArray())
        in.texts = emscripten::vecFromJSArray<std::string>(input["texts"]);
    if (input["option"].isNumber())
        in.option = input["option"].as<int>();
    if (input["index"].isNumber())
        in.index = input["index"].as<int>();
    return replyValue(session.ok(*id, in));
}

val showDrawing(PageSession& session)
{
    return replyValue(session.showDrawing());
}

// The file's bytes as the browser read them (a Uint8Array), so that a file
// that is not UTF-8 reaches the core's check as it is.
val open(PageSession& session, const std::string& fileName, const std::string& bytes)
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

val save(PageSession& session)
{
    return fileValue(session.save());
}

// The drawing of a picture as SVG, laid out for an area of the size given in
// millimetres; empty when the picture shows none.
std::string drawingSvgOf(PageSession& session, const std::string& screen, const std::string& control, double width,
                         double height)
{
    const std::optional<ScreenId> id = screenByName(screen);
    if (!id)
        return {};
    DrawingTarget area;
    area.paper = false;
    area.width = width;
    area.height = height;
    const std::optional<Drawing> drawing = session.drawing(*id, control, area);
    return drawing ? drawingSvg(*drawing) : std::string();
}

// "svg" or "dxf".
val drawingFileOf(PageSession& session, const std::string& screen, const std::string& control,
                  const std::string& format)
{
    const std::optional<ScreenId> id = screenByName(screen);
    if (!id)
        return val::null();
    const std::optional<FileToSave> file =
        session.drawingFile(*id, control, format == "dxf" ? DrawingFormat::Dxf : DrawingFormat::Svg);
    return file ? fileValue(*file) : val::null();
}

val walkthrough(PageSession& session)
{
    const std::string& separator = session.decimalSeparator();
    val modes = val::array();
    for (size_t index = 0; index < kModeCount; ++index) {
        const Mode shown = static_cast<Mode>(index);
        val mode = val::object();
        mode.set("title", text(modeTitle(shown)));
        const std::vector<StepGroup>* groups = session.state().walkthrough.of(shown);
        if (!groups) {
            mode.set("groups", val::null());
            modes.call<void>("push", mode);
            continue;
        }
        val groupList = val::array();
        for (const StepGroup& group : *groups) {
            val g = val::object();
            g.set("screen", text(screenName(group.screen)));
            g.set("title", text(stepGroupTitle(group.screen, shown)));
            g.set("refusal", text(withDecimalSeparator(group.refusal.text(), separator)));
            val steps = val::array();
            for (const Step& step : group.steps) {
                val s = val::object();
                s.set("decision", text(withDecimalSeparator(step.decision.text(), separator)));
                s.set("quantity", text(step.quantity));
                // A constant is its own result: "k_F = 1.5" needs no formula.
                s.set("hasValues", step.formula.find('{') != std::string::npos);
                s.set("symbolic", text(symbolicForm(step, separator)));
                s.set("substituted", text(substitutedForm(step, separator)));
                std::string result = resultText(step, separator);
                if (!step.unit.empty())
                    result += " " + step.unit;
                s.set("result", text(result));
                steps.call<void>("push", s);
            }
            g.set("steps", steps);
            groupList.call<void>("push", g);
        }
        mode.set("groups", groupList);
        modes.call<void>("push", mode);
    }
    return modes;
}

// The calculation state as the core holds it: every number by its symbol,
// written as the screens write it (empty when never written), the flags,
// the mode and the steel taken.
val stateOf(PageSession& session)
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

// Each mode's inputs and results, as the desktop's report and gearcalc give them.
val reportTablesOf(PageSession& session)
{
    val tables = val::array();
    for (const ResultTable& table : reportTables(session.state(), session.decimalSeparator())) {
        val t = val::object();
        t.set("title", text(table.title));
        val rows = val::array();
        for (const std::vector<std::string>& row : table.rows)
            rows.call<void>("push", textArray(row));
        t.set("rows", rows);
        tables.call<void>("push", t);
    }
    return tables;
}

// The items of a list, their numbers written with `separator`.
template <size_t N>
val numberItems(const std::array<std::string_view, N>& items, const std::string& separator)
{
    val array = val::array();
    for (std::string_view item : items)
        array.call<void>("push", text(withDecimalSeparator(item, separator)));
    return array;
}

// Everything the screens list that does not change during a run.
val referenceTables(const std::string& separator)
{
    val tables = val::object();
    tables.set("gearRatios", numberItems(kGearRatios, separator));
    tables.set("moduleRow1", numberItems(kModuleRow1, separator));
    tables.set("moduleRow2", numberItems(kModuleRow2, separator));
    val steels = val::array();
    for (int index = 0; index <= static_cast<int>(kSteelRows.size()); ++index)
        steels.call<void>("push", text(steelItemText(index)));
    tables.set("steelItems", steels);
    val widths = val::array();
    for (int width : kSteelColumnWidths)
        widths.call<void>("push", width);
    tables.set("steelColumnWidths", widths);

    val steelScreens = val::object();
    for (ScreenId id : {ScreenId::stal1, ScreenId::stal2, ScreenId::stal3, ScreenId::stal4, ScreenId::stal5}) {
        const SteelScreenContent content = steelScreenContent(id);
        val screen = val::object();
        screen.set("title", text(content.title));
        screen.set("grades", textArray(content.grades));
        steelScreens.set(std::string(screenName(id)), screen);
    }
    tables.set("steelScreens", steelScreens);

    val sketchScreens = val::object();
    for (ScreenId id : {ScreenId::vivod1, ScreenId::vivod2, ScreenId::vivod3}) {
        val screen = val::object();
        screen.set("title", text(sketchTitle(id)));
        val rows = val::array();
        for (const SketchRow& row : sketchRows(id))
            rows.call<void>("push",
                            textArray(std::array<std::string_view, 3>{row.captionName, row.caption, row.fieldName}));
        screen.set("rows", rows);
        sketchScreens.set(std::string(screenName(id)), screen);
    }
    tables.set("sketchScreens", sketchScreens);

    val pairs = val::array();
    for (const PairRow& row : pairRows())
        pairs.call<void>("push", textArray(std::array<std::string_view, 5>{row.captionName, row.caption, row.unit,
                                                                           row.pinionName, row.wheelName}));
    tables.set("pairRows", pairs);

    val coefficients = val::array();
    for (const CoefficientInfo& info : kCoefficients)
        coefficients.call<void>("push", textArray(std::array<std::string_view, 2>{info.name, info.meaning}));
    tables.set("coefficients", coefficients);
    // A file larger than this is refused unread: the page reads one byte
    // more, to tell it.
    tables.set("maxFileSize", static_cast<double>(kMaxCalculationFileSize));
    return tables;
}

} // namespace

EMSCRIPTEN_BINDINGS(gear)
{
    emscripten::class_<PageSession>("Session")
        .constructor<std::string>()
        .function("menu", &menu)
        .function("ok", &ok)
        .function("showDrawing", &showDrawing)
        .function("open", &open)
        .function("save", &save)
        .function("modified", &PageSession::modified)
        .function("fileName", &PageSession::fileName)
        .function("drawingSvg", &drawingSvgOf)
        .function("drawingFile", &drawingFileOf)
        .function("state", &stateOf)
        .function("walkthrough", &walkthrough)
        .function("reportTables", &reportTablesOf);
    emscripten::function("referenceTables", &referenceTables);
}

} // namespace gear::web
