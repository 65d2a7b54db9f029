// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/drawing_rules.h"
#include "geometry/keyway.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace gear {
namespace {

// ГОСТ 2.303-68: main lines s = 0,5…1,4 mm, thin ones s/3…s/2; dashes of a
// dashed line 2…8 mm with gaps of 1…2, of a thin dash-dot line 5…30 with
// gaps of 3…5.
TEST(DrawingRules, EveryLayersLineIsOneOfGost2303)
{
    const double s = linePen(Layer::Outline).width;
    EXPECT_GE(s, 0.5);
    EXPECT_LE(s, 1.4);
    struct Case {
        Layer layer;
        bool thick;
        double dashMin, dashMax, gapMin, gapMax; // 0: solid
    };
    for (const Case& c : {Case{Layer::Outline, true, 0, 0, 0, 0}, Case{Layer::Frame, true, 0, 0, 0, 0},
                          Case{Layer::Thin, false, 0, 0, 0, 0}, Case{Layer::FrameThin, false, 0, 0, 0, 0},
                          Case{Layer::Hatch, false, 0, 0, 0, 0}, Case{Layer::Dimension, false, 0, 0, 0, 0},
                          Case{Layer::Hidden, false, 2, 8, 1, 2}, Case{Layer::Centre, false, 5, 30, 3, 5}}) {
        const LinePen pen = linePen(c.layer);
        SCOPED_TRACE(std::string(layerName(c.layer)));
        if (c.thick) {
            EXPECT_DOUBLE_EQ(pen.width, s);
        } else {
            EXPECT_GE(pen.width, s / 3 - 1e-12);
            EXPECT_LE(pen.width, s / 2 + 1e-12);
        }
        const std::vector<double> dashes = dashPattern(pen);
        if (c.dashMax == 0) {
            EXPECT_TRUE(dashes.empty());
            continue;
        }
        ASSERT_FALSE(dashes.empty());
        EXPECT_GE(dashes[0], c.dashMin);
        EXPECT_LE(dashes[0], c.dashMax);
        // The gap between two dashes, a dot and its two halves included.
        double gap = 0;
        for (size_t i = 1; i < dashes.size(); ++i)
            gap += dashes[i];
        EXPECT_GE(gap, c.gapMin);
        EXPECT_LE(gap, c.gapMax);
    }
}

TEST(DrawingRules, TextsAreOfTheSizesOfGost2304)
{
    for (double h : {1.8, 2.5, 3.5, 5.0, 7.0, 10.0, 14.0, 20.0, 28.0, 40.0})
        EXPECT_TRUE(isStandardFontSize(h)) << h;
    for (double h : {0.0, 3.0, 4.0, 6.0, 12.0, -3.5, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(isStandardFontSize(h)) << h;
    EXPECT_TRUE(isStandardFontSize(kCaptionFont) && isStandardFontSize(kNameFont));
    // Type B: capitals 6/10 of h wide, strokes h/10, lines at least 17/10 h apart.
    EXPECT_DOUBLE_EQ(kCapitalWidth * 5, 3);
    EXPECT_DOUBLE_EQ(kFontStroke * 5, 0.5);
    EXPECT_DOUBLE_EQ(kLineSpacing * 10, 17);
}

struct FormCase {
    const char* name;
    const TitleForm& form;
    double width;
    double height;
    std::set<TitleField> fields;
};

// ГОСТ 2.104-2006: form 1, 185 × 55; form 2, 185 × 40; form 2a, 185 × 15;
// the columns of changes 7, 10, 23, 15 and 10 mm wide on each.
TEST(DrawingRules, TitleBlocksHaveTheFormsSizesAndEveryColumnOnce)
{
    using F = TitleField;
    const std::vector<FormCase> cases{
        {"form 1",
         titleForm1(),
         185,
         55,
         {F::Designation, F::Name, F::Material, F::Letter, F::Mass, F::Scale, F::Sheet, F::Sheets, F::Organisation,
          F::Developer, F::DeveloperDate}},
        {"form 2",
         titleForm2(),
         185,
         40,
         {F::Designation, F::Name, F::Letter, F::Sheet, F::Sheets, F::Organisation, F::Developer, F::DeveloperDate}},
        {"form 2a", titleForm2a(), 185, 15, {F::Designation, F::Sheet}},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(c.form.width, c.width);
        EXPECT_DOUBLE_EQ(c.form.height, c.height);
        // The outline is drawn thick on all four sides.
        int sides = 0;
        for (const TitleLine& l : c.form.lines) {
            EXPECT_TRUE(l.x0 >= 0 && l.x1 <= c.width && l.y0 >= 0 && l.y1 <= c.height);
            const bool horizontal = l.y0 == l.y1 && l.x0 == 0 && l.x1 == c.width && (l.y0 == 0 || l.y0 == c.height);
            const bool vertical = l.x0 == l.x1 && l.y0 == 0 && l.y1 == c.height && (l.x0 == 0 || l.x0 == c.width);
            sides += (horizontal || vertical) && l.thick;
        }
        EXPECT_EQ(sides, 4);
        std::multiset<TitleField> fields;
        std::set<double> heads;
        for (const TitleCell& cell : c.form.cells) {
            EXPECT_TRUE(cell.x >= 0 && cell.y >= 0 && cell.x + cell.width <= c.width + 1e-9 &&
                        cell.y + cell.height <= c.height + 1e-9)
                << cell.caption;
            if (cell.field != F::None)
                fields.insert(cell.field);
            if (cell.caption == "Изм." || cell.caption == "№ докум." || cell.caption == "Подп." ||
                cell.caption == "Дата")
                heads.insert(cell.x);
            for (const TitleCell& other : c.form.cells) {
                const bool overlap = &other != &cell && cell.x < other.x + other.width &&
                                     other.x < cell.x + cell.width && cell.y < other.y + other.height &&
                                     other.y < cell.y + cell.height;
                EXPECT_FALSE(overlap) << cell.caption << " / " << other.caption;
            }
        }
        EXPECT_EQ(fields, std::multiset<TitleField>(c.fields.begin(), c.fields.end()));
        EXPECT_EQ(heads, (std::set<double>{0, 17, 40, 55}));
    }
    // ГОСТ 2.403: the gear table is 110 mm wide.
    EXPECT_DOUBLE_EQ(kGearTableColumns[0] + kGearTableColumns[1] + kGearTableColumns[2], 110);
}

struct KeyCase {
    double shaft;
    double b, h, t2, tolerance; // b = 0: no key
};

// ГОСТ 23360-78 read at the bounds of its rows: a row runs over its lower
// diameter up to and including its upper one.
TEST(Keyway, IsTheRowOfGost23360WhoseRangeHoldsTheShaft)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const KeyCase& c :
         {KeyCase{6, 0, 0, 0, 0}, KeyCase{6.5, 2, 2, 1.0, 0.1}, KeyCase{17, 5, 5, 2.3, 0.1},
          KeyCase{22, 6, 6, 2.8, 0.1}, KeyCase{30, 8, 7, 3.3, 0.2}, KeyCase{30.5, 10, 8, 3.3, 0.2},
          KeyCase{38, 10, 8, 3.3, 0.2}, KeyCase{40, 12, 8, 3.3, 0.2}, KeyCase{44, 12, 8, 3.3, 0.2},
          KeyCase{45, 14, 9, 3.8, 0.2}, KeyCase{50, 14, 9, 3.8, 0.2}, KeyCase{52, 16, 10, 4.3, 0.2},
          KeyCase{130, 32, 18, 7.4, 0.2}, KeyCase{140, 36, 20, 8.4, 0.3}, KeyCase{500, 100, 50, 19.5, 0.3},
          KeyCase{501, 0, 0, 0, 0}, KeyCase{nan, 0, 0, 0, 0}, KeyCase{-30, 0, 0, 0, 0},
          // and within each of the other rows, as the standard prints them
          KeyCase{9, 3, 3, 1.4, 0.1}, KeyCase{11, 4, 4, 1.8, 0.1}, KeyCase{60, 18, 11, 4.4, 0.2},
          KeyCase{70, 20, 12, 4.9, 0.2}, KeyCase{80, 22, 14, 5.4, 0.2}, KeyCase{90, 25, 14, 5.4, 0.2},
          KeyCase{100, 28, 16, 6.4, 0.2}, KeyCase{160, 40, 22, 9.4, 0.3}, KeyCase{180, 45, 25, 10.4, 0.3},
          KeyCase{210, 50, 28, 11.4, 0.3}, KeyCase{240, 56, 32, 12.4, 0.3}, KeyCase{280, 63, 32, 12.4, 0.3},
          KeyCase{300, 70, 36, 14.4, 0.3}, KeyCase{350, 80, 40, 15.4, 0.3}, KeyCase{400, 90, 45, 17.4, 0.3}}) {
        const std::optional<Keyway> key = keywayFor(c.shaft);
        SCOPED_TRACE(c.shaft);
        if (c.b == 0) {
            EXPECT_FALSE(key);
            continue;
        }
        ASSERT_TRUE(key);
        EXPECT_DOUBLE_EQ(key->b, c.b);
        EXPECT_DOUBLE_EQ(key->h, c.h);
        EXPECT_DOUBLE_EQ(key->t2, c.t2);
        EXPECT_DOUBLE_EQ(key->t2Tolerance, c.tolerance);
    }
}

} // namespace
} // namespace gear
