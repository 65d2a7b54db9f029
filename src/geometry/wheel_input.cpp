// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_input.h"

#include "shell/angle.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

#include <cmath>

namespace gear {

namespace {

Message wheelInputRefusal(double Z1, double beta, double dv, double da, double bw, double Lst)
{
    if (!std::isfinite(Z1))
        return GEAR_TR("refusal", "Число зубьев Z слишком велико.");
    if (!isUsableHelixAngle(beta))
        return GEAR_TR("refusal", "Угол наклона зубьев должен быть не меньше 0 и меньше 90 градусов.");
    if (!std::isfinite(dv) || dv < 0.0)
        return GEAR_TR("refusal", "Диаметр вала dв не может быть отрицательным.");
    if (!isPositive(da))
        return GEAR_TR("refusal", "Диаметр окружности вершин da должен быть больше нуля.");
    if (!std::isfinite(bw) || bw < 0.0)
        return GEAR_TR("refusal", "Ширина зубчатого венца bw не может быть отрицательной.");
    if (!std::isfinite(Lst))
        return GEAR_TR("refusal", "Ширина ступицы Lст слишком велика.");
    if (!(Z1 / cosDegrees(beta) + 2.0 > 0.0))
        return GEAR_TR("refusal",
                       "При таком числе зубьев Z модуль не определяется: Z / cos β + 2 должно быть больше нуля.");
    return {};
}

} // namespace

GivenInputs inputsOf(const WheelInput& input)
{
    return {0, {input.Z1, input.beta, input.dv, input.da, input.bw, input.Lst}};
}

WheelInput wheelInputOf(const GivenInputs& given)
{
    const auto text = [&](size_t i) { return i < given.texts.size() ? given.texts[i] : std::string(); };
    return {text(0), text(1), text(2), text(3), text(4), text(5)};
}

Outcome enterWheel(CalcState& state, const WheelInput& input)
{
    const double Z1 = numberFromText(input.Z1);
    const double beta = numberFromText(input.beta);
    const double dv = numberFromText(input.dv);
    const double da = numberFromText(input.da);
    const double bw = numberFromText(input.bw);
    const double Lst = numberFromText(input.Lst);
    if (Message refusal = wheelInputRefusal(Z1, beta, dv, da, bw, Lst); !refusal.empty()) {
        StepRecorder record(state, ScreenId::Vvod, true);
        record.given(inputsOf(input));
        record.refuse(refusal);
        return Outcome::refuse(std::move(refusal));
    }

    state.Z1 = Z1;
    state.beta = beta;
    state.dv = dv;
    state.bw = bw;
    state.Lst = Lst;
    state.da = da;
    const double c = cosDegrees(beta);
    state.mcalc = da / (Z1 / c + 2.0);
    state.wheelEntered = true;
    StepRecorder record(state, ScreenId::Vvod, true);
    record.given(inputsOf(input));
    record.step("cos β", "cos({β}·3.1415/180)", {beta}, c);
    record.step("m", "{d_a}/({Z}/{cos β} + 2)", {da, Z1, c}, state.mcalc, unit::mm);
    return Outcome::openNext(ScreenId::Vibor);
}

} // namespace gear
