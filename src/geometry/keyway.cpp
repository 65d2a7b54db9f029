// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/keyway.h"

#include <array>

namespace gear {

namespace {

struct Row {
    double over; // shaft diameter, over …
    double upTo; // … up to and including
    double b;
    double h;
    double t2;
};

// ГОСТ 23360-78, table 1: the sections of prismatic keys and the depths of
// their grooves in the hub.
constexpr std::array<Row, 26> kRows{{
    {6, 8, 2, 2, 1.0},        {8, 10, 3, 3, 1.4},        {10, 12, 4, 4, 1.8},      {12, 17, 5, 5, 2.3},
    {17, 22, 6, 6, 2.8},      {22, 30, 8, 7, 3.3},       {30, 38, 10, 8, 3.3},     {38, 44, 12, 8, 3.3},
    {44, 50, 14, 9, 3.8},     {50, 58, 16, 10, 4.3},     {58, 65, 18, 11, 4.4},    {65, 75, 20, 12, 4.9},
    {75, 85, 22, 14, 5.4},    {85, 95, 25, 14, 5.4},     {95, 110, 28, 16, 6.4},   {110, 130, 32, 18, 7.4},
    {130, 150, 36, 20, 8.4},  {150, 170, 40, 22, 9.4},   {170, 200, 45, 25, 10.4}, {200, 230, 50, 28, 11.4},
    {230, 260, 56, 32, 12.4}, {260, 290, 63, 32, 12.4},  {290, 330, 70, 36, 14.4}, {330, 380, 80, 40, 15.4},
    {380, 440, 90, 45, 17.4}, {440, 500, 100, 50, 19.5},
}};

// The upper deviation of t2 by the key's height: +0,1 up to 6 mm, +0,2 up
// to 18 mm, +0,3 above.
double t2Tolerance(double h)
{
    return h <= 6 ? 0.1 : h <= 18 ? 0.2 : 0.3;
}

} // namespace

std::optional<Keyway> keywayFor(double shaft)
{
    for (const Row& r : kRows) {
        if (shaft > r.over && shaft <= r.upTo)
            return Keyway{r.b, r.h, r.t2, t2Tolerance(r.h)};
    }
    return std::nullopt;
}

} // namespace gear
