// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/strength_tables.h"

namespace gear {

const std::array<std::string_view, 22> kGearRatios{"",    "1.0", "1.25", "1.4",  "1.6", "1.8", "2.0", "2.24",
                                                   "2.5", "2.8", "3.15", "3.55", "4.0", "4.5", "5.0", "5.6",
                                                   "6.0", "6.3", "7.1",  "8.0",  "9.0", "10.0"};

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
