// Bracketed one-variable root searches. Every iterate stays inside its bracket and is
// checked for finiteness; a search that cannot keep a sign change reports failure.
#pragma once

#include <cmath>
#include <functional>

namespace vq {

// f(x) and df/dx; either may be NaN, which the searches treat as a failed evaluation.
struct RootEval {
    double f;
    double df;
};
using RootFunction = std::function<RootEval(double)>;
using PlainFunction = std::function<double(double)>;

struct RootResult {
    bool found = false;
    double x = 0.0;
};

// Relative step below which a search has converged.
inline constexpr double RootTolerance = 1e-13;

// Newton steps from start inside [lo, hi], falling back to bisection whenever a step
// would leave the bracket or shrink it too slowly. fLo and fHi are the values at the
// ends and must differ in sign (or one be 0).
RootResult NewtonInBracket(const RootFunction& f, double lo, double hi, double fLo, double fHi, double start,
                           double tolerance = RootTolerance, int maxSteps = 200);

// Derivative-free search (regula falsi, Illinois variant) in a bracket [lo, hi] whose end
// values differ in sign.
RootResult FalsePositionInBracket(const PlainFunction& f, double lo, double hi, double fLo, double fHi,
                                  double tolerance = RootTolerance, int maxSteps = 300);

// A sub-interval of [lo, hi] with a sign change, found by sampling n + 1 equally
// spaced points starting at the end named by fromHigh. found is false when no sampled
// pair changes sign.
struct Bracket {
    bool found = false;
    double lo = 0.0, hi = 0.0, fLo = 0.0, fHi = 0.0;
};
Bracket ScanForBracket(const PlainFunction& f, double lo, double hi, int n, bool fromHigh);

// True when a and b are finite and differ in sign (or one is 0).
inline bool Straddles(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b) && ((a <= 0.0 && b >= 0.0) || (a >= 0.0 && b <= 0.0));
}


// Residuals F1, F2 of two equations and their Jacobian [[a, b], [c, d]] with respect to
// (x, y).
struct Residual2 {
    double f1, f2;
    double a, b, c, d;
};
using Function2 = std::function<Residual2(double, double)>;

// Newton steps on two equations from (x, y), each step limited to maxStep times the
// current value of each variable. Writes x and y only when both residuals fall within
// tol1 and tol2 (absolute), or the steps reach the resolution of both variables, within
// maxSteps; returns whether they did.
bool NewtonPolish2(const Function2& f, double& x, double& y, double tol1, double tol2, int maxSteps = 8,
                   double maxStep = 0.05);


// Newton steps on one equation from x, each limited to maxStep times x. Writes x only
// when |f| falls within tol, or a step reaches the resolution of x, within maxSteps;
// returns whether it did.
bool NewtonPolish1(const RootFunction& f, double& x, double tol, int maxSteps = 8, double maxStep = 0.05);


// The x of the largest value of f in [a, b] by golden-section search, for a function
// with one maximum there; stops when the interval is below tolerance.
double GoldenSectionMaximum(const PlainFunction& f, double a, double b, double tolerance);

} // namespace vq
