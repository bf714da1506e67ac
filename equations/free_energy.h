// The dimensionless free energies of IF97 and their derivatives, summed over the loaded
// coefficient table: Gibbs gamma(pi, tau) of regions 1, 2 and 5, Helmholtz phi(delta,
// tau) of region 3. They never load a table; the caller loads the region first. A region
// without a branch gives 0. residualOnly (non-zero = true) selects in regions 2 and 5 the
// residual part alone; region 1 ignores it. Outside the domain (pi <= 0 in regions 2
// and 5, delta <= 0, a zero base under a negative power) the result is NaN.
//
// One pass over the table yields all six derivatives of a state; the last state of each
// region is kept, so the several evaluators of one property cost one pass. Powers come
// from multiplication tables; the results agree with a plain sum of general powers to
// about 1e-14 relative.
#pragma once

namespace vq {

double CalcGamma(int region, double pi, double tau);
double CalcGammaPi(int region, double pi, double tau, int residualOnly);
double CalcGammaPiPi(int region, double pi, double tau, int residualOnly);
double CalcGammaTau(int region, double pi, double tau);
double CalcGammaTauTau(int region, double pi, double tau);
double CalcGammaPiTau(int region, double pi, double tau, int residualOnly);

double CalcPhi(int region, double tau, double delta);
double CalcPhiDelta(int region, double tau, double delta);
double CalcPhiDeltaDelta(int region, double tau, double delta);
double CalcPhiTau(int region, double tau, double delta);
double CalcPhiTauTau(int region, double tau, double delta);
double CalcPhiDeltaTau(int region, double tau, double delta);

// All derivatives of one state at once, as the evaluators above return them: (a, b) is
// (pi, tau) for gamma, (delta, tau) for phi. The residual fields hold the residual part
// of gamma_pi, gamma_pipi and gamma_pitau in regions 2 and 5 (the full ones elsewhere).
// Zero for a region without a branch.
struct FreeEnergyDerivatives {
    double f = 0.0, fa = 0.0, faa = 0.0, fb = 0.0, fbb = 0.0, fab = 0.0;
    double residualA = 0.0, residualAA = 0.0, residualAB = 0.0;
};

FreeEnergyDerivatives GibbsDerivatives(int region, double pi, double tau);
FreeEnergyDerivatives HelmholtzDerivatives(int region, double tau, double delta);

// Forgets the kept states (for tests and benchmarks).
void ResetFreeEnergyCache();

} // namespace vq
