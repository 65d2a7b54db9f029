// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/mode.h"
#include "shell/number.h"
#include "shell/self_check.h"
#include "shell/walkthrough.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gear {

// How many coefficients the default set has, as the parameters screen lists them.
inline constexpr int kCoefficientCount = 17;

// The seventeen coefficients that start-up writes and every module choice
// writes again; the parameters screen may change them for the rest of a run.
// A load, distribution or dynamic factor is at least 1 by definition, so the
// set starts with 1 for each of them.
struct CoefficientSet {
    double Psibd = 0.5;
    double kf = 1;
    double kh = 1;
    double khb = 1;
    double kfb = 1;
    double kfa = 1;
    double kfv = 1;
    double khv = 1;
    double kha = 1;
    double Zk = 0.85;
    double Yn = 1;
    double Zn = 1;
    double Yr = 1;
    double Yx = 1.05;
    double Yd = 1.082;
    double Sf = 1;
    double Sh = 1;
};

// Preferred linear sizes, mm, index 0..100: entry 0 is 0, then 12 up to 4000.
using StdSizeTable = std::array<int, 101>;

// Normal linear sizes of ГОСТ 6636-69, mm, that sizes of the wheel body are
// rounded to; the first entry 0.
extern const StdSizeTable kStdSizes;

// Every number of the state, and nothing else, so that the table of them
// below can be checked against it. Fields bear the engineering symbols so
// that the formulas read as on paper. Lengths in mm, torques in N·m, forces
// in N, stresses in MPa, angles in degrees, hardness in HB or HRC.
struct Quantities {
    Number Z1;       // teeth of the first gear: the wheel (wheel mode) or the pinion
    Number da;       // tip diameter of the first gear
    Number da2;      // tip diameter of the second gear
    Number df;       // root diameter of the first gear
    Number df2;      // root diameter of the second gear
    Number bw1;      // face width rounded to a preferred size, first gear
    Number bw2;      // face width rounded to a preferred size, second gear
    Number LstStd;   // hub length rounded to a preferred size
    Number d;        // pitch diameter of the first gear
    Number d2;       // pitch diameter of the second gear
    Number Psibm;    // face width coefficient b/m
    Number Psibd;    // face width coefficient b/d1
    Number dv;       // shaft diameter under the hub
    Number m;        // module
    Number daGiven;  // tip diameter of a single wheel as typed
    Number C;        // width of the spokes or the disc
    Number beta;     // helix angle, degrees; 0 for spur teeth
    Number mcalc;    // module derived from the tip diameter of a wheel
    Number Lst;      // hub length
    Number D0;       // diameter D0 of the disc wheel
    Number R;        // fillet radius
    Number bw;       // face width
    Number U;        // gear ratio as chosen
    Number Uf;       // actual gear ratio Z2/Z1 of the whole tooth numbers
    Number km;       // module coefficient of the contact design
    Number Z2;       // teeth of the wheel, U·Z1 rounded to a whole number
    Number Tcalc;    // permissible load of a checked wheel, N·m
    Number Sh;       // safety factor for contact stress
    Number kf;       // load factor for bending
    Number epsalpha; // transverse contact ratio
    Number kfa;      // factor of the load's distribution between the teeth, bending
    Number Ybeta;    // helix factor for bending
    Number kha;      // factor of the load's distribution between the teeth, contact
    Number kh;       // load factor for contact
    Number Psiba;    // face width coefficient b/aw
    Number aw;       // centre distance
    Number H1;       // surface hardness of the pinion teeth, HB or HRC
    Number H2;       // surface hardness of the wheel teeth, HB or HRC
    // Material limits until the stress check replaces them with working
    // stresses; the final material choice puts a steel's limits back.
    Number sigmaH1;
    Number sigmaH2;
    Number sigmaF1;
    Number sigmaF2;
    Number sigmaFP1; // allowable bending stress of the pinion
    Number sigmaFP2; // allowable bending stress of the wheel
    Number sigmaHP1; // allowable contact stress of the pinion
    Number sigmaHP2; // allowable contact stress of the wheel
    Number sigmaHP;  // allowable contact stress of the pair: the weaker gear's
    Number mF;       // module of the soft design from bending
    Number maw;      // module of the soft design that reaches the centre distance
    Number T1;       // torque on the pinion shaft
    Number T2;       // torque on the wheel shaft, U·T1
    Number kfb;      // load distribution factor across the face, bending
    Number kfv;      // dynamic factor, bending
    Number Yn;       // life factor, bending
    Number Yr;       // roughness factor, bending
    Number Yx;       // size factor, bending
    Number Yd;       // stress gradient factor, bending
    Number khb;      // load distribution factor across the face, contact
    Number khv;      // dynamic factor, contact
    Number Zn;       // life factor, contact
    Number Sf;       // safety factor for bending
    Number YF1;      // tooth form factor of the pinion
    Number YF2;      // tooth form factor of the wheel
    Number Zk;       // contact stress factor of helical teeth
    // The wheel body of the last module choice.
    Number Delta0; // rim thickness
    Number dst;    // hub diameter, 1.7·dv
    Number Dk;     // rim's inner diameter
    Number d0;     // diameter of the disc's holes
    Number L;      // spoke thickness at the rim
    Number dvStd;  // shaft diameter, preferred size
    Number dstStd; // hub diameter, preferred size
    // What the course checks once the pair stands.
    Number n1;            // speed of the pinion, rpm; unwritten when not typed
    Number mdesign;       // module the design computed, before a standard one was taken
    Number steelRow;      // row of the steel taken on the final choice, 0 for none
    Number sigmaHPfinal;  // allowable contact stress of the final steel
    Number sigmaFP1final; // allowable bending stress of the final steel, pinion
    Number sigmaFP2final; // allowable bending stress of the final steel, wheel
};

// The material a mode's chain chose: the hardness and its kind, the
// endurance limits and the contact safety factor of the treatment. Each mode
// keeps its own, so that a check after a design, or a design after a check,
// computes with the steel of its own chain.
struct Material {
    Number H1, H2;           // surface hardness, HB or HRC
    Number sigmaH1, sigmaH2; // contact endurance limits, MPa
    Number sigmaF1, sigmaF2; // bending endurance limits, MPa
    Number Sh;               // safety factor for contact stress
    bool isHB = false;
    bool isHRC = false;
    bool rigid = false;
};

// What one mode's calculation gave, kept when it ran to its results, so that
// a later pass of another mode, which shares the fields, cannot change the
// results a printout shows for it.
struct ModeResults {
    Quantities values;
    std::string steelGrade;
};

// Everything the screens share.
struct CalcState : Quantities {
    StdSizeTable stdSizes{};

    std::optional<Mode> mode; // the mode chosen last; none before the first
    bool row1Chosen = false;
    bool row2Chosen = false;
    bool rigid = false;        // "Жёсткие" taken on the manufacturing requirements
    bool wheelEntered = false; // the wheel input has run once in this run
    bool isHRC = false;        // hardness in HRC: hardened teeth
    bool isHB = false;         // hardness in HB: soft teeth
    std::string steelGrade;

    CoefficientSet defaults;                                    // what the next reset of the coefficients writes
    Walkthrough walkthrough;                                    // the steps each mode's calculation ran last
    std::array<std::optional<ModeResults>, kModeCount> results; // by Mode
    std::array<Material, kModeCount> materials;                 // by Mode: each chain's own material
    SelfCheckWork selfCheck;                                    // the student's own values beside the walkthrough
};

// Keeps the state's numbers as the results of `mode`.
void keepResults(CalcState& state, Mode mode);

// The material fields of the state (hardness, its kind, limits, Sh) from the
// material `mode`'s chain chose, and back: a material screen takes its
// chain's material, changes it and keeps it; a calculation takes it.
void takeMaterial(CalcState& state, Mode mode);
void keepMaterial(CalcState& state, Mode mode);
// The first screen of a chain starts its material afresh: nothing chosen
// yet; until a treatment sets one, the safety factor is the set's.
void startMaterial(CalcState& state, Mode mode);

// One number of the state by its name, the symbol the formulas use.
struct NumberField {
    std::string_view name;
    Number Quantities::*field;
};

// Every number of the state: the finiteness check, the calculation file and
// the tests go through this one list. Its length follows the struct, and the
// check below fails the build when a field is left out or named twice.
inline constexpr std::array<NumberField, sizeof(Quantities) / sizeof(Number)> kNumberFields{{
    {"Z1", &Quantities::Z1},
    {"da", &Quantities::da},
    {"da2", &Quantities::da2},
    {"df", &Quantities::df},
    {"df2", &Quantities::df2},
    {"bw1", &Quantities::bw1},
    {"bw2", &Quantities::bw2},
    {"LstStd", &Quantities::LstStd},
    {"d", &Quantities::d},
    {"d2", &Quantities::d2},
    {"Psibm", &Quantities::Psibm},
    {"Psibd", &Quantities::Psibd},
    {"dv", &Quantities::dv},
    {"m", &Quantities::m},
    {"daGiven", &Quantities::daGiven},
    {"C", &Quantities::C},
    {"beta", &Quantities::beta},
    {"mcalc", &Quantities::mcalc},
    {"Lst", &Quantities::Lst},
    {"D0", &Quantities::D0},
    {"R", &Quantities::R},
    {"bw", &Quantities::bw},
    {"U", &Quantities::U},
    {"Uf", &Quantities::Uf},
    {"km", &Quantities::km},
    {"Z2", &Quantities::Z2},
    {"Tcalc", &Quantities::Tcalc},
    {"Sh", &Quantities::Sh},
    {"kf", &Quantities::kf},
    {"epsalpha", &Quantities::epsalpha},
    {"kfa", &Quantities::kfa},
    {"Ybeta", &Quantities::Ybeta},
    {"kha", &Quantities::kha},
    {"kh", &Quantities::kh},
    {"Psiba", &Quantities::Psiba},
    {"aw", &Quantities::aw},
    {"H1", &Quantities::H1},
    {"H2", &Quantities::H2},
    {"sigmaH1", &Quantities::sigmaH1},
    {"sigmaH2", &Quantities::sigmaH2},
    {"sigmaF1", &Quantities::sigmaF1},
    {"sigmaF2", &Quantities::sigmaF2},
    {"sigmaFP1", &Quantities::sigmaFP1},
    {"sigmaFP2", &Quantities::sigmaFP2},
    {"sigmaHP1", &Quantities::sigmaHP1},
    {"sigmaHP2", &Quantities::sigmaHP2},
    {"sigmaHP", &Quantities::sigmaHP},
    {"mF", &Quantities::mF},
    {"maw", &Quantities::maw},
    {"T1", &Quantities::T1},
    {"T2", &Quantities::T2},
    {"kfb", &Quantities::kfb},
    {"kfv", &Quantities::kfv},
    {"Yn", &Quantities::Yn},
    {"Yr", &Quantities::Yr},
    {"Yx", &Quantities::Yx},
    {"Yd", &Quantities::Yd},
    {"khb", &Quantities::khb},
    {"khv", &Quantities::khv},
    {"Zn", &Quantities::Zn},
    {"Sf", &Quantities::Sf},
    {"YF1", &Quantities::YF1},
    {"YF2", &Quantities::YF2},
    {"Zk", &Quantities::Zk},
    {"Delta0", &Quantities::Delta0},
    {"dst", &Quantities::dst},
    {"Dk", &Quantities::Dk},
    {"d0", &Quantities::d0},
    {"L", &Quantities::L},
    {"dvStd", &Quantities::dvStd},
    {"dstStd", &Quantities::dstStd},
    {"n1", &Quantities::n1},
    {"mdesign", &Quantities::mdesign},
    {"steelRow", &Quantities::steelRow},
    {"sigmaHPfinal", &Quantities::sigmaHPfinal},
    {"sigmaFP1final", &Quantities::sigmaFP1final},
    {"sigmaFP2final", &Quantities::sigmaFP2final},
}};

namespace detail {
constexpr bool coversEveryNumber()
{
    for (size_t i = 0; i < kNumberFields.size(); ++i) {
        if (kNumberFields[i].field == nullptr || kNumberFields[i].name.empty())
            return false;
        for (size_t j = 0; j < i; ++j) {
            if (kNumberFields[i].field == kNumberFields[j].field || kNumberFields[i].name == kNumberFields[j].name)
                return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(sizeof(Quantities) % sizeof(Number) == 0 && detail::coversEveryNumber(),
              "kNumberFields must list every number of Quantities exactly once");

// Writes the current default coefficient set into the state, in the order
// the textbook lists it.
void writeDefaultCoefficients(CalcState& state);

// The state as it stands once the main window has loaded: coefficients and
// preferred sizes written, everything else unset.
CalcState startUpState();

// True when every number of the state is finite: no nan or infinity may ever
// reach a caption.
bool allFinite(const CalcState& state);

} // namespace gear
