#include "equations/free_energy.h"

#include "equations/finite_result.h"
#include "equations/region_coefficients.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vq {

namespace {

// Integer powers base^k for lo <= k <= hi, each built from two lower powers so that
// the chain of roundings behind it is short. Entries outside [lo, hi] are not set.
class PowerTable {
public:
    static constexpr int Capacity = 64;

    static bool Covers(int lo, int hi) { return lo >= -Capacity && hi <= Capacity; }

    void Build(double base, int lo, int hi)
    {
        double* v = values_ + Capacity;
        v[0] = 1.0;
        v[1] = base;
        for (int k = 2; k <= hi; ++k)
            v[k] = v[k >> 1] * v[k - (k >> 1)];
        if (lo < 0) {
            v[-1] = 1.0 / base;
            for (int k = 2; k <= -lo; ++k)
                v[-k] = v[-(k >> 1)] * v[-(k - (k >> 1))];
        }
    }

    double operator[](int k) const { return values_[Capacity + k]; }

private:
    double values_[2 * Capacity + 1];
};

// The six sums of n a^I b^J and its first and second derivatives in a and b.
struct Sums {
    double f = 0.0, fa = 0.0, faa = 0.0, fb = 0.0, fbb = 0.0, fab = 0.0;
};

// Ideal-gas part of regions 2 and 5 without ln(pi): gamma_o with its tau derivatives.
struct IdealSums {
    double g = 0.0, gt = 0.0, gtt = 0.0;
};

// The loaded arrays that one region's evaluation reads.
struct TableKey {
    int n = -1;
    const int* I = nullptr;
    const int* J = nullptr;
    const double* c = nullptr;
    int idealN = -1;
    const int* idealJ = nullptr;
    const double* idealC = nullptr;

    bool operator==(const TableKey&) const = default;
};

// Exponent ranges of a table, widened by the two orders of derivative; a table that a
// power table cannot cover is summed with general powers.
struct Ranges {
    int loA = 0, hiA = 1, loB = 0, hiB = 1, loIdeal = 0, hiIdeal = 1;
    bool usable = false;
    bool idealUsable = false;
};

// The rows of the loaded table regrouped for summing: consecutive rows that share the
// exponent I form a group, whose sums over b^J are multiplied once by the powers of a.
// Each row keeps its coefficient times the factors that the b-derivatives bring down.
struct PreparedTerm {
    int J;
    double n, nJ, nJJ;
};

struct TermGroup {
    int I;
    double dI, dII;
    int first, last; // prepared rows first..last-1
};

constexpr int MaxTerms = 48;

struct KeptState {
    TableKey table;
    Ranges ranges;
    std::array<PreparedTerm, MaxTerms> terms;
    std::array<TermGroup, MaxTerms> groups;
    int groupCount = 0;
    bool valid = false;
    double a = 0.0, b = 0.0;
    FreeEnergyDerivatives values;
};

// Slots for regions 1, 2, 3 and 5.
std::array<KeptState, 6> Kept;

void Widen(std::span<const int> e, int first, int last, int& lo, int& hi)
{
    lo = 0;
    hi = 1;
    for (int i = first; i <= last; ++i) {
        lo = std::min(lo, e[i] - 2);
        hi = std::max(hi, e[i]);
    }
}

bool Holds(std::size_t size, int last)
{
    return last >= 0 && static_cast<int>(size) > last;
}

Ranges FindRanges(int first, bool hasIdeal)
{
    Ranges r;
    const int last = RegN;
    r.usable = last >= first && Holds(RegI.size(), last) && Holds(RegJ.size(), last) && Holds(RegCoef.size(), last);
    if (r.usable) {
        Widen(RegI, first, last, r.loA, r.hiA);
        Widen(RegJ, first, last, r.loB, r.hiB);
    }
    r.idealUsable = hasIdeal && IdealN >= 1 && Holds(IdealJ.size(), IdealN) && Holds(IdealCoef.size(), IdealN);
    if (r.idealUsable)
        Widen(IdealJ, 1, IdealN, r.loIdeal, r.hiIdeal);
    return r;
}

// Sums rows first..RegN of the loaded table at bases a and b.
Sums SumTerms(const KeptState& kept, int first, double a, double b)
{
    Sums s;
    const Ranges& r = kept.ranges;
    if (!r.usable)
        return s;
    if (kept.groupCount > 0) {
        PowerTable pa, pb;
        pa.Build(a, r.loA, r.hiA);
        pb.Build(b, r.loB, r.hiB);
        for (int g = 0; g < kept.groupCount; ++g) {
            const TermGroup& group = kept.groups[g];
            double s0 = 0.0, s1 = 0.0, s2 = 0.0;
            for (int i = group.first; i < group.last; ++i) {
                const PreparedTerm& t = kept.terms[i];
                s0 += t.n * pb[t.J];
                s1 += t.nJ * pb[t.J - 1];
                s2 += t.nJJ * pb[t.J - 2];
            }
            const double a0 = pa[group.I];
            const double a1 = group.dI * pa[group.I - 1];
            const double a2 = group.dII * pa[group.I - 2];
            s.f += a0 * s0;
            s.fa += a1 * s0;
            s.faa += a2 * s0;
            s.fb += a0 * s1;
            s.fbb += a0 * s2;
            s.fab += a1 * s1;
        }
        return s;
    }
    for (int i = first; i <= RegN; ++i) {
        const double I = RegI[i], J = RegJ[i], n = RegCoef[i];
        s.f += n * std::pow(a, I) * std::pow(b, J);
        s.fa += n * I * std::pow(a, I - 1) * std::pow(b, J);
        s.faa += n * I * (I - 1) * std::pow(a, I - 2) * std::pow(b, J);
        s.fb += n * std::pow(a, I) * J * std::pow(b, J - 1);
        s.fbb += n * std::pow(a, I) * J * (J - 1) * std::pow(b, J - 2);
        s.fab += n * I * std::pow(a, I - 1) * J * std::pow(b, J - 1);
    }
    return s;
}

// Prepares the rows for the power-table sum when the tables can serve them.
void PrepareTerms(KeptState& kept, int first)
{
    kept.groupCount = 0;
    const Ranges& r = kept.ranges;
    if (!r.usable || RegN - first + 1 > MaxTerms || !PowerTable::Covers(r.loA, r.hiA)
        || !PowerTable::Covers(r.loB, r.hiB))
        return;
    int count = 0;
    for (int i = first; i <= RegN; ++i) {
        const double n = RegCoef[i], dJ = RegJ[i];
        if (kept.groupCount == 0 || kept.groups[kept.groupCount - 1].I != RegI[i]) {
            const double dI = RegI[i];
            kept.groups[kept.groupCount++] = {RegI[i], dI, dI * (dI - 1.0), count, count};
        }
        kept.terms[count++] = {RegJ[i], n, n * dJ, n * dJ * (dJ - 1.0)};
        kept.groups[kept.groupCount - 1].last = count;
    }
}

// Sums the ideal-gas rows 1..IdealN at tau.
IdealSums SumIdealTerms(const Ranges& r, double tau)
{
    IdealSums s;
    if (!r.idealUsable)
        return s;
    PowerTable pt;
    const bool table = PowerTable::Covers(r.loIdeal, r.hiIdeal);
    if (table)
        pt.Build(tau, r.loIdeal, r.hiIdeal);
    for (int i = 1; i <= IdealN; ++i) {
        const int J = IdealJ[i];
        const double n = IdealCoef[i], dJ = J;
        const double p0 = table ? pt[J] : std::pow(tau, dJ);
        const double p1 = table ? pt[J - 1] : std::pow(tau, dJ - 1);
        const double p2 = table ? pt[J - 2] : std::pow(tau, dJ - 2);
        s.g += n * p0;
        s.gt += n * dJ * p1;
        s.gtt += n * dJ * (dJ - 1.0) * p2;
    }
    return s;
}

// The kept state of region 1, 2, 3 or 5 at (a, b) = (pi, tau) or (delta, tau),
// refreshed when the arguments or the loaded arrays differ.
const KeptState& Evaluate(int region, double a, double b)
{
    const bool hasIdeal = region == 2 || region == 5;
    TableKey table{RegN, RegI.data(), RegJ.data(), RegCoef.data(), -1, nullptr, nullptr};
    if (hasIdeal) {
        table.idealN = IdealN;
        table.idealJ = IdealJ.data();
        table.idealC = IdealCoef.data();
    }
    KeptState& kept = Kept[region];
    if (kept.valid && kept.a == a && kept.b == b && kept.table == table)
        return kept;
    const int first = region == 3 ? 2 : 1;
    if (!kept.valid || !(kept.table == table)) {
        kept.table = table;
        kept.ranges = FindRanges(first, hasIdeal);
        PrepareTerms(kept, first);
    }
    kept.a = a;
    kept.b = b;
    FreeEnergyDerivatives& d = kept.values;
    if (region == 1) {
        const Sums sums = SumTerms(kept, first, 7.1 - a, b - 1.222);
        d = {sums.f, -sums.fa, sums.faa, sums.fb, sums.fbb, -sums.fab, -sums.fa, sums.faa, -sums.fab};
    } else if (hasIdeal) {
        const Sums sums = SumTerms(kept, first, a, region == 2 ? b - 0.5 : b);
        const IdealSums ideal = SumIdealTerms(kept.ranges, b);
        d.f = (std::log(a) + ideal.g) + sums.f;
        d.fa = 1.0 / a + sums.fa;
        d.faa = -1.0 / (a * a) + sums.faa;
        d.fb = ideal.gt + sums.fb;
        d.fbb = ideal.gtt + sums.fbb;
        d.fab = sums.fab;
        d.residualA = sums.fa;
        d.residualAA = sums.faa;
        d.residualAB = sums.fab;
    } else {
        const Sums sums = SumTerms(kept, first, a, b);
        const double n1 = kept.ranges.usable ? RegCoef[1] : 0.0;
        d.f = n1 * std::log(a) + sums.f;
        d.fa = n1 / a + sums.fa;
        d.faa = -n1 / (a * a) + sums.faa;
        d.fb = sums.fb;
        d.fbb = sums.fbb;
        d.fab = sums.fab;
        d.residualA = d.fa;
        d.residualAA = d.faa;
        d.residualAB = d.fab;
    }
    for (double* v : {&d.f, &d.fa, &d.faa, &d.fb, &d.fbb, &d.fab, &d.residualA, &d.residualAA, &d.residualAB})
        *v = FiniteOrNaN(*v);
    kept.valid = true;
    return kept;
}

bool IsGibbsRegion(int region)
{
    return region == 1 || region == 2 || region == 5;
}

} // namespace

void ResetFreeEnergyCache()
{
    Kept = {};
}

FreeEnergyDerivatives GibbsDerivatives(int region, double pi, double tau)
{
    return IsGibbsRegion(region) ? Evaluate(region, pi, tau).values : FreeEnergyDerivatives{};
}

FreeEnergyDerivatives HelmholtzDerivatives(int region, double tau, double delta)
{
    return region == 3 ? Evaluate(3, delta, tau).values : FreeEnergyDerivatives{};
}

double CalcGamma(int region, double pi, double tau)
{
    return GibbsDerivatives(region, pi, tau).f;
}

double CalcGammaPi(int region, double pi, double tau, int residualOnly)
{
    const FreeEnergyDerivatives d = GibbsDerivatives(region, pi, tau);
    return residualOnly ? d.residualA : d.fa;
}

double CalcGammaPiPi(int region, double pi, double tau, int residualOnly)
{
    const FreeEnergyDerivatives d = GibbsDerivatives(region, pi, tau);
    return residualOnly ? d.residualAA : d.faa;
}

double CalcGammaTau(int region, double pi, double tau)
{
    return GibbsDerivatives(region, pi, tau).fb;
}

double CalcGammaTauTau(int region, double pi, double tau)
{
    return GibbsDerivatives(region, pi, tau).fbb;
}

double CalcGammaPiTau(int region, double pi, double tau, int)
{
    return GibbsDerivatives(region, pi, tau).fab;
}

double CalcPhi(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).f;
}

double CalcPhiDelta(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).fa;
}

double CalcPhiDeltaDelta(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).faa;
}

double CalcPhiTau(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).fb;
}

double CalcPhiTauTau(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).fbb;
}

double CalcPhiDeltaTau(int region, double tau, double delta)
{
    return HelmholtzDerivatives(region, tau, delta).fab;
}

} // namespace vq
