#pragma once

#include "shell/number.h"
#include "shell/walkthrough.h"

#include <array>
#include <string>

namespace gear {

// The seventeen coefficients that start-up writes and every module choice
// writes again; the parameters screen may change them for the rest of a run.
struct CoefficientSet {
    double Psibd = 0.5;
    double kf = 0.8;
    double kh = 0.8;
    double khb = 0.8;
    double kfb = 0.8;
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

// Everything the screens share. Fields bear the engineering symbols so that
// the formulas read as on paper. Lengths in mm, torques in N·m, stresses in
// MPa, angles in degrees, hardness in HB or HRC.
struct CalcState {
    std::array<int, 101> stdSizes{}; // preferred linear sizes, mm; entry 0 is 0

    bool row1Chosen = false;
    bool modePer = false;   // transmission design is the mode last chosen
    bool modeKol = false;   // wheel is the mode last chosen
    bool rigid = false;     // "Жёсткие" taken on the manufacturing requirements
    bool row2Chosen = false;
    bool wheelEntered = false; // the wheel input has run once in this run

    Number Z1;   // teeth of the first gear: the wheel (wheel mode) or the pinion
    Number da;   // tip diameter of the first gear
    Number da2;  // tip diameter of the second gear
    Number df;   // root diameter of the first gear
    Number df2;  // root diameter of the second gear
    Number bw1;  // face width rounded to a preferred size, first gear
    Number bw2;  // face width rounded to a preferred size, second gear
    Number LstStd; // hub length rounded to a preferred size
    Number d;    // pitch diameter of the first gear
    Number d2;   // pitch diameter of the second gear
    Number Psibm; // face width coefficient b/m
    Number Psibd; // face width coefficient b/d1
    Number dv;   // shaft diameter under the hub
    Number m;    // module
    Number C;    // width of the spokes or the disc
    Number beta; // helix angle, degrees; 0 for spur teeth
    Number mcalc; // module derived from the tip diameter of a wheel
    Number Lst;  // hub length
    Number D0;   // diameter D0 of the disc wheel
    Number R;    // fillet radius
    Number bw;   // face width
    Number U;    // gear ratio
    Number km;   // module coefficient of the contact design
    Number Z2;   // teeth of the wheel, U·Z1, not rounded
    Number Tcalc; // permissible load of a checked wheel, N·m
    Number Sh;   // safety factor for contact stress
    Number kf;   // load factor for bending
    Number epsalpha; // transverse contact ratio
    Number kfa;  // bending transverse load factor
    Number Ybeta; // helix factor for bending
    Number kha;  // contact transverse load factor
    Number kh;   // load factor for contact
    Number Psiba; // face width coefficient b/aw
    Number aw;   // centre distance
    Number H1;   // surface hardness of the pinion teeth, HB or HRC
    Number H2;   // surface hardness of the wheel teeth, HB or HRC
    // Material limits until the stress check replaces them with working
    // stresses; the final material choice puts a steel's limits back.
    Number sigmaH1;
    Number sigmaH2;
    Number sigmaF1;
    Number sigmaF2;
    Number sigmaFP1; // allowable bending stress of the pinion
    Number sigmaFP2; // allowable bending stress of the wheel
    Number sigmaHP1; // allowable contact stress of the pinion
    Number T1;   // torque on the pinion shaft
    Number T2;   // torque on the wheel shaft, U·T1
    std::string steelGrade;
    bool isHRC = false; // hardness in HRC: hardened teeth
    bool isHB = false;  // hardness in HB: soft teeth
    bool modeProv = false; // check is the mode last chosen
    Number kfb;
    Number kfv;
    Number Yn;
    Number Yr;
    Number Yx;
    Number Yd;
    Number khb;
    Number khv;
    Number Zn;
    Number Sf;
    Number YF1; // tooth form factor of the pinion
    Number YF2; // tooth form factor of the wheel
    Number Zk;

    CoefficientSet defaults; // what the next reset of the coefficients writes
    Walkthrough walkthrough; // the steps each mode's calculation ran last
};

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
