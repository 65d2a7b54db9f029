// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/module_choice.h"

#include "geometry/mesh_checks.h"
#include "geometry/pair_checks.h"
#include "geometry/preferred_size.h"
#include "geometry/standard_series.h"
#include "shell/angle.h"
#include "shell/draft.h"
#include "shell/input_range.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"
#include "strength/strength_tables.h"

#include <cmath>

namespace gear {

ScreenId wheelSketchScreen(double da)
{
    if (da < 250)
        return ScreenId::vivod1;
    if (da <= 600)
        return ScreenId::vivod2;
    return ScreenId::vivod3;
}

int drawingPicture(double da)
{
    if (da <= 250)
        return 1;
    if (da <= 600)
        return 2;
    return 3;
}

namespace {

// Working bending and contact stresses of the pair for the module taken, MPa.
// Forces in N, lengths in mm.
void checkStresses(CalcState& s, StepRecorder& record)
{
    s.Zk = 1;
    s.Sf = 1.2;
    s.Ybeta = 1;
    // Each gear's form factor by its own equivalent teeth, whichever design
    // gave the module: the contact design's lumped value is no gear's.
    const double c = cosDegrees(s.beta);
    const double zv1 = s.Z1 / (c * c * c);
    const double zv2 = s.Z2 / (c * c * c);
    s.YF1 = toothFormFactor(zv1);
    s.YF2 = toothFormFactor(zv2);
    record.step("z_v1", "{Z_1}/{cos^3 β}", {s.Z1, c * c * c}, zv1);
    record.step("z_v2", "{Z_2}/{cos^3 β}", {s.Z2, c * c * c}, zv2);
    record.step("Y_F1", "Y_F({z_v1})", {zv1}, s.YF1);
    record.step("Y_F2", "Y_F({z_v2})", {zv2}, s.YF2);
    record.decision(GEAR_TR("walkthrough", "Коэффициенты нагрузки проверочного расчёта KFβ, KFv, KFα, KHβ, KHv, KHα — "
                                           "из набора параметров"));
    const double Ft1 = 2000.0 * s.T1 / s.d;
    record.step("F_t1", "2000·{T_1}/{d_1}", {s.T1, s.d}, Ft1, unit::N);
    s.sigmaF1 = s.YF1 * Ft1 / (s.bw1 * s.m) * s.Ybeta * s.kfb * s.kfv * s.kfa;
    record.step("σ_F1", "{Y_F1}·{F_t1}/({b_w1}·{m})·{Y_β}·{K_Fβ}·{K_Fv}·{K_Fα}",
                {s.YF1, Ft1, s.bw1, s.m, s.Ybeta, s.kfb, s.kfv, s.kfa}, s.sigmaF1, unit::MPa);
    s.sigmaF2 = s.sigmaF1 * (s.YF2 * s.bw1) / (s.YF1 * s.bw2);
    record.step("σ_F2", "{σ_F1}·{Y_F2}·{b_w1}/({Y_F1}·{b_w2})", {s.sigmaF1, s.YF2, s.bw1, s.YF1, s.bw2}, s.sigmaF2,
                unit::MPa);
    const double load = s.khb * s.khv * s.kha * (s.Uf + 1.0) / s.Uf;
    // 440 √МПа stands for Z_E·Z_H·Z_ε of a pair of steel wheels: the
    // elasticity factor 190 √МПа, the contact-zone factor 2.5 of a 20°
    // pressure angle and a contact-ratio factor of about 0.9, rounded.
    s.sigmaH1 = 440.0 * s.Zk * std::sqrt(Ft1 / (s.bw1 * s.d) * load);
    record.step("σ_H1", "440·{Z_k}·√({F_t1}/({b_w1}·{d_1})·{K_Hβ}·{K_Hv}·{K_Hα}·({U_ф} + 1)/{U_ф})",
                {s.Zk, Ft1, s.bw1, s.d, s.khb, s.khv, s.kha, s.Uf, s.Uf}, s.sigmaH1, unit::MPa);
    // The teeth of a pair press on each other with one force over one
    // contact line: the contact stress is the same for both gears.
    s.sigmaH2 = s.sigmaH1;
    record.step("σ_H2", "{σ_H1}", {s.sigmaH1}, s.sigmaH2, unit::MPa);
}

// What the course checks once the pair stands: none of it changes a result,
// each is said where it asks for a change.
void checkPair(CalcState& s, StepRecorder& record)
{
    // A final steel is judged again once it is taken on the next screen.
    s.sigmaHPfinal = Number();
    s.sigmaFP1final = Number();
    s.sigmaFP2final = Number();
    s.steelRow = Number();
    if (Message note = moduleTakenNote(s.mdesign, s.m, s.isHRC); !note.empty())
        record.decision(std::move(note));
    const RatioCheck ratio = ratioCheck(s.U, s.Z1, s.Z2);
    if (!ratio.within)
        record.decision(ratioNote(s));
    const double standard = standardCentreDistance(s.aw);
    record.step(GEAR_TR_NOOP("symbol", "a_w ГОСТ"), GEAR_TR_NOOP("formula", "ближайшее к {a_w} по ГОСТ 2185-66"),
                {s.aw}, standard, unit::mm);
    if (s.beta > 0.0) {
        if (const auto beta = helixForCentreDistance(s.m, s.Z1, s.Z2, standard))
            record.step(GEAR_TR_NOOP("symbol", "β ГОСТ"), "arccos({m}·({Z_1} + {Z_2})/(2·{a_w}))",
                        {s.m, s.Z1, s.Z2, standard}, *beta, GEAR_TR_NOOP("unit", "град"));
    }
    if (s.n1.isWritten()) {
        const double v = pitchLineSpeed(s.d, s.n1);
        record.step("v", "π·{d_1}·{n_1}/60000", {s.d, s.n1}, v, GEAR_TR_NOOP("unit", "м/с"));
        record.decision(speedNote(s));
    }
    const MeshForces forces = meshForces(s.T1, s.d, s.beta);
    record.step("F_r", "{F_t1}·tg 20°/{cos β}", {forces.Ft, cosDegrees(s.beta)}, forces.Fr, unit::N);
    record.step("F_a", "{F_t1}·tg {β}", {forces.Ft, s.beta}, forces.Fa, unit::N);
    if (Message note = undercutNote(s); !note.empty())
        record.decision(std::move(note));
    const double ea = transverseContactRatio(s.Z1, s.Z2, s.beta);
    record.step("ε_α", "(1.88 − 3.2·(1/{Z_1} + 1/{Z_2}))·{cos β}", {s.Z1, s.Z2, cosDegrees(s.beta)}, ea);
    if (s.beta > 0.0) {
        const double eb = faceContactRatio(s.bw2, s.beta, s.m);
        record.step("ε_β", "{b_w2}·sin {β}/(π·{m})", {s.bw2, s.beta, s.m}, eb);
    }
    if (contactRatioLow(s))
        record.decision(contactRatioNote(s));
    if (Message note = rimNote(s); !note.empty())
        record.decision(std::move(note));
}

// The sentence of a wheel's construction by its tip diameter.
Message designSentence(double da)
{
    const ScreenId sketch = wheelSketchScreen(da);
    return sketch == ScreenId::vivod1 ? GEAR_TR("walkthrough", "da < 250 мм: колесо цельное, с плоским диском")
           : sketch == ScreenId::vivod2
               ? GEAR_TR("walkthrough", "250 ≤ da ≤ 600 мм: кованое колесо с отверстиями в диске")
               : GEAR_TR("walkthrough", "da > 600 мм: литое колесо со спицами");
}

} // namespace

Message wheelTipNote(const Quantities& wheel)
{
    const double typed = wheel.daGiven;
    const double built = wheel.da;
    if (!(typed > 0.0) || !(built > 0.0) || std::abs(built - typed) <= kTipTolerance * typed)
        return {};
    return GEAR_TR("walkthrough", "С модулем %1 мм диаметр вершин da = m·z/cos β + 2·m = %2 мм, а введено %3 мм "
                                  "(разница %4 %). Колесо построено по da = %2 мм. %5.")
        .arg(numberToText(wheel.m, kResultDigits, "."))
        .arg(numberToText(built, kResultDigits, "."))
        .arg(numberToText(typed, kResultDigits, "."))
        .arg(numberToText((built - typed) / typed * 100.0, 2, "."))
        .arg(designSentence(built));
}

namespace {

// The pitch, tip and root diameters and the rim of the module taken: the
// tooth goes 1.25·m below the pitch circle, its tip m above it.
void recordDiameters(CalcState& s, double c, StepRecorder& record)
{
    if (s.mode == Mode::Transmission) {
        s.d = s.m * s.Z1 / c;
        s.d2 = s.m * s.Z2 / c;
        s.da = s.d + 2.0 * s.m;
        s.da2 = s.d2 + 2.0 * s.m;
        s.aw = (s.d + s.d2) / 2.0;
        s.Psibm = s.Z1 * s.Psibd;
        s.bw = s.m * s.Psibm;
        record.step("d_1", "{m}·{Z_1}/{cos β}", {s.m, s.Z1, c}, s.d, unit::mm);
        record.step("d_2", "{m}·{Z_2}/{cos β}", {s.m, s.Z2, c}, s.d2, unit::mm);
        record.step("d_a1", "{d_1} + 2·{m}", {s.d, s.m}, s.da, unit::mm);
        record.step("d_a2", "{d_2} + 2·{m}", {s.d2, s.m}, s.da2, unit::mm);
        record.step("a_w", "({d_1} + {d_2})/2", {s.d, s.d2}, s.aw, unit::mm);
        record.step("ψ_bm", "{Z_1}·{ψ_bd}", {s.Z1, s.Psibd}, s.Psibm);
        record.step("b_w", "{m}·{ψ_bm}", {s.m, s.Psibm}, s.bw, unit::mm);
        s.df = s.d - 2.5 * s.m;
        s.df2 = s.d2 - 2.5 * s.m;
        record.step("d_f1", "{d_1} − 2.5·{m}", {s.d, s.m}, s.df, unit::mm);
        record.step("d_f2", "{d_2} − 2.5·{m}", {s.d2, s.m}, s.df2, unit::mm);
        return;
    }
    // A single wheel is built on the module taken, as a pair is: its tip
    // diameter follows from it, and the one typed only led to the module. A
    // wheel has no mate, so nothing of a second gear is computed for it.
    s.d = s.m * s.Z1 / c;
    s.da = s.d + 2.0 * s.m;
    s.df = s.d - 2.5 * s.m;
    record.step("d", "{m}·{Z}/{cos β}", {s.m, s.Z1, c}, s.d, unit::mm);
    record.step("d_a", "{d} + 2·{m}", {s.d, s.m}, s.da, unit::mm);
    record.step("d_f", "{d} − 2.5·{m}", {s.d, s.m}, s.df, unit::mm);
}

// Both rows taken or neither: the error screen, with the second row's
// value kept when both were.
Outcome refuseRows(CalcState& state, std::string_view row1, std::string_view row2, const GivenInputs& given)
{
    const double m1 = numberFromText(row1);
    const double m2 = numberFromText(row2);
    if (state.row1Chosen && isPositive(m1))
        state.m = m1;
    if (state.row2Chosen && isPositive(m2))
        state.m = m2;
    StepRecorder record(state, ScreenId::Vibor);
    record.given(given);
    record.refuse(GEAR_TR("refusal", "Нужно взять ровно одно стандартное значение модуля."));
    Outcome error = Outcome::openNext(ScreenId::oshibka1);
    error.beep = true;
    return error;
}

// Why the root circle of the module taken leaves no tooth or no room for
// the shaft; empty when it leaves both.
Message rootRefusal(const CalcState& s)
{
    if (!(s.df > 0.0))
        return GEAR_TR("refusal",
                       "При модуле %1 мм диаметр впадин не получается положительным: выберите модуль меньше.")
            .arg(numberToText(Number(s.m)));
    if (s.mode == Mode::Wheel && !(s.dv < s.df))
        return GEAR_TR("refusal", "Вал dв = %1 мм не помещается в колесо с модулем %2 мм: диаметр вала должен "
                                  "быть меньше диаметра впадин df = %3 мм.")
            .arg(numberToText(s.dv, kResultDigits, "."))
            .arg(numberToText(Number(s.m)))
            .arg(numberToText(s.df, kResultDigits, "."));
    return {};
}

// Where the chain goes once the module is taken.
Outcome afterModule(CalcState& s, StepRecorder& record)
{
    if (s.mode == Mode::Wheel) {
        record.decision(designSentence(s.da));
        if (Message note = wheelTipNote(s); !note.empty())
            record.decision(std::move(note));
        return Outcome::openNext(wheelSketchScreen(s.da));
    }
    if (s.mode == Mode::Transmission)
        return Outcome::openNext(ScreenId::okon);
    return Outcome::close();
}

} // namespace

Outcome chooseModule(CalcState& state, std::string_view row1, std::string_view row2)
{
    writeDefaultCoefficients(state);
    state.row1Chosen = !row1.empty();
    state.row2Chosen = !row2.empty();
    const GivenInputs given{0, {std::string(row1), std::string(row2)}};
    if (state.row1Chosen == state.row2Chosen)
        return refuseRows(state, row1, row2, given);

    Draft draft(state);
    CalcState& s = draft.state();
    auto refuse = [&](Message why) { return draft.refuse(ScreenId::Vibor, std::move(why), given); };
    const std::string_view taken = s.row1Chosen ? row1 : row2;
    const int takenField = s.row1Chosen ? 0 : 1;
    if (!holdsNumber(taken))
        return draft.refuse(ScreenId::Vibor, GEAR_TR("refusal", "Введите модуль числом или возьмите его из списка."),
                            given, takenField);
    s.m = numberFromText(taken);
    if (!(s.m > 0.0 && s.m <= kLargestModule))
        return draft.refuse(ScreenId::Vibor,
                            GEAR_TR("refusal", "Модуль должен быть больше 0 и не больше %1 мм: так кончается ряд "
                                               "модулей ГОСТ 9563-80.")
                                .arg(numberToText(Number(kLargestModule))),
                            given, takenField);
    StepRecorder record(s, ScreenId::Vibor);
    record.given(given);
    record.keepsResults();
    record.decision(s.row1Chosen ? GEAR_TR("walkthrough", "Модуль взят из первого ряда ГОСТ 9563-80")
                                 : GEAR_TR("walkthrough", "Модуль взят из второго ряда ГОСТ 9563-80"));
    record.step("m", "", {}, s.m, unit::mm);
    const bool transmission = s.mode == Mode::Transmission;
    const double c = cosDegrees(s.beta);
    record.step("cos β", "cos({β}·3.1415/180)", {s.beta}, c);
    recordDiameters(s, c, record);
    if (Message why = rootRefusal(s); !why.empty())
        return refuse(std::move(why));
    // The wheel body matters only for a single wheel: a designed pair has no
    // shaft entered.
    StepRecorder quiet = StepRecorder::none();
    sizeWheelBody(s, s.mode == Mode::Wheel ? &record : &quiet);
    s.bw1 = nearestStdSize(s.stdSizes, s.bw);
    s.bw2 = transmission ? nearestStdSize(s.stdSizes, s.m * s.Psibm) : 0.0;
    record.step("b_w1", GEAR_TR_NOOP("formula", "ближайший нормальный размер к {b_w}"), {s.bw}, s.bw1, unit::mm);
    if (transmission) {
        record.step("b_w2", GEAR_TR_NOOP("formula", "ближайший нормальный размер к {m}·{ψ_bm}"), {s.m, s.Psibm}, s.bw2,
                    unit::mm);
        checkStresses(s, record);
        checkPair(s, record);
    }
    if (!allFinite(s)) {
        return refuse(GEAR_TR("refusal", "При этих данных прочностной расчёт не даёт конечного результата: "
                                         "проверьте число зубьев, момент и передаточное отношение."));
    }
    const Outcome outcome = afterModule(s, record);
    if (s.mode)
        keepResults(s, *s.mode);
    draft.commit();
    return outcome;
}

} // namespace gear
