#include "geometry/wheel_body.h"

#include "geometry/preferred_size.h"

#include <array>

namespace gear {

namespace {

struct RimRow {
    double m;
    RimCoefficients k;
};

constexpr std::array<RimRow, 6> kRimRows{{
    {1.5, {3.8, 4.5}},
    {2.5, {3.5, 4.2}},
    {3, {3.3, 4}},
    {4, {3, 3.6}},
    {5, {2.8, 3.4}},
    {6, {2.5, 3}},
}};

} // namespace

RimCoefficients rimCoefficients(double m)
{
    if (m < kRimRows.front().m)
        return {4, 4.8};
    if (m >= kRimRows.back().m)
        return kRimRows.back().k;
    for (size_t i = 0; i + 1 < kRimRows.size(); ++i) {
        const RimRow& lower = kRimRows[i];
        const RimRow& upper = kRimRows[i + 1];
        if (m == lower.m)
            return lower.k;
        if (m < upper.m) {
            const double t = (m - lower.m) / (upper.m - lower.m);
            return {lower.k.kDelta + t * (upper.k.kDelta - lower.k.kDelta), lower.k.kC + t * (upper.k.kC - lower.k.kC)};
        }
    }
    return kRimRows.back().k;
}

WheelBody sizeWheelBody(CalcState& s)
{
    WheelBody body;
    const RimCoefficients k = rimCoefficients(s.m);
    body.Delta0 = k.kDelta * s.m;
    s.C = k.kC * s.m;
    body.dst = 1.7 * s.dv;
    s.Lst = 1.3 * s.dv; // the hub length follows the shaft, whatever was typed
    body.Dk = s.df - 2.0 * body.Delta0;
    s.D0 = 0.5 * (body.Dk - body.dst);
    body.d0 = 0.25 * (body.Dk - body.dst);
    body.L = 0.8 * body.Delta0;
    body.dvStd = nearestStdSize(s.stdSizes, s.dv);
    body.dstStd = nearestStdSize(s.stdSizes, body.dst);
    s.LstStd = nearestStdSize(s.stdSizes, s.Lst);
    s.R = 6;
    return body;
}

} // namespace gear
