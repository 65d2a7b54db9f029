// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include "file/calculation_file.h"
#include "geometry/dxf_writer.h"
#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/svg_writer.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/walkthrough_text.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include <array>
#include <utility>

namespace gear::web {

namespace {

// The i-th text the page sent, empty when it sent fewer.
std::string textAt(const OkInput& input, size_t i)
{
    return i < input.texts.size() ? input.texts[i] : std::string();
}

// The fields of a screen whose Ok reads texts, in the order it reads them.
struct TextFields {
    ScreenId screen;
    std::array<std::string_view, 6> names;
};

constexpr std::array<TextFields, 4> kTextFields{{
    {ScreenId::Vvod2, {"Text1", "Text2", "Text3", "Combo1"}},
    {ScreenId::Vibor, {"Combo1", "Combo2"}},
    {ScreenId::Vvod, {"Text1", "Text2", "Text4", "Text5", "Text6", "Text7"}},
    {ScreenId::Vvod3, {"Text1", "Text2", "Text3", "Text4"}},
}};

constexpr std::string_view kUntitled = "расчёт.gear";

// Puts what an Ok was given back on its screen: the texts as typed, the
// option marked or the list's item chosen.
void showGiven(Reply& reply, ScreenId screen, const GivenInputs& given)
{
    for (const TextFields& fields : kTextFields) {
        if (fields.screen != screen)
            continue;
        for (size_t i = 0; i < fields.names.size() && !fields.names[i].empty(); ++i)
            reply.texts.push_back(
                {screen, std::string(fields.names[i]), i < given.texts.size() ? given.texts[i] : std::string()});
        return;
    }
    if (screen == ScreenId::okon)
        reply.chosen.push_back({screen, "Combo1", given.choice});
    else
        reply.marked.push_back({screen, given.choice});
}

// The numbers a mode kept with its results, or the state's where it kept
// none, as the desktop's drawings take them.
const Quantities& keptOr(const CalcState& state, Mode mode)
{
    const auto& kept = state.results[static_cast<size_t>(mode)];
    return kept ? kept->values : static_cast<const Quantities&>(state);
}

} // namespace

WheelDesign designOfSketch(ScreenId screen)
{
    if (screen == ScreenId::vivod1)
        return WheelDesign::Solid;
    if (screen == ScreenId::vivod2)
        return WheelDesign::Disc;
    return WheelDesign::Spoked;
}

PageSession::PageSession(std::string decimalSeparator)
    : m_state(startUpState()), m_separator(std::move(decimalSeparator)), m_savedText(currentFileText())
{
}

std::string PageSession::currentFileText() const
{
    return calculationText(calculationOf(m_state));
}

std::string PageSession::shown(Number value) const
{
    return numberToText(value, m_separator);
}

Reply PageSession::menu(std::string_view command)
{
    Reply reply;
    if (command == "mnuKol") {
        reply.outcome = Outcome::openNext(chooseWheelMode(m_state));
    } else if (command == "mnuPer") {
        reply.outcome = Outcome::openNext(chooseTransmissionMode(m_state));
    } else if (command == "mnuProv") {
        reply.outcome = Outcome::openNext(chooseCheckMode(m_state));
    } else if (command == "mnuProg") {
        reply.outcome = Outcome::openNext(ScreenId::info);
    } else if (command == "mnuSteps") {
        reply.outcome = Outcome::openNext(ScreenId::hodRascheta);
    } else if (command == "mnuParam") {
        // The fields show the coefficients in force each time it opens.
        presetParameters(reply);
        reply.outcome = Outcome::openNext(ScreenId::nastroyka);
    }
    // The menu stays; nothing of it is left.
    reply.outcome.leave = false;
    return reply;
}

void PageSession::presetParameters(Reply& reply) const
{
    const auto texts = parameterTexts(m_state, m_separator);
    for (size_t i = 0; i < texts.size(); ++i)
        reply.texts.push_back({ScreenId::nastroyka, "Text" + std::to_string(i + 1), texts[i]});
}

void PageSession::keepDrawing(ShownDrawing drawing)
{
    // A screen's pictures show one drawing at a time.
    std::erase_if(m_drawings, [&](const ShownDrawing& d) { return d.screen == drawing.screen; });
    m_drawings.push_back(std::move(drawing));
}

void PageSession::presetSketch(Reply& reply, ScreenId sketch)
{
    for (const SketchRow& row : sketchRows(sketch))
        reply.texts.push_back({sketch, std::string(row.fieldName), shown(m_state.*row.value)});
    reply.pictures.push_back({sketch, "Image1", designOfSketch(sketch)});
    // The numbers the mode kept, so that a later pass of another mode, which
    // shares the fields, leaves this drawing as it was computed.
    const Quantities& wheel = keptOr(m_state, Mode::Wheel);
    reply.texts.push_back(
        {sketch, std::string(kTipNoteName), withDecimalSeparator(wheelTipNote(wheel).text(), m_separator)});
    keepDrawing({sketch, "Image1", wheel, designOfSketch(sketch), false});
}

void PageSession::presetCalculatedModule(Reply& reply, Number module) const
{
    // Each visit starts with nothing taken from either row.
    reply.texts.push_back({ScreenId::Vibor, "Label6", shown(module)});
    reply.texts.push_back({ScreenId::Vibor, "Combo1", {}});
    reply.texts.push_back({ScreenId::Vibor, "Combo2", {}});
}

void PageSession::presetModuleResults(Reply& reply) const
{
    const CalcState& s = m_state;
    const std::array<std::pair<const char*, Number>, 4> stresses{
        {{"Label13", s.sigmaF1}, {"Label14", s.sigmaF2}, {"Label17", s.sigmaH1}, {"Label18", s.sigmaH2}}};
    for (const auto& [control, value] : stresses)
        reply.texts.push_back({ScreenId::okon, control, shown(value)});
    for (const PairRow& row : pairRows()) {
        if (!row.pinion)
            continue;
        reply.texts.push_back({ScreenId::okonchanie, std::string(row.pinionName), shown(s.*row.pinion)});
        reply.texts.push_back({ScreenId::okonchanie, std::string(row.wheelName), shown(s.*row.wheel)});
    }
}

void PageSession::presetGrade(Reply& reply) const
{
    for (const PairRow& row : pairRows()) {
        if (row.pinion)
            continue;
        reply.texts.push_back({ScreenId::okonchanie, std::string(row.pinionName), m_state.steelGrade});
        reply.texts.push_back({ScreenId::okonchanie, std::string(row.wheelName), m_state.steelGrade});
    }
}

Reply PageSession::ok(ScreenId screen, const OkInput& input)
{
    Reply reply;
    bool calculates = true;
    switch (screen) {
    case ScreenId::ATverd: reply.outcome = recommendHardness(m_state, input.option); break;
    case ScreenId::trebov2: reply.outcome = chooseRequirements(m_state, input.option); break;
    case ScreenId::BNormal2: reply.outcome = chooseThroughHardening(m_state, input.option); break;
    case ScreenId::Czakalka2: reply.outcome = chooseSurfaceHardening(m_state, input.option); break;
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5: reply.outcome = chooseSteelGrade(m_state, screen, input.option); break;
    case ScreenId::Vvod2:
        reply.outcome =
            designTransmission(m_state, {textAt(input, 0), textAt(input, 1), textAt(input, 2), textAt(input, 3)});
        break;
    case ScreenId::Vvod:
        reply.outcome = enterWheel(m_state, {textAt(input, 0), textAt(input, 1), textAt(input, 2), textAt(input, 3),
                                             textAt(input, 4), textAt(input, 5)});
        break;
    case ScreenId::Vvod3:
        reply.outcome =
            checkPermissibleLoad(m_state, {textAt(input, 0), textAt(input, 1), textAt(input, 2), textAt(input, 3)});
        break;
    case ScreenId::Vibor: reply.outcome = chooseModule(m_state, textAt(input, 0), textAt(input, 1)); break;
    case ScreenId::okon: reply.outcome = chooseFinalSteel(m_state, input.index); break;
    case ScreenId::nastroyka: {
        std::array<std::string, kCoefficientCount> texts;
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] = textAt(input, i);
        reply.outcome = applyParameters(m_state, texts);
        calculates = false;
        break;
    }
    default:
        // Every other screen's buttons only close it.
        reply.outcome = Outcome::close();
        calculates = false;
        break;
    }
    if (calculates)
        presetAfter(screen, reply.outcome, reply);
    // A number in the sentence reads as the page's numbers do.
    if (reply.outcome.refused())
        reply.outcome.refusal = Message::verbatim(withDecimalSeparator(reply.outcome.refusal.text(), m_separator));
    return reply;
}

// What a screen's Ok hands on to the screens after it, from the state it
// left: the same after a student's Ok and after the Ok of an opened file.
void PageSession::presetAfter(ScreenId screen, const Outcome& outcome, Reply& reply)
{
    switch (screen) {
    case ScreenId::Vvod2:
        if (!outcome.refused())
            presetCalculatedModule(reply, m_state.m);
        break;
    case ScreenId::Vvod:
        if (!outcome.refused())
            presetCalculatedModule(reply, m_state.mcalc);
        break;
    case ScreenId::Vvod3:
        if (!outcome.refused())
            reply.texts.push_back({ScreenId::result, "Label2", shown(m_state.Tcalc)});
        break;
    case ScreenId::Vibor:
        if (outcome.next == ScreenId::okon)
            presetModuleResults(reply);
        else if (outcome.next == ScreenId::vivod1 || outcome.next == ScreenId::vivod2 ||
                 outcome.next == ScreenId::vivod3)
            presetSketch(reply, *outcome.next);
        break;
    case ScreenId::okon: presetGrade(reply); break;
    default: break;
    }
}

Reply PageSession::showDrawing()
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
    reply.outcome = {ScreenId::vivod4, false, false, {}};
    return reply;
}

Reply PageSession::open(std::string_view fileName, std::string_view bytes)
{
    Reply reply;
    const OpenedCalculation opened = openCalculation(bytes);
    if (opened.refused()) {
        reply.outcome = Outcome::refuse(
            Message::verbatim("Файл «" + std::string(fileName) + "» не открыт. " + opened.refusal.text()));
        return reply;
    }
    // Screens the file does not reach show nothing of the work before it.
    for (const ScreenId screen : kInputScreens)
        showGiven(reply, screen, {screen == ScreenId::okon ? -1 : 0, {}});
    m_drawings.clear();
    // The file was checked on a state of its own; the same run on the
    // session's state gives the same, and each screen gets what its Ok had.
    reply.opened = reopen(m_state, opened.calculation, [&](const GivenStep& step, const Outcome& outcome) {
        showGiven(reply, step.screen, step.given);
        presetAfter(step.screen, outcome, reply);
    });
    reply.hidden.assign(kChainScreens.begin(), kChainScreens.end());
    presetParameters(reply);
    m_fileName = fileName;
    // A file of an older version holds other results than those shown: the
    // work is unsaved until the new ones are written.
    m_savedText = opened.notice.empty() ? currentFileText() : std::string();
    reply.notice = withDecimalSeparator(noticeText(opened.notice), m_separator);
    return reply;
}

FileToSave PageSession::save()
{
    const SavedCalculation saved = saveCalculation(m_state);
    FileToSave file{m_fileName.empty() ? std::string(kUntitled) : m_fileName,
                    "application/x-gearwheel-calculation",
                    saved.text,
                    {}};
    if (!saved.recomputed.empty()) {
        std::string modes;
        for (const Mode mode : saved.recomputed)
            modes += (modes.empty() ? "«" : ", «") + std::string(modeTitle(mode)) + "»";
        file.notice = "Расчёт сохранён. Результаты расчёта " + modes +
                      " в файле пересчитаны по данным его экранов и отличаются от показанных: экраны нажимались не по "
                      "порядку или коэффициенты менялись по ходу расчёта. Откройте файл, чтобы увидеть расчёт таким, "
                      "каким он записан.";
    }
    m_savedText = currentFileText();
    return file;
}

bool PageSession::modified() const
{
    return currentFileText() != m_savedText;
}

std::optional<Drawing> PageSession::drawing(ScreenId screen, std::string_view control, DrawingTarget target) const
{
    target.decimalSeparator = m_separator;
    for (const ShownDrawing& d : m_drawings) {
        if (d.screen == screen && d.control == control)
            return d.pair ? transmissionDrawing(d.values, d.design, target) : wheelDrawing(d.values, d.design, target);
    }
    return std::nullopt;
}

std::optional<FileToSave> PageSession::drawingFile(ScreenId screen, std::string_view control,
                                                   DrawingFormat format) const
{
    // On its sheet, with the frame, the title block and the table, as the
    // desktop saves it.
    const std::optional<Drawing> sheet = drawing(screen, control, DrawingTarget{});
    if (!sheet)
        return std::nullopt;
    if (format == DrawingFormat::Dxf)
        return FileToSave{"чертёж.dxf", "image/vnd.dxf", drawingDxf(*sheet), {}};
    return FileToSave{"чертёж.svg", "image/svg+xml", drawingSvg(*sheet), {}};
}

} // namespace gear::web
