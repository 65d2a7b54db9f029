// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/transmission_design.h"

#include "shell/angle.h"
#include "shell/draft.h"
#include "shell/input_range.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"
#include "strength/strength_tables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gear {

namespace {

// The whole number nearest to x, a half up. A product of binary fractions
// such as 1.14·25 comes out as 28.4999…; the tolerance takes it for the
// 28.5 it stands for.
double roundedHalfUp(double x)
{
    return std::floor(x + 0.5 + 1e-9);
}

// Bending design of hardened teeth.
void designByBending(CalcState& s, StepRecorder& record)
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
    s.kf = kDesignLoadFactor;
    s.Psibm = s.Psibd * s.Z1;
    record.decision(GEAR_TR("walkthrough", "Коэффициент нагрузки проектного расчёта kF = 1.5: постоянная методики, "
                                           "а не коэффициенты набора параметров"));
    record.step("k_F", "1.5", {}, s.kf);
    record.step("ψ_bm", "{ψ_bd}·{Z_1}", {s.Psibd, s.Z1}, s.Psibm);
    if (helical) {
        s.epsalpha = (1.88 - 3.2 * (1.0 / s.Z1 + 1.0 / s.Z2)) * c;
        s.kfa = 1.1 / s.epsalpha;
        s.Ybeta = helixFactor(s.beta);
        record.step("ε_α", "(1.88 − 3.2·(1/{Z_1} + 1/{Z_2}))·{cos β}", {s.Z1, s.Z2, c}, s.epsalpha);
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
}

// Contact design of soft teeth: centre distance, face width, then the
// module that carries the bending and reaches that centre distance.
void designByContact(CalcState& s, StepRecorder& record)
{
    s.YF1 = 4;
    s.YF2 = 4;
    const bool helical = s.beta > 0.0;
    // ka in MPa^(1/3) for T2 in N·mm: with T2 in N·m under the root,
    // 310^(2/3)·10 ≈ 458 and 270^(2/3)·10 ≈ 418, the textbooks' Ka = 450
    // and 410 of spur and helical pairs (Дунаев–Леликов).
    const double ka = helical ? 270.0 : 310.0;
    s.kha = helical ? 1.15 : 1.0;
    s.km = helical ? 3.8 : 6.0;
    s.kh = kDesignLoadFactor;
    s.Psiba = 2.0 * s.Psibd / (s.Uf + 1.0);
    record.step("Y_F1 = Y_F2", "4", {}, s.YF1);
    record.decision(helical ? GEAR_TR("walkthrough", "β > 0: косозубая передача")
                            : GEAR_TR("walkthrough", "β = 0: прямозубая передача"));
    record.step("k_a", helical ? "270" : "310", {}, ka);
    record.step("K_Hα", helical ? "1.15" : "1", {}, s.kha);
    record.step("k_m", helical ? "3.8" : "6", {}, s.km);
    record.decision(GEAR_TR("walkthrough", "Коэффициент нагрузки проектного расчёта kH = 1.5: постоянная методики, "
                                           "а не коэффициенты набора параметров"));
    record.step("k_H", "1.5", {}, s.kh);
    record.step("ψ_ba", "2·{ψ_bd}/({U_ф} + 1)", {s.Psibd, s.Uf}, s.Psiba);
    // T2 in N·m, hence 1000 for the N·mm that ka and km are set for.
    const double ratio = ka / (s.sigmaHP * s.Uf);
    s.aw = (s.Uf + 1.0) * std::pow(ratio * ratio * s.kha * s.kh * s.T2 * 1000.0 / s.Psiba, 1.0 / 3.0);
    record.step("a_w", "({U_ф} + 1)·∛(({k_a}/({σ_HP}·{U_ф}))^2·{K_Hα}·{k_H}·{T_2}·1000/{ψ_ba})",
                {s.Uf, ka, s.sigmaHP, s.Uf, s.kha, s.kh, s.T2, s.Psiba}, s.aw, unit::mm);
    s.bw = s.aw * s.Psiba;
    record.step("b_w", "{a_w}·{ψ_ba}", {s.aw, s.Psiba}, s.bw, unit::mm);
    s.mF = s.km * (s.Uf + 1.0) * s.T2 * 1000.0 / (s.Uf * s.bw * s.aw * s.sigmaFP2);
    record.step("m_F", "{k_m}·({U_ф} + 1)·{T_2}·1000/({U_ф}·{b_w}·{a_w}·{σ_FP2})",
                {s.km, s.Uf, s.T2, s.Uf, s.bw, s.aw, s.sigmaFP2}, s.mF, unit::mm);
    // The pair is built from the typed Z1 and the module: a module below this
    // one would give a centre distance smaller than the contact strength
    // needs.
    const double c = cosDegrees(s.beta);
    s.maw = 2.0 * s.aw * c / (s.Z1 * (s.Uf + 1.0));
    if (helical)
        record.step("cos β", "cos({β}·3.1415/180)", {s.beta}, c);
    record.step("m_aw", "2·{a_w}·{cos β}/({Z_1}·({U_ф} + 1))", {s.aw, c, s.Z1, s.Uf}, s.maw, unit::mm);
    const bool bendingGoverns = s.mF > s.maw;
    s.m = bendingGoverns ? s.mF : s.maw;
    record.decision(bendingGoverns
                        ? GEAR_TR("walkthrough", "m_F > m_aw: модуль задаёт прочность зубьев на изгиб")
                        : GEAR_TR("walkthrough", "m_aw ≥ m_F: модуль задаёт межосевое расстояние из расчёта на "
                                                 "контактную прочность"));
    record.step("m", "max({m_F}; {m_aw})", {s.mF, s.maw}, s.m, unit::mm);
}

// Reads the screen's texts into the state; a text that holds no number or
// a number out of its range is refused with the sentence returned, and
// `field` left at the text refused.
Message readInput(CalcState& s, const TransmissionInput& input, int& field)
{
    const auto range = [](Message sentence, double low, double high) {
        return std::move(sentence).arg(numberToText(Number(low))).arg(numberToText(Number(high)));
    };
    field = 0;
    if (!holdsNumber(input.Z1))
        return GEAR_TR("refusal", "Введите число зубьев шестерни Z1.");
    s.Z1 = numberFromText(input.Z1);
    if (!isWholeNumber(s.Z1) || s.Z1 < kFewestTeeth || s.Z1 > kMostPinionTeeth)
        return range(GEAR_TR("refusal", "Число зубьев шестерни Z1 должно быть целым, от %1 до %2: меньше 10 зубьев "
                                        "без смещения не нарезать."),
                     kFewestTeeth, kMostPinionTeeth);
    field = 1;
    if (isBlankText(input.beta)) {
        s.beta = 0;
    } else {
        if (!holdsNumber(input.beta))
            return GEAR_TR("refusal", "Введите угол наклона зубьев в градусах или оставьте поле пустым для прямых "
                                      "зубьев.");
        s.beta = numberFromText(input.beta);
        if (!isUsableHelixAngle(s.beta))
            return range(GEAR_TR("refusal", "Угол наклона зубьев должен быть от %1 до %2 градусов."), 0,
                         kMaxHelixAngle);
    }
    field = 2;
    if (!holdsNumber(input.T1))
        return GEAR_TR("refusal", "Введите вращающий момент T, Н·м.");
    s.T1 = numberFromText(input.T1);
    if (!(s.T1 > 0.0 && s.T1 <= kMostTorque))
        return GEAR_TR("refusal", "Вращающий момент T должен быть больше 0 и не больше %1 Н·м.")
            .arg(numberToText(Number(kMostTorque)));
    field = 3;
    if (!holdsNumber(input.U))
        return GEAR_TR("refusal", "Введите передаточное отношение U или выберите его из списка.");
    s.U = numberFromText(input.U);
    if (!(s.U >= kLeastRatio && s.U <= kMostRatio))
        return range(GEAR_TR("refusal", "Передаточное отношение U должно быть от %1 до %2."), kLeastRatio, kMostRatio);
    s.n1 = Number();
    field = 4;
    if (!isBlankText(input.n1)) {
        if (!holdsNumber(input.n1))
            return GEAR_TR("refusal", "Введите частоту вращения шестерни n1 числом или оставьте поле пустым.");
        const double n1 = numberFromText(input.n1);
        if (!(n1 > 0.0 && n1 <= kMostSpeed))
            return GEAR_TR("refusal", "Частота вращения шестерни n1 должна быть больше 0 и не больше %1 об/мин.")
                .arg(numberToText(Number(kMostSpeed)));
        s.n1 = n1;
    }
    return {};
}

Message checkMaterial(const CalcState& s)
{
    if (s.isHRC && (!isPositive(s.sigmaF1) || !isPositive(s.sigmaF2)))
        return GEAR_TR("refusal", "Предел выносливости при изгибе не задан: выберите материал заново.");
    if (!s.isHRC && s.isHB) {
        if (!isPositive(s.sigmaH1) || !isPositive(s.sigmaH2) || !isPositive(s.Sh))
            return GEAR_TR("refusal", "Предел контактной выносливости не задан: выберите материал заново.");
        if (!isPositive(s.sigmaF2))
            return GEAR_TR("refusal", "Предел выносливости при изгибе не задан: выберите материал заново.");
    }
    return {};
}

} // namespace

GivenInputs inputsOf(const TransmissionInput& input)
{
    // The speed is optional, and a calculation without it reads as one of
    // a version that did not ask for it.
    if (input.n1.empty())
        return {0, {input.Z1, input.beta, input.T1, input.U}};
    return {0, {input.Z1, input.beta, input.T1, input.U, input.n1}};
}

TransmissionInput transmissionInputOf(const GivenInputs& given)
{
    const auto text = [&](size_t i) { return i < given.texts.size() ? given.texts[i] : std::string(); };
    return {text(0), text(1), text(2), text(3), text(4)};
}

double helixFactor(double beta)
{
    return beta == 0.0 ? 1.0 : 1.0 - beta / 140.0;
}

double wheelTeeth(double U, double Z1)
{
    return roundedHalfUp(U * Z1);
}

namespace {

// The wheel's teeth, the pair's actual ratio and torque, and the allowable
// stresses the design sizes the pair by.
void pairRatioAndAllowableStresses(CalcState& s, StepRecorder& record)
{
    // A wheel has a whole number of teeth; from here on the pair's actual
    // ratio stands wherever the ratio enters.
    s.Z2 = wheelTeeth(s.U, s.Z1);
    s.Uf = s.Z2 / s.Z1;
    s.T2 = s.Uf * s.T1;
    // The course's allowable stresses: 0.4 of the bending endurance limit,
    // which takes the safety factor and the other bending factors together
    // (1/2.5), and 0.9 of the contact limit, the roughness and speed factors
    // Z_R·Z_v, over the safety factor S_H. A pair in mesh has one contact
    // stress, so the weaker gear's allowable one is the pair's.
    s.sigmaFP1 = 0.4 * s.sigmaF1;
    s.sigmaFP2 = 0.4 * s.sigmaF2;
    s.sigmaHP1 = 0.9 * s.sigmaH1 / s.Sh;
    s.sigmaHP2 = 0.9 * s.sigmaH2 / s.Sh;
    s.sigmaHP = std::min(double(s.sigmaHP1), double(s.sigmaHP2));
    record.step("Z_2", GEAR_TR_NOOP("formula", "{U}·{Z_1}, округлённое до целого"), {s.U, s.Z1}, s.Z2);
    record.step(GEAR_TR_NOOP("symbol", "U_ф"), "{Z_2}/{Z_1}", {s.Z2, s.Z1}, s.Uf);
    record.step(GEAR_TR_NOOP("symbol", "ΔU"), "({U_ф} − {U})/{U}·100", {s.Uf, s.U, s.U}, (s.Uf - s.U) / s.U * 100.0,
                "%");
    record.step("T_2", "{U_ф}·{T_1}", {s.Uf, s.T1}, s.T2, unit::Nm);
    record.step("σ_FP1", "0.4·{σ_F1}", {s.sigmaF1}, s.sigmaFP1, unit::MPa);
    record.step("σ_FP2", "0.4·{σ_F2}", {s.sigmaF2}, s.sigmaFP2, unit::MPa);
    record.step("σ_HP1", "0.9·{σ_H1}/{S_H}", {s.sigmaH1, s.Sh}, s.sigmaHP1, unit::MPa);
    record.step("σ_HP2", "0.9·{σ_H2}/{S_H}", {s.sigmaH2, s.Sh}, s.sigmaHP2, unit::MPa);
    record.step("σ_HP", "min({σ_HP1}; {σ_HP2})", {s.sigmaHP1, s.sigmaHP2}, s.sigmaHP, unit::MPa);
}

} // namespace

Outcome designTransmission(CalcState& state, const TransmissionInput& input)
{
    Draft draft(state);
    CalcState& s = draft.state();
    // The design computes with the material of its own chain, whatever
    // another mode's chain chose since.
    takeMaterial(s, Mode::Transmission);
    const GivenInputs given = inputsOf(input);
    auto refuse = [&](Message why) { return draft.refuse(ScreenId::Vvod2, std::move(why), given); };
    int field = -1;
    if (Message refusal = readInput(s, input, field); !refusal.empty())
        return draft.refuse(ScreenId::Vvod2, std::move(refusal), given, field);
    if (Message refusal = checkMaterial(s); !refusal.empty())
        return refuse(std::move(refusal));

    StepRecorder record(s, ScreenId::Vvod2);
    record.given(given);
    pairRatioAndAllowableStresses(s, record);

    if (s.isHRC) {
        record.decision(GEAR_TR("walkthrough", "Твёрдость в HRC: модуль из расчёта зубьев на изгиб"));
        designByBending(s, record);
    } else if (s.isHB) {
        record.decision(
            GEAR_TR("walkthrough", "Твёрдость в HB: межосевое расстояние из расчёта на контактную прочность"));
        designByContact(s, record);
    }
    if (!allFinite(s))
        return refuse(GEAR_TR("refusal", "При этих данных расчёт не даёт конечного результата."));
    if ((s.isHRC || s.isHB) && !isPositive(s.m))
        return refuse(GEAR_TR("refusal", "При этих данных модуль не получается положительным числом."));
    s.mdesign = s.m;
    if (s.n1.isWritten())
        record.step("n_1", "", {}, s.n1, GEAR_TR_NOOP("unit", "об/мин"));
    // The module choice that follows belongs to this chain.
    s.mode = Mode::Transmission;
    draft.commit();
    return Outcome::openNext(ScreenId::Vibor);
}

} // namespace gear
