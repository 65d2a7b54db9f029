// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The last page of a gear calculation as the course writes it: each working
// stress against its allowable one, in per cent, with a word; the steels of
// the table that would carry the pair; and what taking a standard module
// other than the computed one does to the teeth.

#include <optional>
#include <string_view>
#include <vector>

namespace gear {

// How a working stress stands against its allowable one.
enum class LoadWord {
    Overload, // more than kOverloadLimit above: the teeth will not last
    Normal,   // from kUnderloadLimit up to kOverloadLimit
    Reserve,  // more than kUnderloadLimit below: the pair could be smaller
};

// The course's band of a sound design, per cent of the allowable stress:
// up to 5 % over is taken as within the method's accuracy, more than 15 %
// under as material wasted (Чернавский; Шейнблит, § 4.3).
inline constexpr double kOverloadLimit = 5;
inline constexpr double kUnderloadLimit = -15;

struct Verdict {
    double sigma = 0;   // working stress, MPa
    double allowed = 0; // allowable stress, MPa
    double delta = 0;   // (σ − [σ])/[σ]·100, per cent
    LoadWord word = LoadWord::Normal;
};

// The word for a deviation in per cent; the limits themselves are normal.
LoadWord loadWord(double deltaPercent);
// None when the allowable stress is not positive or a number is not finite.
std::optional<Verdict> verdictOf(double sigma, double allowed);

// The allowable stresses of the method: 0.9·σH_lim/S_H in contact and
// 0.4·σF_lim in bending.
double allowableContact(double sigmaHlim, double Sh);
double allowableBending(double sigmaFlim);

// The rows (1-based) of the steel table whose limits carry the working
// contact stress of the pair and the bending stresses of both gears without
// an overload, with the contact safety factor Sh of the treatment.
std::vector<int> passingSteels(double sigmaH, double sigmaF1, double sigmaF2, double Sh);

// What the module taken does against the computed one.
struct ModuleTaken {
    double overload = 0;    // per cent the teeth are overloaded; 0 when the module is not smaller
    bool oversized = false; // more than one step of the series above the computed one
};

// The overload of a module m below the computed mcalc: the bending stress
// goes with 1/m³ for a fixed face width coefficient and tooth number
// (hardened teeth, designed in bending), the contact stress with 1/m^1.5
// (soft teeth, designed in contact). Steps are counted over both rows of
// ГОСТ 9563-80 together.
ModuleTaken moduleTaken(double mcalc, double m, bool hardened);

} // namespace gear
