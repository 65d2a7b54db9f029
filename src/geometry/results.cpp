// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/results.h"

#include "geometry/module_choice.h"
#include "shell/number_text.h"
#include "shell/units.h"

#include <array>

namespace gear {

namespace {

using Q = Quantities;

// Captions as the course's worksheets print them, each screen its own.
constexpr std::array<SketchRow, 7> kSolidRows{{
    {"Label1", GEAR_TR_NOOP("sketch", "Делительный диаметр d,мм"), "Label5", &Q::d},
    {"Label2", GEAR_TR_NOOP("sketch", "Диаметр впадин df,мм"), "Label6", &Q::df},
    {"Label3", GEAR_TR_NOOP("sketch", "Диаметр выступов da,мм"), "Label7", &Q::da},
    {"Label4", GEAR_TR_NOOP("sketch", "Диаметр вала dв,мм"), "Label8", &Q::dvStd},
    {"Label9", GEAR_TR_NOOP("sketch", "Ширина зубчатого венца bw,мм"), "Label10", &Q::bw1},
    {"Label11", GEAR_TR_NOOP("sketch", "Диаметр ступицы dcт,мм"), "Label15", &Q::dstStd},
    {"Label12", GEAR_TR_NOOP("sketch", "Длинна ступицы Lст,мм"), "Label16", &Q::LstStd},
}};

constexpr std::array<SketchRow, 11> kDiscRows{{
    {"Label1", GEAR_TR_NOOP("sketch", "Делительный диаметр, d"), "Label5", &Q::d},
    {"Label2", GEAR_TR_NOOP("sketch", "Диаметр впадин, df"), "Label6", &Q::df},
    {"Label3", GEAR_TR_NOOP("sketch", "Диаметр выступов, da"), "Label7", &Q::da},
    {"Label4", GEAR_TR_NOOP("sketch", "Диаметр вала, dв"), "Label8", &Q::dvStd},
    {"Label9", GEAR_TR_NOOP("sketch", "Ширина зубчатого венца, bw"), "Label10", &Q::bw1},
    {"Label11", GEAR_TR_NOOP("sketch", "Диаметр ступицы, dsт"), "Label15", &Q::dstStd},
    {"Label12", GEAR_TR_NOOP("sketch", "Длинна ступицы,lsт"), "Label16", &Q::LstStd},
    {"Label13", GEAR_TR_NOOP("sketch", "Диаметр D0"), "Label17", &Q::D0},
    {"Label14", GEAR_TR_NOOP("sketch", "Диаметр отверстий,do"), "Label18", &Q::d0},
    {"Label19", GEAR_TR_NOOP("sketch", "Ширина спиц,C"), "Label20", &Q::C},
    {"Label21", GEAR_TR_NOOP("sketch", "Толщина Delta0"), "Label22", &Q::Delta0},
}};

constexpr std::array<SketchRow, 10> kSpokedRows{{
    {"Label1", GEAR_TR_NOOP("sketch", "Делительный диаметр, d"), "Label5", &Q::d},
    {"Label2", GEAR_TR_NOOP("sketch", "Диаметр впадин,df"), "Label6", &Q::df},
    {"Label3", GEAR_TR_NOOP("sketch", "Диаметр выступов,da"), "Label7", &Q::da},
    {"Label4", GEAR_TR_NOOP("sketch", "Диаметр вала,dв"), "Label8", &Q::dvStd},
    {"Label9", GEAR_TR_NOOP("sketch", "Ширина зубчатого венца,bw"), "Label10", &Q::bw1},
    {"Label11", GEAR_TR_NOOP("sketch", "Диаметр ступицы, dct"), "Label15", &Q::dstStd},
    {"Label12", GEAR_TR_NOOP("sketch", "Длинна ступицы,Lcт"), "Label16", &Q::LstStd},
    {"Label13", GEAR_TR_NOOP("sketch", "Радиус закругления, R"), "Label17", &Q::R},
    {"Label19", GEAR_TR_NOOP("sketch", "Толщина Delta0"), "Label20", &Q::Delta0},
    {"Label21", GEAR_TR_NOOP("sketch", "Толщина, L"), "Label22", &Q::L},
}};

constexpr std::array<PairRow, 7> kPairRows{{
    {"Label4", GEAR_TR_NOOP("results", "Нормальный модуль"), unit::mm, "Label12", &Q::m, "Label19", &Q::m},
    {"Label5", GEAR_TR_NOOP("results", "Число зубьев"), "--", "Label13", &Q::Z1, "Label20", &Q::Z2},
    {"Label6", GEAR_TR_NOOP("results", "Угол наклона зубьев"), GEAR_TR_NOOP("unit", "град"), "Label14", &Q::beta,
     "Label21", &Q::beta},
    {"Label7", GEAR_TR_NOOP("results", "Диаметр выступов"), unit::mm, "Label15", &Q::da, "Label22", &Q::da2},
    {"Label8", GEAR_TR_NOOP("results", "Диаметр впадин"), unit::mm, "Label16", &Q::df, "Label23", &Q::df2},
    {"Label9", GEAR_TR_NOOP("results", "Диаметр делительной окружности"), unit::mm, "Label17", &Q::d, "Label24",
     &Q::d2},
    {"Label10", GEAR_TR_NOOP("results", "Марка стали зубчатого венца"), "", "Label18", nullptr, "Label25", nullptr},
}};

std::string text(Number value, std::string_view separator)
{
    return numberToText(value, separator);
}

} // namespace

std::string_view sketchTitle(ScreenId screen)
{
    switch (screen) {
    case ScreenId::vivod1: return GEAR_TR_NOOP("sketch", "Эскиз зубчатого колеса при dа<250мм");
    case ScreenId::vivod2: return GEAR_TR_NOOP("sketch", "Эскиз зубчатого колеса при 250<da<600");
    case ScreenId::vivod3: return GEAR_TR_NOOP("sketch", "Эскиз зубчатого колеса при dа>600 мм");
    default: return {};
    }
}

std::span<const SketchRow> sketchRows(ScreenId screen)
{
    switch (screen) {
    case ScreenId::vivod1: return kSolidRows;
    case ScreenId::vivod2: return kDiscRows;
    case ScreenId::vivod3: return kSpokedRows;
    default: return {};
    }
}

std::span<const PairRow> pairRows()
{
    return kPairRows;
}

std::vector<ResultTable> resultTables(const CalcState& state, std::string_view separator, const Translator& translate)
{
    const auto words = [&](std::string_view context, std::string_view source) {
        return translated(translate, context, source);
    };
    std::vector<ResultTable> tables;
    if (const auto& pair = state.results[static_cast<size_t>(Mode::Transmission)]) {
        ResultTable table{words("results", GEAR_TR_NOOP("results", "Результаты расчёта передачи")),
                          {{words("results", GEAR_TR_NOOP("results", "Параметр")),
                            words("results", GEAR_TR_NOOP("results", "Единица величины")),
                            words("results", GEAR_TR_NOOP("results", "Шестерня")),
                            words("results", GEAR_TR_NOOP("results", "колесо"))}}};
        for (const PairRow& row : kPairRows) {
            if (row.pinion)
                table.rows.push_back({words("results", row.caption), words("unit", row.unit),
                                      text(pair->values.*row.pinion, separator),
                                      text(pair->values.*row.wheel, separator)});
            else
                table.rows.push_back({words("results", row.caption), words("unit", row.unit),
                                      words("steel", pair->steelGrade), words("steel", pair->steelGrade)});
        }
        tables.push_back(std::move(table));
    }
    if (const auto& wheel = state.results[static_cast<size_t>(Mode::Wheel)]) {
        ResultTable table{words("results", GEAR_TR_NOOP("results", "Размеры колеса")), {}};
        for (const SketchRow& row : sketchRows(wheelSketchScreen(wheel->values.da)))
            table.rows.push_back({words("sketch", row.caption), text(wheel->values.*row.value, separator)});
        tables.push_back(std::move(table));
    }
    if (const auto& check = state.results[static_cast<size_t>(Mode::Check)]) {
        tables.push_back({words("results", GEAR_TR_NOOP("results", "Результат проверки")),
                          {{words("results", GEAR_TR_NOOP("results", "Расчётная нагрузка равна")),
                            text(check->values.Tcalc, separator), words("unit", GEAR_TR_NOOP("unit", "Нм"))}}});
    }
    return tables;
}

} // namespace gear
