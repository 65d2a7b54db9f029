// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/results.h"

#include "geometry/module_choice.h"
#include "shell/number_text.h"

#include <array>

namespace gear {

namespace {

using Q = Quantities;

// Captions as the course's worksheets print them, each screen its own.
constexpr std::array<SketchRow, 7> kSolidRows{{
    {"Label1", "Делительный диаметр d,мм", "Label5", &Q::d},
    {"Label2", "Диаметр впадин df,мм", "Label6", &Q::df},
    {"Label3", "Диаметр выступов da,мм", "Label7", &Q::da},
    {"Label4", "Диаметр вала dв,мм", "Label8", &Q::dvStd},
    {"Label9", "Ширина зубчатого венца bw,мм", "Label10", &Q::bw1},
    {"Label11", "Диаметр ступицы dcт,мм", "Label15", &Q::dstStd},
    {"Label12", "Длинна ступицы Lст,мм", "Label16", &Q::LstStd},
}};

constexpr std::array<SketchRow, 11> kDiscRows{{
    {"Label1", "Делительный диаметр, d", "Label5", &Q::d},
    {"Label2", "Диаметр впадин, df", "Label6", &Q::df},
    {"Label3", "Диаметр выступов, da", "Label7", &Q::da},
    {"Label4", "Диаметр вала, dв", "Label8", &Q::dvStd},
    {"Label9", "Ширина зубчатого венца, bw", "Label10", &Q::bw1},
    {"Label11", "Диаметр ступицы, dsт", "Label15", &Q::dstStd},
    {"Label12", "Длинна ступицы,lsт", "Label16", &Q::LstStd},
    {"Label13", "Диаметр D0", "Label17", &Q::D0},
    {"Label14", "Диаметр отверстий,do", "Label18", &Q::d0},
    {"Label19", "Ширина спиц,C", "Label20", &Q::C},
    {"Label21", "Толщина Delta0", "Label22", &Q::Delta0},
}};

constexpr std::array<SketchRow, 10> kSpokedRows{{
    {"Label1", "Делительный диаметр, d", "Label5", &Q::d},
    {"Label2", "Диаметр впадин,df", "Label6", &Q::df},
    {"Label3", "Диаметр выступов,da", "Label7", &Q::da},
    {"Label4", "Диаметр вала,dв", "Label8", &Q::dvStd},
    {"Label9", "Ширина зубчатого венца,bw", "Label10", &Q::bw1},
    {"Label11", "Диаметр ступицы, dct", "Label15", &Q::dstStd},
    {"Label12", "Длинна ступицы,Lcт", "Label16", &Q::LstStd},
    {"Label13", "Радиус закругления, R", "Label17", &Q::R},
    {"Label19", "Толщина Delta0", "Label20", &Q::Delta0},
    {"Label21", "Толщина, L", "Label22", &Q::L},
}};

constexpr std::array<PairRow, 7> kPairRows{{
    {"Label4", "Нормальный модуль", "мм", "Label12", &Q::m, "Label19", &Q::m},
    {"Label5", "Число зубьев", "--", "Label13", &Q::Z1, "Label20", &Q::Z2},
    {"Label6", "Угол наклона зубьев", "град", "Label14", &Q::beta, "Label21", &Q::beta},
    {"Label7", "Диаметр выступов", "мм", "Label15", &Q::da, "Label22", &Q::da2},
    {"Label8", "Диаметр впадин", "мм", "Label16", &Q::df, "Label23", &Q::df2},
    {"Label9", "Диаметр делительной окружности", "мм", "Label17", &Q::d, "Label24", &Q::d2},
    {"Label10", "Марка стали зубчатого венца", "", "Label18", nullptr, "Label25", nullptr},
}};

std::string text(Number value, std::string_view separator)
{
    return numberToText(value, separator);
}

} // namespace

std::string_view sketchTitle(ScreenId screen)
{
    switch (screen) {
    case ScreenId::vivod1: return "Эскиз зубчатого колеса при dа<250мм";
    case ScreenId::vivod2: return "Эскиз зубчатого колеса при 250<da<600";
    case ScreenId::vivod3: return "Эскиз зубчатого колеса при dа>600 мм";
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

std::vector<ResultTable> resultTables(const CalcState& state, std::string_view separator)
{
    std::vector<ResultTable> tables;
    if (const auto& pair = state.results[static_cast<size_t>(Mode::Transmission)]) {
        ResultTable table{"Результаты расчёта передачи", {{"Параметр", "Единица величины", "Шестерня", "колесо"}}};
        for (const PairRow& row : kPairRows) {
            if (row.pinion)
                table.rows.push_back({std::string(row.caption), std::string(row.unit),
                                      text(pair->values.*row.pinion, separator),
                                      text(pair->values.*row.wheel, separator)});
            else
                table.rows.push_back(
                    {std::string(row.caption), std::string(row.unit), pair->steelGrade, pair->steelGrade});
        }
        tables.push_back(std::move(table));
    }
    if (const auto& wheel = state.results[static_cast<size_t>(Mode::Wheel)]) {
        ResultTable table{"Размеры колеса", {}};
        for (const SketchRow& row : sketchRows(wheelSketchScreen(wheel->values.da)))
            table.rows.push_back({std::string(row.caption), text(wheel->values.*row.value, separator)});
        tables.push_back(std::move(table));
    }
    if (const auto& check = state.results[static_cast<size_t>(Mode::Check)]) {
        tables.push_back(
            {"Результат проверки", {{"Расчётная нагрузка равна", text(check->values.Tcalc, separator), "Нм"}}});
    }
    return tables;
}

} // namespace gear
