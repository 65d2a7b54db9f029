// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/wheel_body.h"

#include "geometry/preferred_size.h"
#include "shell/number_text.h"
#include "shell/walkthrough.h"

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

// The row a module takes, or the two rows it lies between.
struct RimLookup {
    RimCoefficients k;
    const RimRow* lower = nullptr; // set when interpolated
    const RimRow* upper = nullptr;
};

RimLookup lookUpRim(double m)
{
    if (m < kRimRows.front().m)
        return {{4, 4.8}}; // small modules: the table's thickest rim and web, in modules
    if (m >= kRimRows.back().m)
        return {kRimRows.back().k};
    for (size_t i = 0; i + 1 < kRimRows.size(); ++i) {
        const RimRow& lower = kRimRows[i];
        const RimRow& upper = kRimRows[i + 1];
        if (m == lower.m)
            return {lower.k};
        if (m < upper.m) {
            const double t = (m - lower.m) / (upper.m - lower.m);
            return {
                {lower.k.kDelta + t * (upper.k.kDelta - lower.k.kDelta), lower.k.kC + t * (upper.k.kC - lower.k.kC)},
                &lower,
                &upper};
        }
    }
    return {kRimRows.back().k};
}

void recordRim(StepRecorder& record, double m, const RimLookup& rim)
{
    if (!rim.lower) {
        record.step("k_δ", "", {}, rim.k.kDelta);
        record.step("k_C", "", {}, rim.k.kC);
        return;
    }
    record.decision(GEAR_TR("walkthrough", "Модуль между строками таблицы обода: линейная интерполяция"));
    const RimRow& a = *rim.lower;
    const RimRow& b = *rim.upper;
    record.step("k_δ", "{k_δ1} + ({m} − {m_1})·({k_δ2} − {k_δ1})/({m_2} − {m_1})",
                {a.k.kDelta, m, a.m, b.k.kDelta, a.k.kDelta, b.m, a.m}, rim.k.kDelta);
    record.step("k_C", "{k_C1} + ({m} − {m_1})·({k_C2} − {k_C1})/({m_2} − {m_1})",
                {a.k.kC, m, a.m, b.k.kC, a.k.kC, b.m, a.m}, rim.k.kC);
}

} // namespace

RimCoefficients rimCoefficients(double m)
{
    return lookUpRim(m).k;
}

void sizeWheelBody(CalcState& s, StepRecorder* record)
{
    StepRecorder quiet = StepRecorder::none();
    StepRecorder& r = record ? *record : quiet;
    const RimLookup rim = lookUpRim(s.m);
    recordRim(r, s.m, rim);
    s.Delta0 = rim.k.kDelta * s.m;
    s.C = rim.k.kC * s.m;
    r.step("δ_0", "{k_δ}·{m}", {rim.k.kDelta, s.m}, s.Delta0, unit::mm);
    r.step("C", "{k_C}·{m}", {rim.k.kC, s.m}, s.C, unit::mm);
    // The hub is 1.7 times the shaft and 1.3 times as long, whatever length
    // was typed.
    s.dst = kHubDiameterPerShaft * s.dv;
    s.Lst = kHubLengthPerShaft * s.dv;
    r.step(GEAR_TR_NOOP("symbol", "d_ст"), numberToText(kHubDiameterPerShaft, 15, ".") + "·{d_в}", {s.dv}, s.dst,
           unit::mm);
    r.step(GEAR_TR_NOOP("symbol", "L_ст"), numberToText(kHubLengthPerShaft, 15, ".") + "·{d_в}", {s.dv}, s.Lst,
           unit::mm);
    s.Dk = s.df - 2.0 * s.Delta0;
    // The holes sit halfway between the rim and the hub: D0 is the mean of
    // the two diameters. Half their difference, which the course's old
    // program took, put the holes into the hub of a wheel on a thick shaft.
    s.D0 = 0.5 * (s.Dk + s.dst);
    s.d0 = 0.25 * (s.Dk - s.dst);
    s.L = 0.8 * s.Delta0;
    r.step(GEAR_TR_NOOP("symbol", "D_к"), "{d_f} − 2·{δ_0}", {s.df, s.Delta0}, s.Dk, unit::mm);
    r.step("D_0", "0.5·({D_к} + {d_ст})", {s.Dk, s.dst}, s.D0, unit::mm);
    r.step("d_0", "0.25·({D_к} − {d_ст})", {s.Dk, s.dst}, s.d0, unit::mm);
    r.step("L", "0.8·{δ_0}", {s.Delta0}, s.L, unit::mm);
    s.dvStd = nearestStdSize(s.stdSizes, s.dv);
    s.dstStd = nearestStdSize(s.stdSizes, s.dst);
    s.LstStd = nearestStdSize(s.stdSizes, s.Lst);
    r.step(GEAR_TR_NOOP("symbol", "d_в"), GEAR_TR_NOOP("formula", "ближайший нормальный размер к {d_в}"), {s.dv},
           s.dvStd, unit::mm);
    r.step("d_ст", GEAR_TR_NOOP("formula", "ближайший нормальный размер к {d_ст}"), {s.dst}, s.dstStd, unit::mm);
    r.step("L_ст", GEAR_TR_NOOP("formula", "ближайший нормальный размер к {L_ст}"), {s.Lst}, s.LstStd, unit::mm);
    s.R = 6;
    r.step("R", "6", {}, s.R, unit::mm);
}

} // namespace gear
