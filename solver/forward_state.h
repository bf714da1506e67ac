// Single-phase IF97 states with the first derivatives that the solvers step with:
// regions 1, 2 and 5 from (p, T), region 3 from (rho, T). Units: p in MPa, T in K, rho
// in kg/m3, v in m3/kg, h and u in kJ/kg, s in kJ/(kg K). Each evaluation loads the
// coefficient table of its region. Non-finite inputs give NaN fields.
#pragma once

namespace vq {

struct GibbsState {
    double p = 0.0, T = 0.0;
    double v = 0.0, h = 0.0, s = 0.0, u = 0.0;
    double cp = 0.0; // dh/dT at constant p
    double vT = 0.0; // dv/dT at constant p
    double vp = 0.0; // dv/dp at constant T

    double Density() const { return 1.0 / v; }
    double DensityT() const { return -vT / (v * v); }
    double DensityP() const { return -vp / (v * v); }
    double EnthalpyP() const { return 1000.0 * (v - T * vT); }
    double EntropyT() const { return cp / T; }
    double EntropyP() const { return -1000.0 * vT; }
};

struct HelmholtzState {
    double rho = 0.0, T = 0.0;
    double p = 0.0, h = 0.0, s = 0.0, u = 0.0;
    double pRho = 0.0, pT = 0.0; // dp/drho at constant T, dp/dT at constant rho
    double hRho = 0.0, hT = 0.0;
    double sRho = 0.0, sT = 0.0;
};

// Region 1, 2 or 5 at (p, T).
GibbsState EvaluateGibbs(int region, double p, double T);
// Region 3 at (rho, T).
HelmholtzState EvaluateHelmholtz(double T, double rho);

// Property code 1 to 7 (p, T, h, rho, v, s, u) of a state and its derivative with
// respect to the searched variable: T or p for a Gibbs state, rho or T for a region-3
// state. NaN for a code without a value.
struct ValueAndSlope {
    double value;
    double slope;
};
enum class GibbsVariable { Temperature, Pressure };
enum class HelmholtzVariable { Density, Temperature };
ValueAndSlope GibbsProperty(const GibbsState& st, int code, GibbsVariable wrt);
ValueAndSlope HelmholtzProperty(const HelmholtzState& st, int code, HelmholtzVariable wrt);
// The value alone.
double GibbsValue(const GibbsState& st, int code);
double HelmholtzValue(const HelmholtzState& st, int code);

} // namespace vq
