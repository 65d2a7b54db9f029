// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/check_calculation.h"

#include "shell/angle.h"
#include "shell/draft.h"
#include "shell/input_range.h"
#include "shell/number_text.h"
#include "strength/strength_tables.h"
#include "shell/walkthrough.h"
#include "strength/transmission_design.h"

#include <cmath>

namespace gear {

GivenInputs inputsOf(const CheckInput& input)
{
    return {0, {input.d, input.z, input.beta, input.b}};
}

CheckInput checkInputOf(const GivenInputs& given)
{
    const auto text = [&](size_t i) { return i < given.texts.size() ? given.texts[i] : std::string(); };
    return {text(0), text(1), text(2), text(3)};
}

namespace {

// Reads the screen's texts; a text that holds no number or a number out of
// its range is refused with the sentence returned, and `field` left at the
// text refused.
Message readCheckInput(const CheckInput& input, double& d, double& z, double& beta, double& b, int& field)
{
    const auto range = [](Message sentence, double low, double high) {
        return std::move(sentence).arg(numberToText(Number(low))).arg(numberToText(Number(high)));
    };
    field = 0;
    if (!holdsNumber(input.d))
        return GEAR_TR("refusal", "Введите делительный диаметр колеса d, мм.");
    d = numberFromText(input.d);
    if (!(d > 0.0 && d <= kLargestSize))
        return GEAR_TR("refusal", "Делительный диаметр колеса должен быть больше 0 и не больше %1 мм.")
            .arg(numberToText(Number(kLargestSize)));
    field = 1;
    if (!holdsNumber(input.z))
        return GEAR_TR("refusal", "Введите число зубьев колеса z.");
    z = numberFromText(input.z);
    if (!isWholeNumber(z) || z < kFewestTeeth || z > kMostWheelTeeth)
        return range(GEAR_TR("refusal", "Число зубьев колеса z должно быть целым, от %1 до %2: меньше 10 зубьев без "
                                        "смещения не нарезать."),
                     kFewestTeeth, kMostWheelTeeth);
    field = 2;
    if (isBlankText(input.beta)) {
        beta = 0;
    } else {
        if (!holdsNumber(input.beta))
            return GEAR_TR("refusal", "Введите угол наклона зубьев в градусах или оставьте поле пустым для прямых "
                                      "зубьев.");
        beta = numberFromText(input.beta);
        if (!isUsableHelixAngle(beta))
            return range(GEAR_TR("refusal", "Угол наклона зубьев должен быть от %1 до %2 градусов."), 0,
                         kMaxHelixAngle);
    }
    field = 3;
    if (!holdsNumber(input.b))
        return GEAR_TR("refusal", "Введите ширину зубчатого венца b, мм.");
    b = numberFromText(input.b);
    if (!(b > 0.0 && b <= kLargestSize))
        return GEAR_TR("refusal", "Ширина зубчатого венца должна быть больше 0 и не больше %1 мм.")
            .arg(numberToText(Number(kLargestSize)));
    return {};
}

} // namespace

Outcome checkPermissibleLoad(CalcState& state, const CheckInput& input)
{
    double d = 0;
    double z = 0;
    double beta = 0;
    double b = 0;
    Draft draft(state);
    const GivenInputs given = inputsOf(input);
    auto refuse = [&](Message why) { return draft.refuse(ScreenId::Vvod3, std::move(why), given); };
    int field = -1;
    if (Message refusal = readCheckInput(input, d, z, beta, b, field); !refusal.empty())
        return draft.refuse(ScreenId::Vvod3, std::move(refusal), given, field);

    // The check computes with the steel of its own chain, whatever a design
    // since left in the shared fields, and with the default transverse load
    // factor, not with one an unfinished helical design left behind.
    CalcState& s = draft.state();
    takeMaterial(s, Mode::Check);
    const double kfa = s.defaults.kfa;
    const double c = cosDegrees(beta);
    s.m = d * c / z;
    s.Psibm = b / s.m;
    s.Ybeta = helixFactor(beta);
    const double zv = z / (c * c * c);
    const double YF = toothFormFactor(zv);
    // The inverse of the bending design: the torque at which the wheel's
    // teeth reach the allowable stress 0.4·σF lim, with the design's load
    // factor 1.5. N·mm, /1000 for N·m.
    s.Tcalc = 0.4 * s.sigmaF1 * z * s.Psibm * std::pow(double(s.m), 3) /
              (2.0 * YF * kDesignLoadFactor * s.Ybeta * kfa * c) / 1000.0;
    if (!allFinite(s))
        return refuse(GEAR_TR("refusal", "При этих данных расчёт не даёт конечного результата."));
    StepRecorder record(s, ScreenId::Vvod3);
    record.given(given);
    record.keepsResults();
    record.step("cos β", "cos({β}·3.1415/180)", {beta}, c);
    record.step("m", "{d}·{cos β}/{z}", {d, c, z}, s.m, unit::mm);
    record.step("ψ_bm", "{b}/{m}", {b, s.m}, s.Psibm);
    record.step("z_v", "{z}/{cos^3 β}", {z, c * c * c}, zv);
    record.step("Y_F", "Y_F({z_v})", {zv}, YF);
    if (beta == 0.0)
        record.step("Y_β", "1", {}, s.Ybeta);
    else
        record.step("Y_β", "1 − {β}/140", {beta}, s.Ybeta);
    record.step("K_Fα", "", {}, kfa);
    record.decision(GEAR_TR("walkthrough", "Коэффициент нагрузки 1.5, как в проектном расчёте на изгиб; KFα — из "
                                           "набора параметров"));
    record.step("T", "0.4·{σ_F1}·{z}·{ψ_bm}·{m}^3/(2·{Y_F}·1.5·{Y_β}·{K_Fα}·{cos β})/1000",
                {s.sigmaF1, z, s.Psibm, s.m, YF, s.Ybeta, kfa, c}, s.Tcalc, unit::Nm);
    keepResults(s, Mode::Check);
    draft.commit();
    // The input stays open under the result, so the student can change a
    // value and check again.
    return {ScreenId::result, false, false, {}};
}

} // namespace gear
