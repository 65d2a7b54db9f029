// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_input.h"

#include "shell/angle.h"
#include "shell/input_range.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

#include <cmath>

namespace gear {

namespace {

struct WheelNumbers {
    double Z1 = 0, beta = 0, dv = 0, da = 0, bw = 0, Lst = 0;
};

// Reads the screen's texts; a text that holds no number or a number out of
// its range is refused with the sentence returned, and `field` left at the
// text refused.
Message readWheelInput(const WheelInput& input, WheelNumbers& w, int& field)
{
    const std::string largest = numberToText(Number(kLargestSize));
    field = 0;
    if (!holdsNumber(input.Z1))
        return GEAR_TR("refusal", "Введите число зубьев Z.");
    w.Z1 = numberFromText(input.Z1);
    if (!isWholeNumber(w.Z1) || w.Z1 < kFewestTeeth || w.Z1 > kMostWheelTeeth)
        return GEAR_TR("refusal", "Число зубьев Z должно быть целым, от %1 до %2: меньше 10 зубьев без смещения не "
                                  "нарезать.")
            .arg(numberToText(Number(kFewestTeeth)))
            .arg(numberToText(Number(kMostWheelTeeth)));
    field = 1;
    if (!isBlankText(input.beta)) {
        if (!holdsNumber(input.beta))
            return GEAR_TR("refusal", "Введите угол наклона зубьев в градусах или оставьте поле пустым для прямых "
                                      "зубьев.");
        w.beta = numberFromText(input.beta);
        if (!isUsableHelixAngle(w.beta))
            return GEAR_TR("refusal", "Угол наклона зубьев должен быть от %1 до %2 градусов.")
                .arg("0")
                .arg(numberToText(Number(kMaxHelixAngle)));
    }
    field = 2;
    if (!holdsNumber(input.dv))
        return GEAR_TR("refusal", "Введите диаметр вала dв, мм.");
    w.dv = numberFromText(input.dv);
    if (!(w.dv > 0.0 && w.dv <= kLargestSize))
        return GEAR_TR("refusal", "Диаметр вала dв должен быть больше 0 и не больше %1 мм.").arg(largest);
    field = 3;
    if (!holdsNumber(input.da))
        return GEAR_TR("refusal", "Введите диаметр окружности вершин da, мм.");
    w.da = numberFromText(input.da);
    if (!(w.da > 0.0 && w.da <= kLargestSize))
        return GEAR_TR("refusal", "Диаметр окружности вершин da должен быть больше 0 и не больше %1 мм — наибольшего "
                                  "нормального размера.")
            .arg(largest);
    // The root circle is known once the module is taken; the shaft must at
    // least be thinner than the wheel.
    field = 2;
    if (!(w.dv < w.da))
        return GEAR_TR("refusal", "Вал dв = %1 мм не помещается в колесо: диаметр вала должен быть меньше диаметра "
                                  "вершин da = %2 мм.")
            .arg(numberToText(Number(w.dv)))
            .arg(numberToText(Number(w.da)));
    field = 4;
    if (!holdsNumber(input.bw))
        return GEAR_TR("refusal", "Введите ширину зубчатого венца bw, мм.");
    w.bw = numberFromText(input.bw);
    if (!(w.bw > 0.0 && w.bw <= kLargestSize))
        return GEAR_TR("refusal", "Ширина зубчатого венца bw должна быть больше 0 и не больше %1 мм.").arg(largest);
    field = 5;
    if (!holdsNumber(input.Lst))
        return GEAR_TR("refusal", "Введите ширину ступицы Lст, мм.");
    w.Lst = numberFromText(input.Lst);
    if (!(w.Lst > 0.0 && w.Lst <= kLargestSize))
        return GEAR_TR("refusal", "Ширина ступицы Lст должна быть больше 0 и не больше %1 мм.").arg(largest);
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
    WheelNumbers w;
    int field = -1;
    if (Message refusal = readWheelInput(input, w, field); !refusal.empty()) {
        StepRecorder record(state, ScreenId::Vvod, true);
        record.given(inputsOf(input));
        record.refuse(refusal);
        return Outcome::refuse(std::move(refusal), field);
    }

    // The module choice that follows belongs to this chain.
    state.mode = Mode::Wheel;
    state.Z1 = w.Z1;
    state.beta = w.beta;
    state.dv = w.dv;
    state.bw = w.bw;
    state.Lst = w.Lst;
    state.da = w.da;
    state.daGiven = w.da;
    const double c = cosDegrees(w.beta);
    state.mcalc = w.da / (w.Z1 / c + 2.0);
    state.wheelEntered = true;
    StepRecorder record(state, ScreenId::Vvod, true);
    record.given(inputsOf(input));
    record.step("cos β", "cos({β}·3.1415/180)", {w.beta}, c);
    record.step("m", "{d_a}/({Z}/{cos β} + 2)", {w.da, w.Z1, c}, state.mcalc, unit::mm);
    return Outcome::openNext(ScreenId::Vibor);
}

} // namespace gear
