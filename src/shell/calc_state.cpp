#include "shell/calc_state.h"

#include "shell/reference_tables.h"

#include <cmath>

namespace gear {

void writeDefaultCoefficients(CalcState& state)
{
    for (const CoefficientInfo& info : kCoefficients)
        state.*info.field = state.defaults.*info.preset;
}

CalcState startUpState()
{
    CalcState state;
    writeDefaultCoefficients(state);
    state.stdSizes = kStdSizes;
    return state;
}

namespace {
template <typename... Fields>
bool finite(const Fields&... fields)
{
    return (std::isfinite(static_cast<double>(fields)) && ...);
}
} // namespace

bool allFinite(const CalcState& s)
{
    return finite(s.Z1, s.da, s.da2, s.df, s.df2, s.bw1, s.bw2, s.LstStd, s.d, s.d2, s.Psibm, s.Psibd,
                  s.dv, s.m, s.C, s.beta, s.mcalc, s.Lst, s.D0, s.R, s.bw, s.U, s.km, s.Z2, s.Tcalc,
                  s.Sh, s.kf, s.epsalpha, s.kfa, s.Ybeta, s.kha, s.kh, s.Psiba, s.aw, s.H1, s.H2,
                  s.sigmaH1, s.sigmaH2, s.sigmaF1, s.sigmaF2, s.sigmaFP1, s.sigmaFP2, s.sigmaHP1,
                  s.T1, s.T2, s.kfb, s.kfv, s.Yn, s.Yr, s.Yx, s.Yd, s.khb, s.khv, s.Zn, s.Sf, s.YF1,
                  s.YF2, s.Zk);
}

} // namespace gear
