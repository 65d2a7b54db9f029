#include "strength/check_calculation.h"

#include "shell/number_text.h"
#include "strength/angle.h"

#include <cmath>

namespace gear {

Outcome checkWheel(CalcState& state, const CheckInput& input)
{
    const double d = numberFromText(input.d);
    const double z = numberFromText(input.z);
    const double beta = input.beta.empty() ? 0.0 : numberFromText(input.beta);
    const double b = numberFromText(input.b);
    if (!isPositive(d))
        return Outcome::refuse("Делительный диаметр колеса должен быть больше нуля.");
    if (!isPositive(z))
        return Outcome::refuse("Число зубьев колеса должно быть больше нуля.");
    if (!isUsableHelixAngle(beta))
        return Outcome::refuse("Угол наклона зубьев должен быть не меньше 0 и меньше 90 градусов.");
    if (!isPositive(b))
        return Outcome::refuse("Ширина зубчатого венца должна быть больше нуля.");

    // The wheel is checked with the default transverse load factor, not with
    // one an unfinished helical design left behind.
    const double kfa = state.defaults.kfa;
    const double c = cosDegrees(beta);
    CalcState s = state;
    s.m = d * c / z;
    s.Psibm = b / s.m;
    s.Ybeta = 1;
    // σF·z·ψbm·m³ / (2·Yβ·KFα·cos β) in N·mm, /1000 for N·m.
    s.Tcalc = s.sigmaF1 * z * s.Psibm * std::pow(double(s.m), 3) / (2.0 * s.Ybeta * kfa * c) / 1000.0;
    if (!allFinite(s))
        return Outcome::refuse("При этих данных расчёт не даёт конечного результата.");
    state = s;
    // The input stays open under the result, so the student can change a
    // value and check again.
    return {ScreenId::result, false, false, {}};
}

} // namespace gear
