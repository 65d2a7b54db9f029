// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/conclusions.h"

#include "geometry/keyway.h"
#include "geometry/module_choice.h"
#include "geometry/wheel_drawing.h"
#include "shell/number_text.h"

#include <cmath>

namespace gear {

namespace {

std::string number(double value, std::string_view separator)
{
    return numberToText(value, 4, separator);
}

std::string transmission(const ModeResults& kept, std::string_view sep, const Translator& translate)
{
    const Quantities& v = kept.values;
    Message text("conclusion",
                 GEAR_TR_NOOP("conclusion",
                              "Спроектирована цилиндрическая зубчатая передача с модулем m = %1 мм: числа зубьев "
                              "z1 = %2 и z2 = %3, межосевое расстояние aw = %4 мм, ширина венца bw = %5 мм, "
                              "материал зубчатых венцов — %6."));
    text.arg(number(v.m, sep)).arg(number(v.Z1, sep)).arg(number(v.Z2, sep)).arg(number(v.aw, sep));
    text.arg(number(v.bw1, sep)).arg(Message("steel", kept.steelGrade));
    std::string out = text.text(translate);
    if (v.U > 0 && std::isfinite(static_cast<double>(v.Uf))) {
        const double deviation = std::abs(v.Uf - v.U) / v.U * 100;
        const bool holds = deviation <= kRatioTolerance;
        Message ratio(holds ? Message("conclusion",
                                      GEAR_TR_NOOP("conclusion", "Фактическое передаточное число Uф = %1 отличается от "
                                                                 "заданного на %2 % — не более допускаемых %3 %: "
                                                                 "условие выполнено."))
                            : Message("conclusion",
                                      GEAR_TR_NOOP("conclusion", "Фактическое передаточное число Uф = %1 отличается от "
                                                                 "заданного на %2 % — больше допускаемых %3 %: "
                                                                 "условие не выполнено, следует изменить z1.")));
        ratio.arg(number(v.Uf, sep)).arg(numberToText(deviation, 2, sep)).arg(number(kRatioTolerance, sep));
        out += " " + ratio.text(translate);
    }
    out += " " + Message("conclusion", GEAR_TR_NOOP("conclusion", "Модуль принят стандартным (ГОСТ 9563-60) не меньше "
                                                                  "расчётного; рабочие напряжения сопоставлены с "
                                                                  "допускаемыми в разделе результатов."))
                     .text(translate);
    return out;
}

std::string wheel(const ModeResults& kept, std::string_view sep, const Translator& translate)
{
    const Quantities& v = kept.values;
    const WheelDesign design = wheelDesignOf(v.da);
    const Message kind = design == WheelDesign::Solid
                             ? Message("conclusion", GEAR_TR_NOOP("conclusion", "цельное с плоским диском"))
                         : design == WheelDesign::Disc
                             ? Message("conclusion", GEAR_TR_NOOP("conclusion", "кованое с отверстиями в диске"))
                             : Message("conclusion", GEAR_TR_NOOP("conclusion", "литое со спицами"));
    Message text("conclusion",
                 GEAR_TR_NOOP("conclusion", "Сконструировано зубчатое колесо, %1: модуль m = %2 мм, z = %3, "
                                            "da = %4 мм, d = %5 мм, df = %6 мм, ширина венца bw = %7 мм, ступица "
                                            "dст = %8 мм длиной Lст = %9 мм."));
    text.arg(kind).arg(number(v.m, sep)).arg(number(v.Z1, sep)).arg(number(v.da, sep)).arg(number(v.d, sep));
    text.arg(number(v.df, sep)).arg(number(v.bw1, sep)).arg(number(v.dstStd, sep)).arg(number(v.LstStd, sep));
    std::string out = text.text(translate);
    if (const std::optional<Keyway> key = keywayFor(v.dvStd)) {
        out += " " +
               Message("conclusion", GEAR_TR_NOOP("conclusion", "Вал dв = %1 мм соединяется со ступицей призматической "
                                                                "шпонкой %2×%3 по ГОСТ 23360-78."))
                   .arg(number(v.dvStd, sep))
                   .arg(number(key->b, sep))
                   .arg(number(key->h, sep))
                   .text(translate);
    }
    const bool tipHolds = wheelTipNote(v).empty();
    out +=
        " " +
        (tipHolds
             ? Message("conclusion", GEAR_TR_NOOP("conclusion", "Диаметр вершин со стандартным модулем совпадает с "
                                                                "заданным в пределах 1 %: условие выполнено."))
             : Message("conclusion", GEAR_TR_NOOP("conclusion", "Диаметр вершин со стандартным модулем отличается от "
                                                                "заданного больше чем на 1 %: колесо построено по "
                                                                "стандартному модулю.")))
            .text(translate);
    return out;
}

std::string check(const ModeResults& kept, std::string_view sep, const Translator& translate)
{
    const Quantities& v = kept.values;
    return Message("conclusion",
                   GEAR_TR_NOOP("conclusion", "Проверено колесо с делительным диаметром d = %1 мм, z = %2, шириной "
                                              "венца bw = %3 мм: по прочности зубьев оно передаёт "
                                              "момент не более T = %4 Н·м."))
        .arg(number(v.d, sep))
        .arg(number(v.Z1, sep))
        .arg(number(v.bw, sep))
        .arg(number(v.Tcalc, sep))
        .text(translate);
}

} // namespace

std::vector<Conclusion> conclusions(const CalcState& state, std::string_view decimalSeparator,
                                    const Translator& translate)
{
    std::vector<Conclusion> out;
    for (Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        const auto& kept = state.results[static_cast<size_t>(mode)];
        if (!kept)
            continue;
        const std::string text = mode == Mode::Transmission ? transmission(*kept, decimalSeparator, translate)
                                 : mode == Mode::Wheel      ? wheel(*kept, decimalSeparator, translate)
                                                            : check(*kept, decimalSeparator, translate);
        out.push_back({mode, text});
    }
    return out;
}

std::vector<std::string> noteSources(const Translator& translate)
{
    const auto words = [&](std::string_view source) { return translated(translate, "sources", source); };
    const std::string gost = words(GEAR_TR_NOOP("sources", "ГОСТ")) + " ";
    return {
        words(GEAR_TR_NOOP("sources", "Чернавский С. А. и др. Курсовое проектирование деталей машин. — М.: "
                                      "Машиностроение, 1988.")),
        words(GEAR_TR_NOOP("sources", "Шейнблит А. Е. Курсовое проектирование деталей машин. — Калининград: "
                                      "Янтарный сказ, 2002.")),
        words(GEAR_TR_NOOP("sources", "Дунаев П. Ф., Леликов О. П. Конструирование узлов и деталей машин. — М.: "
                                      "Академия, 2004.")),
        words(GEAR_TR_NOOP("sources", "Иванов М. Н. Детали машин. — М.: Высшая школа, 2008.")),
        gost + "21354-87. " +
            words(GEAR_TR_NOOP("sources", "Передачи зубчатые цилиндрические эвольвентные "
                                          "внешнего зацепления. Расчёт на прочность.")),
        gost + "9563-60. " + words(GEAR_TR_NOOP("sources", "Колёса зубчатые. Модули.")),
        gost + "13755-81. " +
            words(GEAR_TR_NOOP("sources", "Передачи зубчатые цилиндрические эвольвентные. "
                                          "Исходный контур.")),
        gost + "1643-81. " + words(GEAR_TR_NOOP("sources", "Передачи зубчатые цилиндрические. Допуски.")),
        gost + "23360-78. " + words(GEAR_TR_NOOP("sources", "Соединения шпоночные с призматическими шпонками.")),
        gost + "2.104-2006, " + gost + "2.403-75, " + gost + "2.309-73. " + words(GEAR_TR_NOOP("sources", "ЕСКД.")),
    };
}

} // namespace gear
