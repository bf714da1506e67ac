#include "solver/backward_equations.h"

#include "solver/backward_coefficients.h"

#include <array>
#include <cmath>
#include <limits>

namespace vq {
namespace {

using backward::Term;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct ExponentRange {
    int iLo, iHi, jLo, jHi;
};

template <std::size_t N>
constexpr ExponentRange RangeOf(const std::array<Term, N>& t)
{
    ExponentRange r{t[0].I, t[0].I, t[0].J, t[0].J};
    for (const Term& term : t) {
        r.iLo = term.I < r.iLo ? term.I : r.iLo;
        r.iHi = term.I > r.iHi ? term.I : r.iHi;
        r.jLo = term.J < r.jLo ? term.J : r.jLo;
        r.jHi = term.J > r.jHi ? term.J : r.jHi;
    }
    // The power tables always hold exponent 0.
    r.iLo = r.iLo > 0 ? 0 : r.iLo;
    r.jLo = r.jLo > 0 ? 0 : r.jLo;
    r.iHi = r.iHi < 0 ? 0 : r.iHi;
    r.jHi = r.jHi < 0 ? 0 : r.jHi;
    return r;
}

// base^k for k = lo..hi, stored at index k - lo, by repeated multiplication.
template <int Lo, int Hi>
std::array<double, Hi - Lo + 1> Powers(double base)
{
    std::array<double, Hi - Lo + 1> pw{};
    pw[-Lo] = 1.0;
    for (int k = 1; k <= Hi; ++k)
        pw[k - Lo] = pw[k - 1 - Lo] * base;
    const double inverse = 1.0 / base;
    for (int k = -1; k >= Lo; --k)
        pw[k - Lo] = pw[k + 1 - Lo] * inverse;
    return pw;
}

// Sum over the terms of n * x^I * y^J, in table order.
template <const auto& Table>
double SumTerms(double x, double y)
{
    static constexpr ExponentRange r = RangeOf(Table);
    const auto px = Powers<r.iLo, r.iHi>(x);
    const auto py = Powers<r.jLo, r.jHi>(y);
    double sum = 0.0;
    for (const Term& t : Table)
        sum += t.n * px[t.I - r.iLo] * py[t.J - r.jLo];
    return sum;
}

double T1ph(double p, double h) { return SumTerms<backward::T1ph>(p, h / 2500.0 + 1.0); }
double T1ps(double p, double s) { return SumTerms<backward::T1ps>(p, s + 2.0); }
double T2aph(double p, double h) { return SumTerms<backward::T2aph>(p, h / 2000.0 - 2.1); }
double T2bph(double p, double h) { return SumTerms<backward::T2bph>(p - 2.0, h / 2000.0 - 2.6); }
double T2cph(double p, double h) { return SumTerms<backward::T2cph>(p + 25.0, h / 2000.0 - 1.8); }
// The pressure exponents of T2a(p,s) are quarters: pi^(k/4) = (pi^(1/4))^k.
double T2aps(double p, double s) { return SumTerms<backward::T2aps>(std::sqrt(std::sqrt(p)), s / 2.0 - 2.0); }
double T2bps(double p, double s) { return SumTerms<backward::T2bps>(p, 10.0 - s / 0.7853); }
double T2cps(double p, double s) { return SumTerms<backward::T2cps>(p, 2.0 - s / 2.9251); }
double T3aph(double p, double h) { return 760.0 * SumTerms<backward::T3aph>(p / 100.0 + 0.240, h / 2300.0 - 0.615); }
double T3bph(double p, double h) { return 860.0 * SumTerms<backward::T3bph>(p / 100.0 + 0.298, h / 2800.0 - 0.720); }
double T3aps(double p, double s) { return 760.0 * SumTerms<backward::T3aps>(p / 100.0 + 0.240, s / 4.4 - 0.703); }
double T3bps(double p, double s) { return 860.0 * SumTerms<backward::T3bps>(p / 100.0 + 0.760, s / 5.3 - 0.818); }

double V3aph(double p, double h) { return 0.0028 * SumTerms<backward::V3aph>(p / 100.0 + 0.128, h / 2100.0 - 0.727); }
double V3bph(double p, double h) { return 0.0088 * SumTerms<backward::V3bph>(p / 100.0 + 0.0661, h / 2800.0 - 0.720); }
double V3aps(double p, double s) { return 0.0028 * SumTerms<backward::V3aps>(p / 100.0 + 0.187, s / 4.4 - 0.755); }
double V3bps(double p, double s) { return 0.0088 * SumTerms<backward::V3bps>(p / 100.0 + 0.298, s / 5.3 - 0.816); }

double Fourth(double v)
{
    const double sq = v * v;
    return sq * sq;
}

double P1hs(double h, double s) { return 100.0 * SumTerms<backward::P1hs>(h / 3400.0 + 0.05, s / 7.6 + 0.05); }
double P2ahs(double h, double s) { return 4.0 * Fourth(SumTerms<backward::P2ahs>(h / 4200.0 - 0.5, s / 12.0 - 1.2)); }
double P2bhs(double h, double s) { return 100.0 * Fourth(SumTerms<backward::P2bhs>(h / 4100.0 - 0.6, s / 7.9 - 1.01)); }
double P2chs(double h, double s) { return 100.0 * Fourth(SumTerms<backward::P2chs>(h / 3500.0 - 0.7, s / 5.9 - 1.1)); }
double P3ahs(double h, double s) { return 99.0 * SumTerms<backward::P3ahs>(h / 2300.0 - 1.01, s / 4.4 - 0.750); }
// The 3b sum is the reciprocal of the reduced pressure.
double P3bhs(double h, double s) { return 16.6 / SumTerms<backward::P3bhs>(h / 2800.0 - 0.681, s / 5.3 - 0.792); }

template <std::size_t N>
double Polynomial(const std::array<double, N>& n, double x)
{
    double sum = 0.0;
    for (std::size_t i = N; i-- > 0;)
        sum = sum * x + n[i];
    return sum;
}

} // namespace

double GetB2bcPressure(double h)
{
    return Polynomial(backward::B2bc, h);
}

double GetH2abFromS(double s)
{
    return Polynomial(backward::H2ab, s);
}

double GetH3abFromP(double p)
{
    return Polynomial(backward::H3ab, p);
}

int GetBackwardSubregion(int region, int code1, double value1, int code2, double value2)
{
    const bool ph = code1 == 1 && code2 == 3;
    const bool ps = code1 == 1 && code2 == 6;
    const bool hs = code1 == 3 && code2 == 6;
    if (region == 2) {
        if (ph) {
            if (value1 <= Subregion2abPressure)
                return Subregion2a;
            return value1 > GetB2bcPressure(value2) ? Subregion2c : Subregion2b;
        }
        if (ps) {
            if (value1 <= Subregion2abPressure)
                return Subregion2a;
            return value2 >= Subregion2bcEntropy ? Subregion2b : Subregion2c;
        }
        if (hs) {
            if (value2 < Subregion2bcEntropy)
                return Subregion2c;
            return value1 > GetH2abFromS(value2) ? Subregion2b : Subregion2a;
        }
    } else if (region == 3) {
        if (ph) {
            // Below the critical pressure h3ab(p) lies strictly between the saturated-liquid
            // and saturated-vapour enthalpies, and at it h3ab equals the critical enthalpy,
            // so it splits every region-3 state exactly as h'(p) does, without a search.
            return value2 < GetH3abFromP(value1) ? Subregion3a : Subregion3b;
        }
        if (ps || hs)
            return value2 <= CriticalEntropy ? Subregion3a : Subregion3b;
    }
    return SubregionNone;
}

double CalcBackwardTemperature(double p, int code2, double value2, int region)
{
    if (code2 != 3 && code2 != 6)
        return NaN;
    const bool enthalpy = code2 == 3;
    if (region == 1)
        return enthalpy ? T1ph(p, value2) : T1ps(p, value2);
    if (region != 2 && region != 3)
        return NaN;
    switch (GetBackwardSubregion(region, 1, p, code2, value2)) {
    case Subregion2a: return enthalpy ? T2aph(p, value2) : T2aps(p, value2);
    case Subregion2b: return enthalpy ? T2bph(p, value2) : T2bps(p, value2);
    case Subregion2c: return enthalpy ? T2cph(p, value2) : T2cps(p, value2);
    case Subregion3a: return enthalpy ? T3aph(p, value2) : T3aps(p, value2);
    case Subregion3b: return enthalpy ? T3bph(p, value2) : T3bps(p, value2);
    default: return NaN;
    }
}

double CalcBackwardDensity(double p, int code, double value, int region)
{
    if ((code != 3 && code != 6) || region != 3)
        return NaN;
    const bool enthalpy = code == 3;
    switch (GetBackwardSubregion(region, 1, p, code, value)) {
    case Subregion3a: return 1.0 / (enthalpy ? V3aph(p, value) : V3aps(p, value));
    case Subregion3b: return 1.0 / (enthalpy ? V3bph(p, value) : V3bps(p, value));
    default: return NaN;
    }
}

double CalcBackwardPressure(double h, double s, int region)
{
    if (region == 1)
        return P1hs(h, s);
    switch (region == 2 || region == 3 ? GetBackwardSubregion(region, 3, h, 6, s) : SubregionNone) {
    case Subregion2a: return P2ahs(h, s);
    case Subregion2b: return P2bhs(h, s);
    case Subregion2c: return P2chs(h, s);
    case Subregion3a: return P3ahs(h, s);
    case Subregion3b: return P3bhs(h, s);
    default: return NaN;
    }
}

} // namespace vq
