#include "strength/transmission_design.h"

#include "shell/number_text.h"
#include "strength/angle.h"

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
    {10, 4.47}, {12, 4.47}, {14, 4.47}, {16, 4.47}, {17, 4.3}, {20, 4.12}, {25, 3.96},
    {30, 3.85}, {40, 3.75}, {50, 3.73}, {60, 3.73}, {80, 3.74}, {100, 3.75}, {120, 3.85},
    {140, 3.96}, {160, 4.12}, {180, 4.3}, {200, 4.47}, {220, 4.47},
}};

// Bending design of hardened teeth; false with the refusal when a step has
// no usable result.
bool designByBending(CalcState& s, std::string& refusal)
{
    const double c = cosDegrees(s.beta);
    const bool helical = s.beta != 0.0;
    const double zv1 = helical ? s.Z1 / (c * c * c) : double(s.Z1);
    const double zv2 = helical ? s.Z2 / (c * c * c) : double(s.Z2);
    s.YF1 = toothFormFactor(zv1);
    s.YF2 = toothFormFactor(zv2);
    s.kf = 1.5;
    s.Psibm = s.Psibd * s.Z1;
    if (helical) {
        s.epsalpha = (1.88 - 3.2 * (1.0 / s.Z1 + 1.0 / s.Z2)) * c;
        if (!isPositive(s.epsalpha)) {
            refusal = "Коэффициент торцевого перекрытия εα не получается положительным: "
                      "увеличьте число зубьев шестерни Z1.";
            return false;
        }
        s.kfa = 1.1 / s.epsalpha;
        s.Ybeta = 1.0 - s.beta / 140.0;
    } else {
        s.Ybeta = 1;
        s.kfa = 1;
    }
    // The gear whose σFP/YF is smaller is the weaker in bending; on a tie the
    // wheel is taken. T in N·m, hence 1000 for N·mm.
    const bool pinionGoverns = s.sigmaFP1 / s.YF1 < s.sigmaFP2 / s.YF2;
    const double YF = pinionGoverns ? s.YF1 : s.YF2;
    const double T = pinionGoverns ? s.T1 : s.T2;
    const double z = pinionGoverns ? s.Z1 : s.Z2;
    const double sigmaFP = pinionGoverns ? s.sigmaFP1 : s.sigmaFP2;
    s.m = std::pow(2.0 * YF * s.Ybeta * s.kfa * s.kf * T * 1000.0 * c / (s.Psibm * z * sigmaFP), 1.0 / 3.0);
    return true;
}

// Contact design of soft teeth: centre distance, face width, then module.
void designByContact(CalcState& s)
{
    s.YF1 = 4;
    s.YF2 = 4;
    const bool helical = s.beta > 0.0;
    const double ka = helical ? 270.0 : 310.0; // MPa^(1/3)
    s.kha = helical ? 1.15 : 1.0;
    s.km = helical ? 3.8 : 6.0;
    s.kh = 1.5;
    s.Psiba = 2.0 * s.Psibd / (s.U + 1.0);
    const double ratio = ka / (s.sigmaHP1 * s.U);
    // T2 enters in N·m here: the constant ka was set for it.
    s.aw = (s.U + 1.0) * std::pow(ratio * ratio * s.kha * s.kh * s.T2 / s.Psiba, 1.0 / 3.0);
    s.bw = s.aw * s.Psiba;
    s.m = s.km * (s.U + 1.0) * s.T2 / (s.U * s.bw * s.aw * s.sigmaFP2);
}

std::string checkInput(const CalcState& s)
{
    if (!isPositive(s.Z1))
        return "Число зубьев шестерни Z1 должно быть больше нуля.";
    if (!isUsableHelixAngle(s.beta))
        return "Угол наклона зубьев должен быть не меньше 0 и меньше 90 градусов.";
    if (!isPositive(s.T1))
        return "Вращающий момент T должен быть больше нуля.";
    if (!isPositive(s.U))
        return "Передаточное отношение U должно быть больше нуля: выберите его из списка.";
    if (s.isHRC && (!isPositive(s.sigmaF1) || !isPositive(s.sigmaF2)))
        return "Предел выносливости при изгибе не задан: выберите материал заново.";
    if (!s.isHRC && s.isHB) {
        if (!isPositive(s.sigmaH1) || !isPositive(s.Sh))
            return "Предел контактной выносливости не задан: выберите материал заново.";
        if (!isPositive(s.sigmaF2))
            return "Предел выносливости при изгибе не задан: выберите материал заново.";
    }
    return {};
}

} // namespace

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
    CalcState s = state;
    s.Z1 = numberFromText(input.Z1);
    s.beta = input.beta.empty() ? 0.0 : numberFromText(input.beta);
    s.T1 = numberFromText(input.T1);
    s.U = numberFromText(input.U);
    if (std::string refusal = checkInput(s); !refusal.empty())
        return Outcome::refuse(std::move(refusal));

    s.Z2 = s.U * s.Z1;
    s.T2 = s.U * s.T1;
    s.sigmaFP1 = 0.4 * s.sigmaF1;
    s.sigmaFP2 = 0.4 * s.sigmaF2;
    s.sigmaHP1 = 0.9 * s.sigmaH1 / s.Sh;

    if (s.isHRC) {
        std::string refusal;
        if (!designByBending(s, refusal))
            return Outcome::refuse(std::move(refusal));
    } else if (s.isHB) {
        designByContact(s);
    }
    if (!allFinite(s))
        return Outcome::refuse("При этих данных расчёт не даёт конечного результата.");
    if ((s.isHRC || s.isHB) && !isPositive(s.m))
        return Outcome::refuse("При этих данных модуль не получается положительным числом.");
    state = s;
    return Outcome::openNext(ScreenId::Vibor);
}

} // namespace gear
