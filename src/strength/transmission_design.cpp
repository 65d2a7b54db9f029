// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/transmission_design.h"

#include "shell/angle.h"
#include "shell/draft.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

#include <array>
#include <cmath>

namespace gear {

namespace {

struct FormFactor {
    double zv;
    double YF;
};

// Tooth form factor of an external gear without shift, by equivalent teeth.
constexpr std::array<FormFactor, 19> kYFtable{{
    {10, 4.47},  {12, 4.47},  {14, 4.47}, {16, 4.47},  {17, 4.3},   {20, 4.12},  {25, 3.96},
    {30, 3.85},  {40, 3.75},  {50, 3.73}, {60, 3.73},  {80, 3.74},  {100, 3.75}, {120, 3.85},
    {140, 3.96}, {160, 4.12}, {180, 4.3}, {200, 4.47}, {220, 4.47},
}};

// Bending design of hardened teeth; false with the refusal when a step has
// no usable result.
bool designByBending(CalcState& s, StepRecorder& record, Message& refusal)
{
    const double c = cosDegrees(s.beta);
    const bool helical = s.beta != 0.0;
    const double zv1 = helical ? s.Z1 / (c * c * c) : double(s.Z1);
    const double zv2 = helical ? s.Z2 / (c * c * c) : double(s.Z2);
    if (helical) {
        record.step("cos β", "cos({β}·3.1415/180)", {s.beta}, c);
        record.step("z_v1", "{Z_1}/{cos^3 β}", {s.Z1, c * c * c}, zv1);
        record.step("z_v2", "{Z_2}/{cos^3 β}", {s.Z2, c * c * c}, zv2);
    } else {
        record.step("z_v1", "{Z_1}", {s.Z1}, zv1);
        record.step("z_v2", "{Z_2}", {s.Z2}, zv2);
    }
    s.YF1 = toothFormFactor(zv1);
    s.YF2 = toothFormFactor(zv2);
    record.step("Y_F1", "Y_F({z_v1})", {zv1}, s.YF1);
    record.step("Y_F2", "Y_F({z_v2})", {zv2}, s.YF2);
    s.kf = 1.5;
    s.Psibm = s.Psibd * s.Z1;
    record.step("k_F", "1.5", {}, s.kf);
    record.step("ψ_bm", "{ψ_bd}·{Z_1}", {s.Psibd, s.Z1}, s.Psibm);
    if (helical) {
        s.epsalpha = (1.88 - 3.2 * (1.0 / s.Z1 + 1.0 / s.Z2)) * c;
        record.step("ε_α", "(1.88 − 3.2·(1/{Z_1} + 1/{Z_2}))·{cos β}", {s.Z1, s.Z2, c}, s.epsalpha);
        if (!isPositive(s.epsalpha)) {
            refusal = GEAR_TR("refusal", "Коэффициент торцевого перекрытия εα не получается положительным: "
                                         "увеличьте число зубьев шестерни Z1.");
            return false;
        }
        s.kfa = 1.1 / s.epsalpha;
        s.Ybeta = 1.0 - s.beta / 140.0;
        record.step("K_Fα", "1.1/{ε_α}", {s.epsalpha}, s.kfa);
        record.step("Y_β", "1 − {β}/140", {s.beta}, s.Ybeta);
    } else {
        s.Ybeta = 1;
        s.kfa = 1;
        record.step("Y_β", "1", {}, s.Ybeta);
        record.step("K_Fα", "1", {}, s.kfa);
    }
    // The gear whose σFP/YF is smaller is the weaker in bending; on a tie the
    // wheel is taken. T in N·m, hence 1000 for N·mm.
    const double pinionRatio = s.sigmaFP1 / s.YF1;
    const double wheelRatio = s.sigmaFP2 / s.YF2;
    record.step("σ_FP1/Y_F1", "{σ_FP1}/{Y_F1}", {s.sigmaFP1, s.YF1}, pinionRatio);
    record.step("σ_FP2/Y_F2", "{σ_FP2}/{Y_F2}", {s.sigmaFP2, s.YF2}, wheelRatio);
    const bool pinionGoverns = pinionRatio < wheelRatio;
    const double YF = pinionGoverns ? s.YF1 : s.YF2;
    const double T = pinionGoverns ? s.T1 : s.T2;
    const double z = pinionGoverns ? s.Z1 : s.Z2;
    const double sigmaFP = pinionGoverns ? s.sigmaFP1 : s.sigmaFP2;
    s.m = std::pow(2.0 * YF * s.Ybeta * s.kfa * s.kf * T * 1000.0 * c / (s.Psibm * z * sigmaFP), 1.0 / 3.0);
    if (pinionGoverns) {
        record.decision(GEAR_TR("walkthrough", "σFP1/YF1 < σFP2/YF2: шестерня слабее на изгиб, модуль по шестерне"));
        record.step("m", "∛(2·{Y_F1}·{Y_β}·{K_Fα}·{k_F}·{T_1}·1000·{cos β}/({ψ_bm}·{Z_1}·{σ_FP1}))",
                    {YF, s.Ybeta, s.kfa, s.kf, T, c, s.Psibm, z, sigmaFP}, s.m, unit::mm);
    } else {
        record.decision(GEAR_TR("walkthrough", "σFP2/YF2 ≤ σFP1/YF1: колесо слабее на изгиб, модуль по колесу"));
        record.step("m", "∛(2·{Y_F2}·{Y_β}·{K_Fα}·{k_F}·{T_2}·1000·{cos β}/({ψ_bm}·{Z_2}·{σ_FP2}))",
                    {YF, s.Ybeta, s.kfa, s.kf, T, c, s.Psibm, z, sigmaFP}, s.m, unit::mm);
    }
    return true;
}

// Contact design of soft teeth: centre distance, face width, then module.
void designByContact(CalcState& s, StepRecorder& record)
{
    s.YF1 = 4;
    s.YF2 = 4;
    const bool helical = s.beta > 0.0;
    const double ka = helical ? 270.0 : 310.0; // MPa^(1/3)
    s.kha = helical ? 1.15 : 1.0;
    s.km = helical ? 3.8 : 6.0;
    s.kh = 1.5;
    s.Psiba = 2.0 * s.Psibd / (s.U + 1.0);
    record.step("Y_F1 = Y_F2", "4", {}, s.YF1);
    record.decision(helical ? GEAR_TR("walkthrough", "β > 0: косозубая передача")
                            : GEAR_TR("walkthrough", "β = 0: прямозубая передача"));
    record.step("k_a", helical ? "270" : "310", {}, ka);
    record.step("K_Hα", helical ? "1.15" : "1", {}, s.kha);
    record.step("k_m", helical ? "3.8" : "6", {}, s.km);
    record.step("k_H", "1.5", {}, s.kh);
    record.step("ψ_ba", "2·{ψ_bd}/({U} + 1)", {s.Psibd, s.U}, s.Psiba);
    const double ratio = ka / (s.sigmaHP1 * s.U);
    // T2 enters in N·m here: the constant ka was set for it.
    s.aw = (s.U + 1.0) * std::pow(ratio * ratio * s.kha * s.kh * s.T2 / s.Psiba, 1.0 / 3.0);
    record.step("a_w", "({U} + 1)·∛(({k_a}/({σ_HP1}·{U}))^2·{K_Hα}·{k_H}·{T_2}/{ψ_ba})",
                {s.U, ka, s.sigmaHP1, s.U, s.kha, s.kh, s.T2, s.Psiba}, s.aw, unit::mm);
    s.bw = s.aw * s.Psiba;
    record.step("b_w", "{a_w}·{ψ_ba}", {s.aw, s.Psiba}, s.bw, unit::mm);
    s.m = s.km * (s.U + 1.0) * s.T2 / (s.U * s.bw * s.aw * s.sigmaFP2);
    record.step("m", "{k_m}·({U} + 1)·{T_2}/({U}·{b_w}·{a_w}·{σ_FP2})", {s.km, s.U, s.T2, s.U, s.bw, s.aw, s.sigmaFP2},
                s.m, unit::mm);
}

Message checkInput(const CalcState& s)
{
    if (!isPositive(s.Z1))
        return GEAR_TR("refusal", "Число зубьев шестерни Z1 должно быть больше нуля.");
    if (!isUsableHelixAngle(s.beta))
        return GEAR_TR("refusal", "Угол наклона зубьев должен быть не меньше 0 и меньше 90 градусов.");
    if (!isPositive(s.T1))
        return GEAR_TR("refusal", "Вращающий момент T должен быть больше нуля.");
    if (!isPositive(s.U))
        return GEAR_TR("refusal", "Передаточное отношение U должно быть больше нуля: выберите его из списка.");
    if (s.isHRC && (!isPositive(s.sigmaF1) || !isPositive(s.sigmaF2)))
        return GEAR_TR("refusal", "Предел выносливости при изгибе не задан: выберите материал заново.");
    if (!s.isHRC && s.isHB) {
        if (!isPositive(s.sigmaH1) || !isPositive(s.Sh))
            return GEAR_TR("refusal", "Предел контактной выносливости не задан: выберите материал заново.");
        if (!isPositive(s.sigmaF2))
            return GEAR_TR("refusal", "Предел выносливости при изгибе не задан: выберите материал заново.");
    }
    return {};
}

} // namespace

GivenInputs inputsOf(const TransmissionInput& input)
{
    return {0, {input.Z1, input.beta, input.T1, input.U}};
}

TransmissionInput transmissionInputOf(const GivenInputs& given)
{
    const auto text = [&](size_t i) { return i < given.texts.size() ? given.texts[i] : std::string(); };
    return {text(0), text(1), text(2), text(3)};
}

double toothFormFactor(double zv)
{
    for (size_t i = 0; i < kYFtable.size(); ++i) {
        if (zv == kYFtable[i].zv)
            return kYFtable[i].YF;
        if (i + 1 < kYFtable.size() && kYFtable[i].zv < zv && zv < kYFtable[i + 1].zv)
            return zv - kYFtable[i].zv < kYFtable[i + 1].zv - zv ? kYFtable[i].YF : kYFtable[i + 1].YF;
    }
    return 4.47;
}

Outcome designTransmission(CalcState& state, const TransmissionInput& input)
{
    Draft draft(state);
    CalcState& s = draft.state();
    s.Z1 = numberFromText(input.Z1);
    s.beta = input.beta.empty() ? 0.0 : numberFromText(input.beta);
    s.T1 = numberFromText(input.T1);
    s.U = numberFromText(input.U);
    const GivenInputs given = inputsOf(input);
    auto refuse = [&](Message why) { return draft.refuse(ScreenId::Vvod2, std::move(why), given); };
    if (Message refusal = checkInput(s); !refusal.empty())
        return refuse(std::move(refusal));

    StepRecorder record(s, ScreenId::Vvod2);
    record.given(given);
    s.Z2 = s.U * s.Z1;
    s.T2 = s.U * s.T1;
    // The course's allowable stresses: 0.4 of the bending endurance limit,
    // which takes the safety factor and the other bending factors together
    // (1/2.5), and 0.9 of the contact limit, the roughness and speed factors
    // Z_R·Z_v, over the safety factor S_H.
    s.sigmaFP1 = 0.4 * s.sigmaF1;
    s.sigmaFP2 = 0.4 * s.sigmaF2;
    s.sigmaHP1 = 0.9 * s.sigmaH1 / s.Sh;
    record.step("Z_2", "{U}·{Z_1}", {s.U, s.Z1}, s.Z2);
    record.step("T_2", "{U}·{T_1}", {s.U, s.T1}, s.T2, unit::Nm);
    record.step("σ_FP1", "0.4·{σ_F1}", {s.sigmaF1}, s.sigmaFP1, unit::MPa);
    record.step("σ_FP2", "0.4·{σ_F2}", {s.sigmaF2}, s.sigmaFP2, unit::MPa);
    record.step("σ_HP1", "0.9·{σ_H1}/{S_H}", {s.sigmaH1, s.Sh}, s.sigmaHP1, unit::MPa);

    if (s.isHRC) {
        record.decision(GEAR_TR("walkthrough", "Твёрдость в HRC: модуль из расчёта зубьев на изгиб"));
        Message refusal;
        if (!designByBending(s, record, refusal))
            return refuse(std::move(refusal));
    } else if (s.isHB) {
        record.decision(
            GEAR_TR("walkthrough", "Твёрдость в HB: межосевое расстояние из расчёта на контактную прочность"));
        designByContact(s, record);
    }
    if (!allFinite(s))
        return refuse(GEAR_TR("refusal", "При этих данных расчёт не даёт конечного результата."));
    if ((s.isHRC || s.isHB) && !isPositive(s.m))
        return refuse(GEAR_TR("refusal", "При этих данных модуль не получается положительным числом."));
    draft.commit();
    return Outcome::openNext(ScreenId::Vibor);
}

} // namespace gear
