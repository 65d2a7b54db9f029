// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/check_calculation.h"

#include "shell/angle.h"
#include "shell/draft.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

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

Outcome checkPermissibleLoad(CalcState& state, const CheckInput& input)
{
    const double d = numberFromText(input.d);
    const double z = numberFromText(input.z);
    const double beta = input.beta.empty() ? 0.0 : numberFromText(input.beta);
    const double b = numberFromText(input.b);
    Draft draft(state);
    const GivenInputs given = inputsOf(input);
    auto refuse = [&](Message why) { return draft.refuse(ScreenId::Vvod3, std::move(why), given); };
    if (!isPositive(d))
        return refuse(GEAR_TR("refusal", "Делительный диаметр колеса должен быть больше нуля."));
    if (!isPositive(z))
        return refuse(GEAR_TR("refusal", "Число зубьев колеса должно быть больше нуля."));
    if (!isUsableHelixAngle(beta))
        return refuse(GEAR_TR("refusal", "Угол наклона зубьев должен быть не меньше 0 и меньше 90 градусов."));
    if (!isPositive(b))
        return refuse(GEAR_TR("refusal", "Ширина зубчатого венца должна быть больше нуля."));

    // The wheel is checked with the default transverse load factor, not with
    // one an unfinished helical design left behind.
    CalcState& s = draft.state();
    const double kfa = s.defaults.kfa;
    const double c = cosDegrees(beta);
    s.m = d * c / z;
    s.Psibm = b / s.m;
    s.Ybeta = 1;
    // σF·z·ψbm·m³ / (2·Yβ·KFα·cos β) in N·mm, /1000 for N·m.
    s.Tcalc = s.sigmaF1 * z * s.Psibm * std::pow(double(s.m), 3) / (2.0 * s.Ybeta * kfa * c) / 1000.0;
    if (!allFinite(s))
        return refuse(GEAR_TR("refusal", "При этих данных расчёт не даёт конечного результата."));
    StepRecorder record(s, ScreenId::Vvod3);
    record.given(given);
    record.step("cos β", "cos({β}·3.1415/180)", {beta}, c);
    record.step("m", "{d}·{cos β}/{z}", {d, c, z}, s.m, unit::mm);
    record.step("ψ_bm", "{b}/{m}", {b, s.m}, s.Psibm);
    record.step("Y_β", "1", {}, s.Ybeta);
    record.step("T", "{σ_F1}·{z}·{ψ_bm}·{m}^3/(2·{Y_β}·{K_Fα}·{cos β})/1000",
                {s.sigmaF1, z, s.Psibm, s.m, s.Ybeta, kfa, c}, s.Tcalc, unit::Nm);
    keepResults(s, Mode::Check);
    draft.commit();
    // The input stays open under the result, so the student can change a
    // value and check again.
    return {ScreenId::result, false, false, {}};
}

} // namespace gear
