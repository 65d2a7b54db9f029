// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/steel_grade.h"

#include "shell/draft.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

namespace {

constexpr std::string_view kTitle = GEAR_TR_NOOP("steel grade", "Выбор материала");
// The grades offered on more than one screen.
constexpr std::string_view k40 = GEAR_TR_NOOP("steel", "Сталь 40");
constexpr std::string_view k45 = GEAR_TR_NOOP("steel", "Сталь 45");
constexpr std::string_view k40Kh = GEAR_TR_NOOP("steel", "Сталь 40Х");
constexpr std::string_view k40KhN = GEAR_TR_NOOP("steel", "Сталь 40ХН");
constexpr std::string_view k18KhGT = GEAR_TR_NOOP("steel", "Сталь 18ХГТ");

} // namespace

SteelScreenContent steelScreenContent(ScreenId screen)
{
    switch (screen) {
    case ScreenId::stal1:
        return {kTitle, {k40, GEAR_TR_NOOP("steel", "Сталь 50Л"), GEAR_TR_NOOP("steel", "Сталь 40ГЛ")}};
    case ScreenId::stal2: return {kTitle, {k40, k45, k40Kh, k40KhN}};
    case ScreenId::stal3:
        // The course's screen has the slip in its title.
        return {GEAR_TR_NOOP("steel grade", "Выбор матеоиала"),
                {k40Kh, k40KhN, GEAR_TR_NOOP("steel", "Сталь 40ХФА"), k40, k45}};
    case ScreenId::stal4: return {kTitle, {k18KhGT, GEAR_TR_NOOP("steel", "Сталь 12ХН3А")}};
    case ScreenId::stal5: return {kTitle, {GEAR_TR_NOOP("steel", "Сталь 20Х"), k18KhGT}};
    default: return {};
    }
}

namespace {

// A limit rule: σH = kH·H + cH, σF = kF·H + cF, the same for pinion (H1) and
// wheel (H2). Stresses in MPa, hardness in HB or HRC.
struct LimitRule {
    double kH, cH, kF, cF;
};

// "17·{H_1} + 200", or the constant alone when the limit does not depend on
// the hardness.
std::string ruleFormula(double k, double c, const char* hardness)
{
    if (k == 0.0)
        return numberToText(Number(c));
    std::string formula = numberToText(Number(k)) + "·{" + hardness + "}";
    if (c != 0.0)
        formula += " + " + numberToText(Number(c));
    return formula;
}

void writeLimits(CalcState& s, LimitRule rule, StepRecorder& record)
{
    s.sigmaH1 = rule.kH * s.H1 + rule.cH;
    s.sigmaH2 = rule.kH * s.H2 + rule.cH;
    s.sigmaF1 = rule.kF * s.H1 + rule.cF;
    s.sigmaF2 = rule.kF * s.H2 + rule.cF;
    // A limit that does not depend on the hardness has no value to substitute.
    auto hardness = [](double k, double H) { return k == 0.0 ? std::vector<double>{} : std::vector<double>{H}; };
    record.step("σ_H1", ruleFormula(rule.kH, rule.cH, "H_1"), hardness(rule.kH, s.H1), s.sigmaH1, unit::MPa);
    record.step("σ_H2", ruleFormula(rule.kH, rule.cH, "H_2"), hardness(rule.kH, s.H2), s.sigmaH2, unit::MPa);
    record.step("σ_F1", ruleFormula(rule.kF, rule.cF, "H_1"), hardness(rule.kF, s.H1), s.sigmaF1, unit::MPa);
    record.step("σ_F2", ruleFormula(rule.kF, rule.cF, "H_2"), hardness(rule.kF, s.H2), s.sigmaF2, unit::MPa);
}

constexpr LimitRule kNormalised{1.3, 70, 1.3, 0};     // Сталь 40, 50Л
constexpr LimitRule kNormalisedCast{1.5, 70, 1.5, 0}; // Сталь 40ГЛ
// Through-hardened (improved) steel: σH lim = 2·HB + 70 and σF lim = 1.8·HB,
// the endurance limits of ГОСТ 21354-87 for a hardness below 350 HB.
constexpr LimitRule kImproved{2, 70, 1.8, 0};          // any grade, HB
constexpr LimitRule kHfcCarbon{18, 150, 0, 600};       // Сталь 40, 45
constexpr LimitRule kHfcAlloy{17, 200, 0, 700};        // Сталь 40Х, 40ХН
constexpr LimitRule kThroughHardened{18, 150, 0, 550}; // alloy grades
constexpr LimitRule kCarburised18{17, 200, 0, 950};    // Сталь 18ХГТ
constexpr LimitRule kCarburised12{23, 0, 0, 820};      // Сталь 12ХН3А
constexpr LimitRule kNitrocarburised{23, 0, 0, 750};   // any grade

// Writes the limits; false when the rule needs a grade and none is marked.
bool applyRule(CalcState& s, ScreenId screen, int option, StepRecorder& record)
{
    switch (screen) {
    case ScreenId::stal1:
        if (option == 1 || option == 2)
            writeLimits(s, kNormalised, record);
        else if (option == 3)
            writeLimits(s, kNormalisedCast, record);
        else
            return false;
        return true;
    case ScreenId::stal2:
        if (s.isHB) {
            writeLimits(s, kImproved, record);
        } else if (s.isHRC || s.rigid) {
            if (option == 1 || option == 2)
                writeLimits(s, kHfcCarbon, record);
            else if (option == 3 || option == 4)
                writeLimits(s, kHfcAlloy, record);
            else
                return false;
        }
        return true;
    case ScreenId::stal3:
        writeLimits(s, kThroughHardened, record);
        if (option == 4 || option == 5) { // carbon steels 40 and 45 bend less
            s.sigmaF1 = 500;
            s.sigmaF2 = 500;
            record.step("σ_F1 = σ_F2", "500", {}, s.sigmaF1, unit::MPa);
        }
        return true;
    case ScreenId::stal4:
        if (option == 1)
            writeLimits(s, kCarburised18, record);
        else if (option == 2)
            writeLimits(s, kCarburised12, record);
        else
            return false;
        return true;
    case ScreenId::stal5: writeLimits(s, kNitrocarburised, record); return true;
    default: return false;
    }
}

} // namespace

Outcome chooseSteelGrade(CalcState& state, ScreenId screen, int option)
{
    // Without a grade a grade-dependent rule would go on with the limits of an
    // earlier pass; the screen waits for a grade instead.
    Draft draft(state);
    CalcState& s = draft.state();
    // The grade serves the chain of the mode in force, with that chain's
    // hardness and kind of treatment.
    if (s.mode)
        takeMaterial(s, *s.mode);
    StepRecorder record(s, screen);
    record.given({option, {}});
    const std::vector<std::string_view> grades = steelScreenContent(screen).grades;
    if (option >= 1 && option <= static_cast<int>(grades.size()))
        record.decision(Message("steel", grades[static_cast<size_t>(option - 1)]));
    if (!applyRule(s, screen, option, record))
        return Outcome::stay();
    if (s.mode)
        keepMaterial(s, *s.mode);
    draft.commit();
    Outcome outcome = Outcome::close();
    outcome.next = inputScreenOfMode(state);
    return outcome;
}

} // namespace gear
