// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength/strength_verdict.h"

#include "geometry/standard_series.h"
#include "material/steel_table.h"
#include "shell/number_text.h"

#include <algorithm>
#include <cmath>

namespace gear {

LoadWord loadWord(double deltaPercent)
{
    if (deltaPercent > kOverloadLimit)
        return LoadWord::Overload;
    if (deltaPercent < kUnderloadLimit)
        return LoadWord::Reserve;
    return LoadWord::Normal;
}

std::optional<Verdict> verdictOf(double sigma, double allowed)
{
    if (!std::isfinite(sigma) || !std::isfinite(allowed) || !(allowed > 0.0))
        return std::nullopt;
    Verdict verdict{sigma, allowed, (sigma - allowed) * 100.0 / allowed, LoadWord::Normal};
    verdict.word = loadWord(verdict.delta);
    return verdict;
}

double allowableContact(double sigmaHlim, double Sh)
{
    return 0.9 * sigmaHlim / Sh;
}

double allowableBending(double sigmaFlim)
{
    return 0.4 * sigmaFlim;
}

std::vector<int> passingSteels(double sigmaH, double sigmaF1, double sigmaF2, double Sh)
{
    std::vector<int> rows;
    if (!(Sh > 0.0))
        return rows;
    const double sigmaF = std::max(sigmaF1, sigmaF2);
    for (size_t i = 0; i < kSteelRows.size(); ++i) {
        const auto contact = verdictOf(sigmaH, allowableContact(kSteelRows[i].sigmaH, Sh));
        const auto bending = verdictOf(sigmaF, allowableBending(kSteelRows[i].sigmaF));
        if (contact && bending && contact->word != LoadWord::Overload && bending->word != LoadWord::Overload)
            rows.push_back(static_cast<int>(i) + 1);
    }
    return rows;
}

namespace {

// Both rows of standard modules, ascending; read from their texts once.
const std::vector<double>& moduleSeries()
{
    static const std::vector<double> series = [] {
        std::vector<double> values;
        for (const std::string_view item : kModuleRow1)
            if (!item.empty())
                values.push_back(numberFromText(item));
        for (const std::string_view item : kModuleRow2)
            if (!item.empty())
                values.push_back(numberFromText(item));
        std::sort(values.begin(), values.end());
        return values;
    }();
    return series;
}

} // namespace

ModuleTaken moduleTaken(double mcalc, double m, bool hardened)
{
    ModuleTaken taken;
    if (!(mcalc > 0.0) || !(m > 0.0) || !std::isfinite(mcalc) || !std::isfinite(m))
        return taken;
    if (m < mcalc)
        taken.overload = (std::pow(mcalc / m, hardened ? 3.0 : 1.5) - 1.0) * 100.0;
    // The first standard module not below the computed one is the right
    // choice; the one after it is still a sound one (a first-row value
    // preferred over the second row's); any further is a bigger pair than
    // the load needs.
    const std::vector<double>& series = moduleSeries();
    const auto right = std::lower_bound(series.begin(), series.end(), mcalc * (1.0 - 1e-12));
    if (right != series.end()) {
        const auto next = right + 1;
        taken.oversized = next != series.end() && m > *next * (1.0 + 1e-12);
    }
    return taken;
}

} // namespace gear
