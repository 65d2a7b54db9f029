// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/reference_tables.h"

#include "shell/message.h"

#include <algorithm>

namespace gear {

// The ranges: a load factor from 1 (by definition) to 3, beyond any the
// course's tables give; KFα, which the method takes as 1.1/εα, below 1 as
// well; ψbd from 0.1 to 2 around the textbooks' 0.2…1.6; the safety factors
// from 1; the factors the method shows but does not use from 0.5 to 4.
const std::array<CoefficientInfo, kCoefficientCount> kCoefficients{{
    {"Psibd", GEAR_TR_NOOP("coefficient", "коэффициент ширины венца ψbd = bw/d1"), &CoefficientSet::Psibd,
     &Quantities::Psibd, 0.1, 2},
    {"kf", GEAR_TR_NOOP("coefficient", "коэффициент нагрузки при расчёте на изгиб KF"), &CoefficientSet::kf,
     &Quantities::kf, 1, 3, false, true},
    {"kh", GEAR_TR_NOOP("coefficient", "коэффициент нагрузки при расчёте на контактную прочность KH"),
     &CoefficientSet::kh, &Quantities::kh, 1, 3, false, true},
    {"khb", GEAR_TR_NOOP("coefficient", "коэффициент неравномерности нагрузки по ширине венца KHβ (контакт)"),
     &CoefficientSet::khb, &Quantities::khb, 1, 3, false, true},
    {"kfb", GEAR_TR_NOOP("coefficient", "коэффициент неравномерности нагрузки по ширине венца KFβ (изгиб)"),
     &CoefficientSet::kfb, &Quantities::kfb, 1, 3, false, true},
    {"kfa", GEAR_TR_NOOP("coefficient", "коэффициент распределения нагрузки между зубьями KFα (изгиб)"),
     &CoefficientSet::kfa, &Quantities::kfa, 0, 3, true},
    {"kfv", GEAR_TR_NOOP("coefficient", "коэффициент динамической нагрузки KFv (изгиб)"), &CoefficientSet::kfv,
     &Quantities::kfv, 1, 3, false, true},
    {"khv", GEAR_TR_NOOP("coefficient", "коэффициент динамической нагрузки KHv (контакт)"), &CoefficientSet::khv,
     &Quantities::khv, 1, 3, false, true},
    {"kha", GEAR_TR_NOOP("coefficient", "коэффициент распределения нагрузки между зубьями KHα (контакт)"),
     &CoefficientSet::kha, &Quantities::kha, 1, 3, false, true},
    {"Zk", GEAR_TR_NOOP("coefficient", "коэффициент повышения контактной прочности косозубых колёс"),
     &CoefficientSet::Zk, &Quantities::Zk, 0.5, 4},
    {"Yn", GEAR_TR_NOOP("coefficient", "коэффициент долговечности YN (изгиб)"), &CoefficientSet::Yn, &Quantities::Yn,
     0.5, 4},
    {"Zn", GEAR_TR_NOOP("coefficient", "коэффициент долговечности ZN (контакт)"), &CoefficientSet::Zn, &Quantities::Zn,
     0.5, 4},
    {"Yr", GEAR_TR_NOOP("coefficient", "коэффициент шероховатости переходной поверхности YR"), &CoefficientSet::Yr,
     &Quantities::Yr, 0.5, 4},
    {"Yx", GEAR_TR_NOOP("coefficient", "коэффициент размеров зубчатого колеса YX"), &CoefficientSet::Yx,
     &Quantities::Yx, 0.5, 4},
    {"Yd", GEAR_TR_NOOP("coefficient", "коэффициент чувствительности к градиенту напряжений Yδ"), &CoefficientSet::Yd,
     &Quantities::Yd, 0.5, 4},
    {"Sf", GEAR_TR_NOOP("coefficient", "коэффициент запаса прочности при изгибе SF"), &CoefficientSet::Sf,
     &Quantities::Sf, 1, 3},
    {"Sh", GEAR_TR_NOOP("coefficient", "коэффициент запаса прочности по контактным напряжениям SH"),
     &CoefficientSet::Sh, &Quantities::Sh, 1, 3},
}};

const std::array<std::string_view, 13> kModuleRow1{"",    "1.5", "2.0",  "2.5",  "3.0",  "4.0", "5.0",
                                                   "6.0", "8.0", "10.0", "12.0", "16.0", "20.0"};
const std::array<std::string_view, 12> kModuleRow2{"",    "1.75", "2.25", "2.75", "3.5",  "4.5",
                                                   "5.5", "7.0",  "9.0",  "11.0", "14.0", "18.0"};

const std::array<std::string_view, 22> kGearRatios{"",    "1.0", "1.25", "1.4",  "1.6", "1.8", "2.0", "2.24",
                                                   "2.5", "2.8", "3.15", "3.55", "4.0", "4.5", "5.0", "5.6",
                                                   "6.0", "6.3", "7.1",  "8.0",  "9.0", "10.0"};

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

const StdSizeTable kStdSizes{0,    12,   13,   14,   15,   16,   17,   18,   19,   20,   21,   22,   24,   25,   26,
                             28,   30,   32,   34,   36,   38,   40,   42,   45,   48,   50,   53,   56,   60,   63,
                             67,   71,   75,   80,   85,   90,   95,   100,  105,  110,  120,  125,  130,  140,  150,
                             160,  170,  180,  190,  200,  210,  220,  240,  250,  260,  280,  300,  320,  340,  360,
                             380,  400,  420,  450,  480,  500,  530,  560,  600,  630,  670,  710,  750,  800,  850,
                             900,  950,  1000, 1060, 1120, 1180, 1250, 1320, 1400, 1500, 1600, 1700, 1800, 1900, 2000,
                             2120, 2240, 2360, 2500, 2650, 2800, 3000, 3150, 3350, 3750, 4000};

namespace {

struct FormFactor {
    double zv;
    double YF;
};

// Tooth form factor of an external gear without shift, by equivalent teeth.
// The published table ends with the row "zv ≥ 80: 3.74": from 80 teeth up
// the tooth hardly changes its form, so every larger zv takes that value.
constexpr std::array<FormFactor, 12> kYFtable{{
    {10, 4.47},
    {12, 4.47},
    {14, 4.47},
    {16, 4.47},
    {17, 4.3},
    {20, 4.12},
    {25, 3.96},
    {30, 3.85},
    {40, 3.75},
    {50, 3.73},
    {60, 3.73},
    {80, 3.74},
}};
// Below the table's first key, as for its first row.
constexpr double kYFbelowTable = 4.47;

} // namespace

double toothFormFactor(double zv)
{
    if (zv >= kYFtable.back().zv)
        return kYFtable.back().YF;
    for (size_t i = 0; i + 1 < kYFtable.size(); ++i) {
        if (zv == kYFtable[i].zv)
            return kYFtable[i].YF;
        if (kYFtable[i].zv < zv && zv < kYFtable[i + 1].zv)
            return zv - kYFtable[i].zv < kYFtable[i + 1].zv - zv ? kYFtable[i].YF : kYFtable[i + 1].YF;
    }
    return kYFbelowTable;
}

} // namespace gear
