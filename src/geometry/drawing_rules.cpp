// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/drawing_rules.h"

#include "shell/message.h"

#include <algorithm>
#include <cmath>

namespace gear {

LinePen linePen(Layer layer)
{
    constexpr double thin = kMainLine / 2;
    switch (layer) {
    case Layer::Outline:
    case Layer::Frame: return {kMainLine, 0, 0, false};
    case Layer::Thin:
    case Layer::FrameThin: return {thin, 0, 0, false};
    case Layer::Hidden: return {thin, 4, 1.5, false};
    case Layer::Centre: return {thin, 12, 3, true};
    // Hatching and dimensions a little finer than other thin lines, still
    // within s/3.
    case Layer::Hatch: return {0.18, 0, 0, false};
    case Layer::Dimension: return {0.2, 0, 0, false};
    }
    return {thin, 0, 0, false};
}

std::vector<double> dashPattern(const LinePen& pen)
{
    if (!(pen.dash > 0))
        return {};
    if (!pen.dot)
        return {pen.dash, pen.gap};
    constexpr double dot = 0.5;
    const double half = (pen.gap - dot) / 2;
    return {pen.dash, half, dot, half};
}

bool isStandardFontSize(double mm)
{
    return std::any_of(kFontSizes.begin(), kFontSizes.end(), [mm](double h) { return std::abs(h - mm) < 1e-9; });
}

namespace {

// The columns of changes and signatures every form opens with, mm: «Изм.»,
// «Лист», «№ докум.», «Подп.», «Дата».
constexpr double kC1 = 7, kC2 = 17, kC3 = 40, kC4 = 55, kC5 = 65;

constexpr std::string_view kChange = GEAR_TR_NOOP("title block", "Изм.");
constexpr std::string_view kSheetCol = GEAR_TR_NOOP("title block", "Лист");
constexpr std::string_view kDocument = GEAR_TR_NOOP("title block", "№ докум.");
constexpr std::string_view kSignature = GEAR_TR_NOOP("title block", "Подп.");
constexpr std::string_view kDate = GEAR_TR_NOOP("title block", "Дата");
constexpr std::string_view kDeveloper = GEAR_TR_NOOP("title block", "Разраб.");
constexpr std::string_view kChecker = GEAR_TR_NOOP("title block", "Пров.");
constexpr std::string_view kTechControl = GEAR_TR_NOOP("title block", "Т.контр.");
constexpr std::string_view kNormControl = GEAR_TR_NOOP("title block", "Н.контр.");
constexpr std::string_view kApproved = GEAR_TR_NOOP("title block", "Утв.");
constexpr std::string_view kLetter = GEAR_TR_NOOP("title block", "Лит.");
constexpr std::string_view kMass = GEAR_TR_NOOP("title block", "Масса");
constexpr std::string_view kScale = GEAR_TR_NOOP("title block", "Масштаб");
constexpr std::string_view kSheets = GEAR_TR_NOOP("title block", "Листов");

// Form 1: 185 × 55. Eleven rows of 5 mm on the left (four of changes, their
// heads, six of signatures); the designation across the top 15 mm; the name
// (25 mm) and the material (15 mm) in the middle 70 mm; the letter, mass
// and scale, the sheets and the organisation in the right 50 mm.
constexpr TitleLine kForm1Lines[] = {
    {0, 0, 185, 0, true},     {0, 55, 185, 55, true},   {0, 0, 0, 55, true},       {185, 0, 185, 55, true},
    {kC1, 0, kC1, 25, true},  {kC2, 0, kC2, 55, true},  {kC3, 0, kC3, 55, true},   {kC4, 0, kC4, 55, true},
    {kC5, 0, kC5, 55, true},  {0, 5, kC5, 5, false},    {0, 10, kC5, 10, false},   {0, 15, kC5, 15, false},
    {0, 20, kC5, 20, true},   {0, 25, kC5, 25, true},   {0, 30, kC5, 30, false},   {0, 35, kC5, 35, false},
    {0, 40, kC5, 40, false},  {0, 45, kC5, 45, false},  {0, 50, kC5, 50, false},   {kC5, 15, 185, 15, true},
    {135, 15, 135, 55, true}, {kC5, 40, 185, 40, true}, {135, 20, 185, 20, true},  {135, 35, 185, 35, true},
    {150, 15, 150, 35, true}, {167, 15, 167, 35, true}, {140, 20, 140, 35, false}, {145, 20, 145, 35, false},
    {155, 35, 155, 40, true},
};
constexpr TitleCell kForm1Cells[] = {
    {0, 20, kC1, 5, kChange},
    {kC1, 20, 10, 5, kSheetCol},
    {kC2, 20, 23, 5, kDocument},
    {kC3, 20, 15, 5, kSignature},
    {kC4, 20, 10, 5, kDate},
    {0, 25, kC2, 5, kDeveloper},
    {0, 30, kC2, 5, kChecker},
    {0, 35, kC2, 5, kTechControl},
    {0, 45, kC2, 5, kNormControl},
    {0, 50, kC2, 5, kApproved},
    {kC2, 25, 23, 5, {}, TitleField::Developer},
    {kC4, 25, 10, 5, {}, TitleField::DeveloperDate},
    {kC5, 0, 120, 15, {}, TitleField::Designation},
    {kC5, 15, 70, 25, {}, TitleField::Name},
    {kC5, 40, 70, 15, {}, TitleField::Material},
    {135, 15, 15, 5, kLetter},
    {150, 15, 17, 5, kMass},
    {167, 15, 18, 5, kScale},
    {135, 20, 5, 15, {}, TitleField::Letter},
    {150, 20, 17, 15, {}, TitleField::Mass},
    {167, 20, 18, 15, {}, TitleField::Scale},
    {135, 35, 20, 5, kSheetCol, TitleField::Sheet},
    {155, 35, 30, 5, kSheets, TitleField::Sheets},
    {135, 40, 50, 15, {}, TitleField::Organisation},
};

// Form 2: 185 × 40, the first sheet of a text document. Eight rows on the
// left (two of changes, their heads, five of signatures); the designation
// across the top; the name and, on the right, the letter, the sheet, the
// sheets and the organisation.
constexpr TitleLine kForm2Lines[] = {
    {0, 0, 185, 0, true},     {0, 40, 185, 40, true},    {0, 0, 0, 40, true},       {185, 0, 185, 40, true},
    {kC1, 0, kC1, 15, true},  {kC2, 0, kC2, 40, true},   {kC3, 0, kC3, 40, true},   {kC4, 0, kC4, 40, true},
    {kC5, 0, kC5, 40, true},  {0, 5, kC5, 5, false},     {0, 10, kC5, 10, true},    {0, 15, 185, 15, true},
    {0, 20, kC5, 20, false},  {0, 25, kC5, 25, false},   {0, 30, kC5, 30, false},   {0, 35, kC5, 35, false},
    {135, 15, 135, 40, true}, {135, 20, 185, 20, true},  {135, 25, 185, 25, true},  {150, 15, 150, 25, true},
    {165, 15, 165, 25, true}, {140, 20, 140, 25, false}, {145, 20, 145, 25, false},
};
constexpr TitleCell kForm2Cells[] = {
    {0, 10, kC1, 5, kChange},
    {kC1, 10, 10, 5, kSheetCol},
    {kC2, 10, 23, 5, kDocument},
    {kC3, 10, 15, 5, kSignature},
    {kC4, 10, 10, 5, kDate},
    {0, 15, kC2, 5, kDeveloper},
    {0, 20, kC2, 5, kChecker},
    {0, 30, kC2, 5, kNormControl},
    {0, 35, kC2, 5, kApproved},
    {kC2, 15, 23, 5, {}, TitleField::Developer},
    {kC4, 15, 10, 5, {}, TitleField::DeveloperDate},
    {kC5, 0, 120, 15, {}, TitleField::Designation},
    {kC5, 15, 70, 25, {}, TitleField::Name},
    {135, 15, 15, 5, kLetter},
    {150, 15, 15, 5, kSheetCol},
    {165, 15, 20, 5, kSheets},
    {135, 20, 5, 5, {}, TitleField::Letter},
    {150, 20, 15, 5, {}, TitleField::Sheet},
    {165, 20, 20, 5, {}, TitleField::Sheets},
    {135, 25, 50, 15, {}, TitleField::Organisation},
};

// Form 2a: 185 × 15, every further sheet: the changes, the designation
// (110 mm) and the number of the sheet (10 mm).
constexpr TitleLine kForm2aLines[] = {
    {0, 0, 185, 0, true},    {0, 15, 185, 15, true},  {0, 0, 0, 15, true},     {185, 0, 185, 15, true},
    {kC1, 0, kC1, 15, true}, {kC2, 0, kC2, 15, true}, {kC3, 0, kC3, 15, true}, {kC4, 0, kC4, 15, true},
    {kC5, 0, kC5, 15, true}, {0, 5, kC5, 5, false},   {0, 10, kC5, 10, true},  {175, 0, 175, 15, true},
    {175, 7, 185, 7, true},
};
constexpr TitleCell kForm2aCells[] = {
    {0, 10, kC1, 5, kChange},    {kC1, 10, 10, 5, kSheetCol},
    {kC2, 10, 23, 5, kDocument}, {kC3, 10, 15, 5, kSignature},
    {kC4, 10, 10, 5, kDate},     {kC5, 0, 110, 15, {}, TitleField::Designation},
    {175, 0, 10, 7, kSheetCol},  {175, 7, 10, 8, {}, TitleField::Sheet},
};

} // namespace

const TitleForm& titleForm1()
{
    static const TitleForm form{185, 55, kForm1Lines, kForm1Cells};
    return form;
}

const TitleForm& titleForm2()
{
    static const TitleForm form{185, 40, kForm2Lines, kForm2Cells};
    return form;
}

const TitleForm& titleForm2a()
{
    static const TitleForm form{185, 15, kForm2aLines, kForm2aCells};
    return form;
}

} // namespace gear
