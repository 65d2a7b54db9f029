// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the course checks on a designed pair once its module is taken: the
// actual ratio, the standard centre distance, the speed and the accuracy
// grade, the forces in the mesh handed on to the shafts, and the geometry
// notes (undercut, contact ratios, rim widths, the blank against the steel's
// size limit). None of them changes a result of the design.

#include <optional>

namespace gear {

// The actual ratio of the whole tooth numbers and how far it stands from
// the nominal one: at most 2.5 % for U up to 4.5, 4 % above (ГОСТ 2185-66,
// as Чернавский applies it).
struct RatioCheck {
    double Uf = 0;
    double deviation = 0; // (Uф − U)/U·100, per cent
    double allowed = 0;   // per cent
    bool within = false;
};
RatioCheck ratioCheck(double U, double Z1, double Z2);

// The helix angle, degrees, that makes a pair of module m reach the centre
// distance aw: cos β = m·(Z1 + Z2)/(2·aw); none when no angle does.
std::optional<double> helixForCentreDistance(double m, double Z1, double Z2, double aw);

// Pitch-line speed, m/s, for d1 in mm and n1 in rpm.
double pitchLineSpeed(double d1, double n1);

// The accuracy grade of ГОСТ 1643-81 recommended for a speed, m/s: spur
// teeth 9th up to 2 m/s, 8th up to 6, 7th up to 10, 6th above; helical
// teeth 9th up to 4, 8th up to 10, 7th up to 15, 6th above.
int accuracyGrade(double v, bool helical);

// The forces in the mesh, N, for T1 in N·m and d1 in mm, with the 20°
// pressure angle of the standard rack.
struct MeshForces {
    double Ft = 0; // tangential
    double Fr = 0; // radial
    double Fa = 0; // axial
};
MeshForces meshForces(double T1, double d1, double beta);

// The teeth of a rack-cut gear are undercut below 17 equivalent teeth; the
// shift that avoids it is (17 − zv)/17.
inline constexpr double kLeastUncutTeeth = 17;
struct Undercut {
    double zv = 0;    // equivalent teeth Z/cos³β
    bool cut = false; // Z < 17·cos³β
    double xmin = 0;  // the smallest shift that avoids it; 0 when not cut
};
Undercut undercutOf(double Z, double beta);

// Transverse and face contact ratios; at least 1.2 and 1.1 keep a tooth
// pair always in mesh with a margin.
inline constexpr double kLeastTransverseRatio = 1.2;
inline constexpr double kLeastFaceRatio = 1.1;
double transverseContactRatio(double Z1, double Z2, double beta);
double faceContactRatio(double bw, double beta, double m);

// The pinion's rim is made 5 mm wider than the wheel's, so that a shift of
// the shafts along their axes leaves the wheel's whole width in mesh.
inline constexpr double kPinionRimExtra = 5;

// The blank of the pinion: its diameter with 6 mm for turning and its
// thickness with 4 mm, mm.
inline constexpr double kBlankDiameterExtra = 6;
inline constexpr double kBlankThicknessExtra = 4;

// The largest section of steel row `index` (1-based) that its properties
// hold for, mm; none where the table sets no limit.
std::optional<double> steelSizeLimit(int index);

} // namespace gear
