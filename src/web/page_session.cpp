// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
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
    : m_state(startUpState()), m_separator(std::move(decimalSeparator))
{
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
        const auto texts = parameterTexts(m_state, m_separator);
        for (size_t i = 0; i < texts.size(); ++i)
            reply.texts.push_back({ScreenId::nastroyka, "Text" + std::to_string(i + 1), texts[i]});
        reply.outcome = Outcome::openNext(ScreenId::nastroyka);
    }
    // The menu stays; nothing of it is left.
    reply.outcome.leave = false;
    return reply;
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
        if (!reply.outcome.refused())
            presetCalculatedModule(reply, m_state.m);
        break;
    case ScreenId::Vvod:
        reply.outcome = enterWheel(m_state, {textAt(input, 0), textAt(input, 1), textAt(input, 2), textAt(input, 3),
                                             textAt(input, 4), textAt(input, 5)});
        if (!reply.outcome.refused())
            presetCalculatedModule(reply, m_state.mcalc);
        break;
    case ScreenId::Vvod3:
        reply.outcome =
            checkPermissibleLoad(m_state, {textAt(input, 0), textAt(input, 1), textAt(input, 2), textAt(input, 3)});
        if (!reply.outcome.refused())
            reply.texts.push_back({ScreenId::result, "Label2", shown(m_state.Tcalc)});
        break;
    case ScreenId::Vibor:
        reply.outcome = chooseModule(m_state, textAt(input, 0), textAt(input, 1));
        if (reply.outcome.next == ScreenId::okon) {
            presetModuleResults(reply);
        } else if (reply.outcome.next == ScreenId::vivod1 || reply.outcome.next == ScreenId::vivod2 ||
                   reply.outcome.next == ScreenId::vivod3) {
            const ScreenId sketch = *reply.outcome.next;
            for (const SketchRow& row : sketchRows(sketch))
                reply.texts.push_back({sketch, std::string(row.fieldName), shown(m_state.*row.value)});
            reply.pictures.push_back({sketch, "Image1", designOfSketch(sketch)});
        }
        break;
    case ScreenId::okon:
        reply.outcome = chooseFinalSteel(m_state, input.index);
        presetGrade(reply);
        break;
    case ScreenId::nastroyka: {
        std::array<std::string, kCoefficientCount> texts;
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] = textAt(input, i);
        reply.outcome = applyParameters(m_state, texts);
        break;
    }
    default:
        // Every other screen's buttons only close it.
        reply.outcome = Outcome::close();
        break;
    }
    // A number in the sentence reads as the page's numbers do.
    if (reply.outcome.refused())
        reply.outcome.refusal = withDecimalSeparator(reply.outcome.refusal, m_separator);
    return reply;
}

Reply PageSession::showDrawing()
{
    Reply reply;
    const int picture = drawingPicture(m_state.da);
    constexpr std::array<WheelDesign, 3> kDesigns{WheelDesign::Solid, WheelDesign::Disc, WheelDesign::Spoked};
    for (int i = 1; i <= 3; ++i) {
        const std::string control = "Image" + std::to_string(i);
        reply.shown.push_back({ScreenId::vivod4, control, i == picture});
        if (i == picture)
            reply.pictures.push_back({ScreenId::vivod4, control, kDesigns[static_cast<size_t>(i - 1)]});
    }
    // The results stay open behind the drawing.
    reply.outcome = {ScreenId::vivod4, false, false, {}};
    return reply;
}

} // namespace gear::web
