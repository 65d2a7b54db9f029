#include "geometry/module_choice.h"

#include "geometry/preferred_size.h"
#include "shell/number_text.h"
#include "strength/angle.h"

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

namespace {

// Working bending and contact stresses of the pair for the module taken, MPa.
// Forces in N, lengths in mm.
void checkStresses(CalcState& s)
{
    s.Zk = 1;
    s.Sf = 1.2;
    s.Ybeta = 1;
    const double Ft1 = 2000.0 * s.T1 / s.d;
    const double Ft2 = 2000.0 * s.T2 / s.d2;
    s.sigmaF1 = s.YF1 * Ft1 / (s.bw1 * s.m) * s.Ybeta * s.kfb * s.kfv * s.kfa;
    s.sigmaF2 = s.sigmaF1 * (s.YF2 * s.bw1) / (s.YF1 * s.bw2);
    const double load = s.khb * s.khv * s.kha * (s.U + 1.0) / s.U;
    s.sigmaH1 = 440.0 * s.Zk * std::sqrt(Ft1 / (s.bw1 * s.d) * load);
    s.sigmaH2 = 440.0 * s.Zk * std::sqrt(Ft2 / (s.bw2 * s.d2) * load);
}

} // namespace

ModuleChoice chooseModule(CalcState& state, std::string_view row1, std::string_view row2)
{
    writeDefaultCoefficients(state);
    state.row1Chosen = !row1.empty();
    state.row2Chosen = !row2.empty();
    const double m1 = numberFromText(row1);
    const double m2 = numberFromText(row2);
    // Both rows taken: the second row's value is the one kept.
    if (state.row1Chosen && isPositive(m1))
        state.m = m1;
    if (state.row2Chosen && isPositive(m2))
        state.m = m2;

    const bool oneTaken = state.row1Chosen != state.row2Chosen;
    const double taken = state.row1Chosen ? m1 : m2;
    if (!oneTaken || !isPositive(taken)) {
        Outcome error = Outcome::openNext(ScreenId::oshibka1);
        error.beep = true;
        return {error, {}};
    }

    CalcState s = state;
    const bool transmission = s.modePer && !s.modeKol;
    if (transmission) {
        const double c = cosDegrees(s.beta);
        s.d = s.m * s.Z1 / c;
        s.d2 = s.m * s.Z2 / c;
        s.da = s.d + 2.0 * s.m;
        s.da2 = s.d2 + 2.0 * s.m;
        s.aw = (s.d + s.d2) / 2.0;
        s.Psibm = s.Z1 * s.Psibd;
        s.bw = s.m * s.Psibm;
    }
    // From the tip diameter in every mode: in the wheel mode this is how the
    // pitch and root diameters of the entered wheel are found.
    s.d = s.da - 2.0 * s.m;
    s.d2 = s.da2 - 2.0 * s.m;
    s.df = s.d - 2.5 * s.m;
    s.df2 = s.d2 - 2.5 * s.m;
    if (!(s.df > 0.0)) {
        return {Outcome::refuse("При модуле " + numberToText(Number(s.m)) +
                                " мм диаметр впадин не получается положительным: выберите модуль меньше."),
                {}};
    }
    ModuleChoice choice;
    choice.body = sizeWheelBody(s);
    s.bw1 = nearestStdSize(s.stdSizes, s.bw);
    s.bw2 = transmission ? nearestStdSize(s.stdSizes, s.m * s.Psibm) : 0.0;

    if (transmission)
        checkStresses(s);
    if (!allFinite(s)) {
        return {Outcome::refuse("При этих данных прочностной расчёт не даёт конечного результата: "
                                "проверьте число зубьев, момент и передаточное отношение."),
                {}};
    }
    state = s;

    if (s.modeKol)
        choice.outcome = Outcome::openNext(wheelSketchScreen(s.da));
    else if (s.modePer)
        choice.outcome = Outcome::openNext(ScreenId::okon);
    else
        choice.outcome = Outcome::close();
    return choice;
}

} // namespace gear
