#include "solver/forward_state.h"

#include "equations/asme_error.h"
#include "equations/free_energy.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"

#include <limits>

namespace vq {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double R = GasConstantR;

} // namespace

GibbsState EvaluateGibbs(int region, double p, double T)
{
    GibbsState st;
    st.p = p;
    st.T = T;
    const double pStar = region == 1 ? 16.53 : 1.0;
    const double tStar = region == 1 ? 1386.0 : region == 2 ? 540.0 : 1000.0;
    LoadRegionCoefficients(region, 0);
    const double tau = tStar / T;
    const FreeEnergyDerivatives g = GibbsDerivatives(region, p / pStar, tau);
    st.v = R * T * g.fa / (pStar * 1000.0);
    st.vp = R * T * g.faa / (pStar * pStar * 1000.0);
    st.vT = R * (g.fa - tau * g.fab) / (pStar * 1000.0);
    st.h = R * T * tau * g.fb;
    st.s = R * (tau * g.fb - g.f);
    st.u = st.h - 1000.0 * p * st.v;
    st.cp = -R * tau * tau * g.fbb;
    return st;
}

HelmholtzState EvaluateHelmholtz(double T, double rho)
{
    HelmholtzState st;
    st.rho = rho;
    st.T = T;
    LoadRegionCoefficients(3, 0);
    const double tau = CriticalTemperature / T;
    const double delta = rho / CriticalDensity;
    const FreeEnergyDerivatives f = HelmholtzDerivatives(3, tau, delta);
    const double dfd = delta * f.fa;
    st.p = rho * R * T * dfd / 1000.0;
    st.pRho = R * T * (2.0 * dfd + delta * delta * f.faa) / 1000.0;
    st.pT = rho * R * (dfd - delta * tau * f.fab) / 1000.0;
    st.h = R * T * (tau * f.fb + dfd);
    st.hT = R * (dfd - tau * tau * f.fbb - delta * tau * f.fab);
    st.hRho = R * T / rho * (tau * delta * f.fab + dfd + delta * delta * f.faa);
    st.s = R * (tau * f.fb - f.f);
    st.sT = -R * tau * tau * f.fbb / T;
    st.sRho = R / rho * delta * (tau * f.fab - f.fa);
    st.u = R * T * tau * f.fb;
    return st;
}

ValueAndSlope GibbsProperty(const GibbsState& st, int code, GibbsVariable wrt)
{
    const bool byT = wrt == GibbsVariable::Temperature;
    switch (code) {
    case 1: return {st.p, byT ? 0.0 : 1.0};
    case 2: return {st.T, byT ? 1.0 : 0.0};
    case 3: return {st.h, byT ? st.cp : st.EnthalpyP()};
    case 4: return {st.Density(), byT ? st.DensityT() : st.DensityP()};
    case 5: return {st.v, byT ? st.vT : st.vp};
    case 6: return {st.s, byT ? st.EntropyT() : st.EntropyP()};
    case 7: {
        // u = h - p v
        const double slope = byT ? st.cp - 1000.0 * st.p * st.vT : st.EnthalpyP() - 1000.0 * (st.v + st.p * st.vp);
        return {st.u, slope};
    }
    default: return {NaN, NaN};
    }
}

ValueAndSlope HelmholtzProperty(const HelmholtzState& st, int code, HelmholtzVariable wrt)
{
    const bool byRho = wrt == HelmholtzVariable::Density;
    switch (code) {
    case 1: return {st.p, byRho ? st.pRho : st.pT};
    case 2: return {st.T, byRho ? 0.0 : 1.0};
    case 3: return {st.h, byRho ? st.hRho : st.hT};
    case 4: return {st.rho, byRho ? 1.0 : 0.0};
    case 5: return {1.0 / st.rho, byRho ? -1.0 / (st.rho * st.rho) : 0.0};
    case 6: return {st.s, byRho ? st.sRho : st.sT};
    case 7: {
        // u = h - p / rho
        const double slope = byRho ? st.hRho - 1000.0 * (st.pRho / st.rho - st.p / (st.rho * st.rho))
                                   : st.hT - 1000.0 * st.pT / st.rho;
        return {st.u, slope};
    }
    default: return {NaN, NaN};
    }
}

double GibbsValue(const GibbsState& st, int code)
{
    return GibbsProperty(st, code, GibbsVariable::Temperature).value;
}

double HelmholtzValue(const HelmholtzState& st, int code)
{
    return HelmholtzProperty(st, code, HelmholtzVariable::Density).value;
}

} // namespace vq
