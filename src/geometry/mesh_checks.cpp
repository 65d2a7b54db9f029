// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/mesh_checks.h"

#include "material/steel_table.h"
#include "shell/angle.h"

#include <cmath>
#include <string_view>

namespace gear {

namespace {

constexpr double kPi = 3.14159265358979323846;

double sinDegrees(double degrees)
{
    return std::sin(degrees * 3.1415 / 180.0);
}

} // namespace

RatioCheck ratioCheck(double U, double Z1, double Z2)
{
    RatioCheck check;
    if (!(U > 0.0) || !(Z1 > 0.0))
        return check;
    check.Uf = Z2 / Z1;
    check.deviation = (check.Uf - U) / U * 100.0;
    check.allowed = U <= 4.5 ? 2.5 : 4.0;
    check.within = std::abs(check.deviation) <= check.allowed;
    return check;
}

std::optional<double> helixForCentreDistance(double m, double Z1, double Z2, double aw)
{
    if (!(aw > 0.0) || !(m > 0.0))
        return std::nullopt;
    const double c = m * (Z1 + Z2) / (2.0 * aw);
    if (!(c > 0.0) || c > 1.0)
        return std::nullopt;
    // Back to degrees the way the method goes there, with π as 3.1415.
    return std::acos(c) * 180.0 / 3.1415;
}

double pitchLineSpeed(double d1, double n1)
{
    return kPi * d1 * n1 / 60000.0;
}

int accuracyGrade(double v, bool helical)
{
    const double limits[2][3] = {{2, 6, 10}, {4, 10, 15}};
    const double* limit = limits[helical ? 1 : 0];
    if (v <= limit[0])
        return 9;
    if (v <= limit[1])
        return 8;
    if (v <= limit[2])
        return 7;
    return 6;
}

MeshForces meshForces(double T1, double d1, double beta)
{
    MeshForces forces;
    if (!(d1 > 0.0))
        return forces;
    const double c = cosDegrees(beta);
    forces.Ft = 2000.0 * T1 / d1;
    forces.Fr = forces.Ft * std::tan(20.0 * kPi / 180.0) / c;
    forces.Fa = forces.Ft * sinDegrees(beta) / c;
    return forces;
}

Undercut undercutOf(double Z, double beta)
{
    const double c = cosDegrees(beta);
    Undercut undercut;
    undercut.zv = Z / (c * c * c);
    undercut.cut = Z < kLeastUncutTeeth * c * c * c;
    if (undercut.cut)
        undercut.xmin = (kLeastUncutTeeth - undercut.zv) / kLeastUncutTeeth;
    return undercut;
}

double transverseContactRatio(double Z1, double Z2, double beta)
{
    return (1.88 - 3.2 * (1.0 / Z1 + 1.0 / Z2)) * cosDegrees(beta);
}

double faceContactRatio(double bw, double beta, double m)
{
    return bw * sinDegrees(beta) / (kPi * m);
}

std::optional<double> steelSizeLimit(int index)
{
    if (index < 1 || index > static_cast<int>(kSteelRows.size()))
        return std::nullopt;
    // The column reads "до 20", "20...40", "любые" or "---": its last
    // number is the limit.
    const std::string_view cell = kSteelRows[static_cast<size_t>(index - 1)].cells[3];
    double limit = 0;
    bool found = false;
    for (size_t i = 0; i < cell.size();) {
        if (cell[i] >= '0' && cell[i] <= '9') {
            double value = 0;
            while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9')
                value = value * 10 + (cell[i++] - '0');
            limit = value;
            found = true;
        } else {
            ++i;
        }
    }
    return found ? std::optional<double>(limit) : std::nullopt;
}

} // namespace gear
