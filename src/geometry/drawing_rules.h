// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of ЕСКД a working drawing follows, as data: the lines of
// ГОСТ 2.303-68, the sizes and proportions of the type B font of
// ГОСТ 2.304-81, the main title blocks of ГОСТ 2.104-2006 and the table
// of a gear's parameters of ГОСТ 2.403-75. Every renderer and the layout of
// a sheet read them here, so that what is drawn and what is checked are the
// same numbers.

#include "geometry/drawing.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace gear {

// ГОСТ 2.303-68: the main line's width s lies between 0.5 and 1.4 mm; thin
// lines are s/3 to s/2; dashes of a dashed line 2–8 mm with gaps 1–2 mm;
// dashes of a thin dash-dot line 5–30 mm with gaps 3–5 mm.
inline constexpr double kMainLineMin = 0.5;
inline constexpr double kMainLineMax = 1.4;
inline constexpr double kDashedDashMin = 2, kDashedDashMax = 8, kDashedGapMin = 1, kDashedGapMax = 2;
inline constexpr double kDashDotDashMin = 5, kDashDotDashMax = 30, kDashDotGapMin = 3, kDashDotGapMax = 5;

// The main line this program draws with, mm of the sheet.
inline constexpr double kMainLine = 0.5;

// How a line of a layer is drawn on the sheet, mm: its width, and for a
// broken line the length of a dash and of the gap between dashes (a dot,
// where there is one, stands in the middle of the gap).
struct LinePen {
    double width = 0;
    double dash = 0; // 0 for a solid line
    double gap = 0;
    bool dot = false;
};
LinePen linePen(Layer layer);
// The dashes and gaps of a broken line in turn, mm of the sheet, its dot
// half a millimetre long; empty for a solid line.
std::vector<double> dashPattern(const LinePen& pen);

// ГОСТ 2.304-81: the sizes of the font (the height of a capital, mm), and
// the proportions of type B to the size h.
inline constexpr std::array<double, 10> kFontSizes{1.8, 2.5, 3.5, 5, 7, 10, 14, 20, 28, 40};
inline constexpr double kFontStroke = 1.0 / 10;      // d = h/10
inline constexpr double kCapitalWidth = 6.0 / 10;    // of a capital letter
inline constexpr double kLowercaseHeight = 7.0 / 10; // c = 7/10 h
inline constexpr double kLowercaseWidth = 5.0 / 10;  // of a lowercase letter
inline constexpr double kLetterSpacing = 2.0 / 10;   // between letters
inline constexpr double kLineSpacing = 17.0 / 10;    // the least pitch of lines
inline constexpr double kWordSpacing = 6.0 / 10;     // the least gap between words
bool isStandardFontSize(double mm);

// The sizes of the texts of a sheet, mm: dimension numbers and the table,
// the captions of the title block's columns, the name of the part and the
// designation.
inline constexpr double kCaptionFont = 2.5;
inline constexpr double kNameFont = 7;

// A main title block, mm from its top left corner: its lines (thick where
// ГОСТ 2.104 draws them with the main line) and its cells, each with the
// caption printed in it or the field written into it.
struct TitleLine {
    double x0, y0, x1, y1;
    bool thick;
};

enum class TitleField {
    None, // a caption only
    Designation,
    Name,
    Material,
    Letter,
    Mass,
    Scale,
    Sheet,
    Sheets,
    Organisation,
    Developer,
    DeveloperDate,
    Checker
};

struct TitleCell {
    double x, y, width, height;
    std::string_view caption; // printed as it stands, at kCaptionFont
    TitleField field = TitleField::None;
};

struct TitleForm {
    double width;
    double height;
    std::span<const TitleLine> lines;
    std::span<const TitleCell> cells;
};

// Form 1 of drawings (185 × 55), form 2 of the first sheet of a text
// document (185 × 40) and form 2a of its further sheets (185 × 15).
const TitleForm& titleForm1();
const TitleForm& titleForm2();
const TitleForm& titleForm2a();

// The frame of every sheet, mm from the sheet's edges: 20 on the left for
// binding, 5 elsewhere (ГОСТ 2.301).
inline constexpr double kFrameLeft = 20;
inline constexpr double kFrameOther = 5;

// ГОСТ 2.403-75: the table of a gear's parameters stands at the top right
// of the frame, 110 mm wide in columns of 65 (the name), 10 (the symbol)
// and 35 mm (the value); its rows are 8 mm high.
inline constexpr std::array<double, 3> kGearTableColumns{65, 10, 35};
inline constexpr double kGearTableRow = 8;

} // namespace gear
