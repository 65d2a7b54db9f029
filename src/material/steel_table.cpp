// SPDX-License-Identifier: GPL-3.0-or-later
#include "material/steel_table.h"

#include <algorithm>

namespace gear {

namespace {

// The words of the table, which the desktop shows in its language.
constexpr std::string_view kTempering = GEAR_TR_NOOP("steel table", "закалка с высоким отпуском");
constexpr std::string_view kThrough = GEAR_TR_NOOP("steel table", "объёмная закалка");
constexpr std::string_view kHfc = GEAR_TR_NOOP("steel table", "закалка ТВЧ");
constexpr std::string_view kCarburising = GEAR_TR_NOOP("steel table", "цементация, закалка");
constexpr std::string_view kCarburisingLow = GEAR_TR_NOOP("steel table", "цементация с закалкой и низким отпуском");
constexpr std::string_view kNormalising = GEAR_TR_NOOP("steel table", "нормализация");
constexpr std::string_view kNitriding = GEAR_TR_NOOP("steel table", "азотирование");
constexpr std::string_view kAnySize = GEAR_TR_NOOP("steel table", "любые");
constexpr std::string_view kUpTo15 = GEAR_TR_NOOP("steel table", "до   15");
constexpr std::string_view kUpTo20 = GEAR_TR_NOOP("steel table", "до   20");
constexpr std::string_view kUpTo35 = GEAR_TR_NOOP("steel table", "до   35");
constexpr std::string_view kUpTo40 = GEAR_TR_NOOP("steel table", "до   40");
constexpr std::string_view kUpTo60 = GEAR_TR_NOOP("steel table", "до   60");
constexpr std::string_view kUpTo75 = GEAR_TR_NOOP("steel table", "до   75");
constexpr std::string_view kUpTo100 = GEAR_TR_NOOP("steel table", "до  100");
constexpr std::string_view kUpTo300 = GEAR_TR_NOOP("steel table", "до  300");

// A grade as the table's first column writes it, and the steel it names.
struct Grade {
    std::string_view cell;
    std::string_view name;
};

constexpr Grade k40{"40", GEAR_TR_NOOP("steel", "Сталь 40")};
constexpr Grade k45{"45", GEAR_TR_NOOP("steel", "Сталь 45")};
constexpr Grade k40Kh{GEAR_TR_NOOP("steel table", "40Х"), GEAR_TR_NOOP("steel", "Сталь 40Х")};
constexpr Grade k40KhN{GEAR_TR_NOOP("steel table", "40ХН"), GEAR_TR_NOOP("steel", "Сталь 40ХН")};
constexpr Grade k40KhFA{GEAR_TR_NOOP("steel table", "40ХФА"), GEAR_TR_NOOP("steel", "Сталь 40ХФА")};
constexpr Grade k18KhGT{GEAR_TR_NOOP("steel table", "18ХГТ"), GEAR_TR_NOOP("steel", "Сталь 18ХГТ")};
constexpr Grade k12KhN3A{GEAR_TR_NOOP("steel table", "12ХН3А"), GEAR_TR_NOOP("steel", "Сталь 12ХН3А")};
constexpr Grade k50L{GEAR_TR_NOOP("steel table", "50Л"), GEAR_TR_NOOP("steel", "Сталь 50Л")};
constexpr Grade k40GL{GEAR_TR_NOOP("steel table", "40ГЛ"), GEAR_TR_NOOP("steel", "Сталь 40ГЛ")};
constexpr Grade k35KhGSL{GEAR_TR_NOOP("steel table", "35ХГСЛ"), GEAR_TR_NOOP("steel", "Сталь 35ХГСЛ")};
constexpr Grade k20Kh{GEAR_TR_NOOP("steel table", "20Х"), GEAR_TR_NOOP("steel", "Сталь 20Х")};
constexpr Grade k30Kh2MYuA{GEAR_TR_NOOP("steel table", "30Х2МЮА"), GEAR_TR_NOOP("steel", "Сталь 30Х2МЮА")};

// A row of the table: the grade, then the other nine columns, then the two
// limits taking the row stores.
constexpr SteelRow row(const Grade& grade, const std::array<std::string_view, 9>& rest, double sigmaH, double sigmaF)
{
    SteelRow steel{{grade.cell}, grade.name, sigmaH, sigmaF};
    for (size_t column = 0; column < rest.size(); ++column)
        steel.cells[column + 1] = rest[column];
    return steel;
}

} // namespace

// Grade, standard, treatment, section size, surface and core hardness,
// ultimate and yield strength, contact and bending limit (MPa, mm, HRC/HB).
const std::array<SteelRow, 29> kSteelRows{{
    row(k40, {"1050-74", kTempering, kUpTo20, "---", "239...280", "970", "760", "590", "465"}, 590, 465),
    row(k40, {"1050-74", kTempering, "20...40", "---", "200...240", "770", "560", "510", "395"}, 510, 395),
    row(k40, {"1050-74", kTempering, "40...60", "---", "189...217", "700", "520", "490", "365"}, 490, 365),
    row(k40, {"1050-74", kThrough, kUpTo15, "40...45", "---", "1400", "1250", "910", "500"}, 910, 500),
    row(k40, {"1050-74", kHfc, kAnySize, "45...50", "160...200", "550", "450", "1000", "600"}, 1000, 600),
    row(k45, {"1050-89", kTempering, kUpTo20, "---", "260...300", "1000", "820", "630", "500"}, 630, 500),
    row(k45, {"1050-89", kTempering, "20...40", "---", "220...260", "860", "600", "550", "430"}, 550, 430),
    row(k45, {"1050-89", kTempering, "40...60", "---", "200...240", "800", "560", "510", "395"}, 510, 395),
    row(k45, {"1050-89", kThrough, kUpTo15, "43...48", "---", "1570", "1500", "970", "500"}, 970, 500),
    row(k45, {"1050-89", kHfc, kAnySize, "48...53", "170...210", "700", "480", "1050", "600"}, 1050, 600),
    row(k40Kh, {"4543-71", kTempering, kUpTo40, "---", "300...345", "1100", "900", "710", "580"}, 710, 580),
    row(k40Kh, {"4543-71", kTempering, "40...60", "---", "265...315", "1000", "800", "650", "520"}, 650, 520),
    row(k40Kh, {"4543-71", kTempering, "60...100", "---", "250...280", "900", "750", "600", "480"}, 600, 480),
    row(k40Kh, {"4543-71", kThrough, kUpTo35, "45...50", "---", "1600", "1400", "1000", "550"}, 1000, 550),
    row(k40Kh, {"4543-71", kHfc, kAnySize, "45...50", "220...260", "870", "700", "1000", "700"}, 1000, 700),
    row(k40KhN, {"4543-71", kTempering, kUpTo75, "---", "280...320", "1050", "900", "670", "540"}, 670, 540),
    row(k40KhN, {"4543-71", kTempering, "75...150", "---", "250...290", "900", "700", "610", "485"}, 610, 485),
    row(k40KhN, {"4543-71", kThrough, kUpTo75, "48...54", "---", "1700", "1500", "1050", "550"}, 1050, 550),
    row(k40KhN, {"4543-71", kHfc, kAnySize, "48...54", "220...280", "880", "760", "1060", "700"}, 1060, 700),
    row(k40KhFA, {"4543-71", kThrough, kUpTo40, "40...50", "(>=40)", "1600", "1300", "1000", "550"}, 1000, 550),
    row(k18KhGT, {"4543-71", kCarburising, kUpTo60, "58...62", ">=241", "1000", "800", "1380", "950"}, 1380, 950),
    row(k12KhN3A, {"4543-71", kCarburising, kUpTo100, "58...62", "255", "850", "---", "1380", "820"}, 1380, 820),
    row(k50L, {"977-75", kNormalising, "---", "---", "160...210", "600", "400", "440", "330"}, 440, 330),
    row(k40GL, {"977-75", kTempering, kUpTo300, "---", "235...262", "850", "600", "560", "450"}, 560, 450),
    row(k35KhGSL, {"977-75", kTempering, kUpTo300, "---", "220...260", "850", "550", "550", "430"}, 550, 430),
    row(k20Kh, {"4543-71", kCarburisingLow, kUpTo60, "56...62", "260", "850", "630", "1360", "820"}, 1360, 820),
    row(k18KhGT, {"4543-71", kCarburisingLow, kUpTo40, "56...62", "300", "1000", "800", "1360", "820"}, 1360, 950),
    row(k18KhGT, {"4543-71", kCarburisingLow, "40...80", "56...62", "270", "950", "750", "1360", "900"}, 1360, 900),
    row(k30Kh2MYuA, {"4543-71", kNitriding, "---", "50...60", "24...40", "1000", "350", "1050", "340"}, 1050, 340),
}};

// Each width holds the column's longest cell and two blanks after it.
const std::array<int, 10> kSteelColumnWidths{9, 9, 41, 12, 9, 11, 9, 9, 8, 7};

int utf8Length(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U)
            ++count;
    }
    return count;
}

std::array<int, 10> steelColumnWidths(const Translator& translate)
{
    std::array<int, 10> widths = kSteelColumnWidths;
    if (!translate)
        return widths;
    for (const SteelRow& row : kSteelRows) {
        for (size_t column = 0; column < row.cells.size(); ++column)
            widths[column] =
                std::max(widths[column], utf8Length(translated(translate, "steel table", row.cells[column])) + 2);
    }
    return widths;
}

std::string steelItemText(int index, const Translator& translate)
{
    if (index < 1 || index > static_cast<int>(kSteelRows.size()))
        return {};
    const SteelRow& row = kSteelRows[static_cast<size_t>(index - 1)];
    const std::array<int, 10> widths = steelColumnWidths(translate);
    std::string text;
    for (size_t column = 0; column < row.cells.size(); ++column) {
        const std::string cell = translated(translate, "steel table", row.cells[column]);
        text += cell;
        if (column + 1 < row.cells.size())
            text.append(static_cast<size_t>(widths[column] - utf8Length(cell)), ' ');
    }
    return text;
}

} // namespace gear
