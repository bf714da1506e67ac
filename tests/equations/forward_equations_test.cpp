#include "equations/asme_error.h"
#include "equations/free_energy.h"
#include "equations/if97_coefficients.h"
#include "equations/reduced_properties.h"
#include "equations/region_boundaries.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"

#include "check_value_support.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>

namespace vq {
namespace {

using test::CheckValue;
using test::ExpectPublishedValues;

constexpr double R = GasConstantR;

// A property of region 1, 2 or 5 at (p, T), or of region 3 at (rho, T), in the units of
// the published tables, combined as the property dispatcher combines the reduced values.
double Property(int region, const std::string& name, double p, double T, double rho = 0.0)
{
    if (region == 3) {
        const double pr = CalcRegion3Pressure(0, 3, 0.0, T, rho, 0.0) * rho * R * T / 1000.0;
        if (name == "p")
            return pr;
        if (name == "v")
            return 1.0 / rho;
        p = pr;
    }
    const double v = region == 3 ? 1.0 / rho : CalcReducedVolume(0, region, p, T, rho, 0.0) * R * T / p / 1000.0;
    if (name == "v")
        return v;
    if (name == "h")
        return CalcReducedEnthalpy(0, region, p, T, rho, 0.0) * R * T;
    if (name == "u")
        return CalcReducedInternalEnergy(0, region, p, T, rho, 0.0) * R * T;
    if (name == "s")
        return CalcReducedEntropy(0, region, p, T, rho, 0.0) * R;
    if (name == "cp")
        return CalcReducedCp(0, region, p, T, rho, 0.0) * R;
    if (name == "cv")
        return CalcReducedCv(0, region, p, T, rho, 0.0) * R;
    if (name == "w")
        return std::sqrt(CalcReducedSoundSpeedSq(0, region, p, T, rho, 0.0) * R * T * 1000.0);
    ADD_FAILURE() << "unknown property " << name;
    return 0.0;
}

double Input(const CheckValue& c, const char* name)
{
    return std::strcmp(c.name1, name) == 0 ? c.value1 : c.value2;
}

// Density of region 3 at (p, T) by Newton's method from a start on the wanted branch.
double Region3Density(double p, double T, double start)
{
    double rho = start;
    for (int i = 0; i < 100; ++i) {
        const double f = Property(3, "p", 0.0, T, rho) - p;
        const double h = rho * 1e-7;
        const double slope = (Property(3, "p", 0.0, T, rho + h) - Property(3, "p", 0.0, T, rho - h)) / (2 * h);
        const double step = f / slope;
        rho -= step;
        if (std::abs(step) < 1e-13 * rho)
            break;
    }
    return rho;
}

TEST(ForwardEquations, PublishedCheckValues)
{
    EXPECT_EQ(ExpectPublishedValues("r1-gibbs", [](const CheckValue& c) {
        return Property(1, c.output, Input(c, "p"), Input(c, "T"));
    }), 18);
    EXPECT_EQ(ExpectPublishedValues("r2-ideal+r2-residual", [](const CheckValue& c) {
        return Property(2, c.output, Input(c, "p"), Input(c, "T"));
    }), 18);
    EXPECT_EQ(ExpectPublishedValues("r3-helmholtz", [](const CheckValue& c) {
        return Property(3, c.output, 0.0, Input(c, "T"), Input(c, "rho"));
    }), 18);
    EXPECT_EQ(ExpectPublishedValues("r5-ideal+r5-residual", [](const CheckValue& c) {
        return Property(5, c.output, Input(c, "p"), Input(c, "T"));
    }), 18);
}

// Largest differences of v (relative), h, s, cp (relative) and w (relative) between two
// evaluations of one state.
struct Mismatch {
    double v = 0, h = 0, s = 0, cp = 0, w = 0;
    void Add(double T, double p, int regionA, double rhoA, int regionB, double rhoB)
    {
        auto rel = [](double a, double b) { return std::abs(a - b) / std::abs(b); };
        v = std::max(v, rel(Property(regionA, "v", p, T, rhoA), Property(regionB, "v", p, T, rhoB)));
        h = std::max(h, std::abs(Property(regionA, "h", p, T, rhoA) - Property(regionB, "h", p, T, rhoB)));
        s = std::max(s, std::abs(Property(regionA, "s", p, T, rhoA) - Property(regionB, "s", p, T, rhoB)));
        cp = std::max(cp, rel(Property(regionA, "cp", p, T, rhoA), Property(regionB, "cp", p, T, rhoB)));
        w = std::max(w, rel(Property(regionA, "w", p, T, rhoA), Property(regionB, "w", p, T, rhoB)));
    }
    void ExpectWithin(const char* where, double cpTolerance, double wTolerance) const
    {
        EXPECT_LE(v, 5e-4) << where;
        EXPECT_LE(h, 0.2) << where;
        EXPECT_LE(s, 0.2e-3) << where;
        EXPECT_LE(cp, cpTolerance) << where;
        EXPECT_LE(w, wTolerance) << where;
    }
};

TEST(ForwardEquations, ConsistentAtRegionBoundaries)
{
    Mismatch oneThree;
    for (double p = GetSatPressure(623.15); p <= 100.0; p += 0.5) {
        const double v1 = Property(1, "v", p, 623.15);
        const double rho3 = Region3Density(p, 623.15, 1.0 / v1);
        ASSERT_NEAR(Property(3, "p", 0.0, 623.15, rho3), p, 1e-9 * p);
        oneThree.Add(623.15, p, 1, 0.0, 3, rho3);
    }
    oneThree.ExpectWithin("regions 1/3 at 623.15 K", 0.01, 0.01);

    Mismatch twoThree;
    for (double T = 623.15; T <= 863.15; T += 2.0) {
        const double p = GetB23Pressure(T);
        const double v2 = Property(2, "v", p, T);
        const double rho3 = Region3Density(p, T, 1.0 / v2);
        ASSERT_NEAR(Property(3, "p", 0.0, T, rho3), p, 1e-9 * p);
        twoThree.Add(T, p, 2, 0.0, 3, rho3);
    }
    twoThree.ExpectWithin("regions 2/3 along B23", 0.01, 0.01);

    Mismatch twoFive;
    for (double p = 0.001; p <= 10.0; p += 0.05)
        twoFive.Add(1073.15, p, 2, 0.0, 5, 0.0);
    twoFive.ExpectWithin("regions 2/5 at 1073.15 K", 0.01, 0.01);
}

TEST(LoadedTable, WhatEachLoadHolds)
{
    ResetLoadedCoefficients();
    LoadRegionCoefficients(2);
    EXPECT_EQ(RegN, 43);
    EXPECT_EQ(IdealN, 9);
    EXPECT_EQ(RegI[1], 1);
    EXPECT_EQ(RegJ[1], 0);
    EXPECT_EQ(IdealJ[3], -5);
    EXPECT_EQ(RegCoef[0], 0.0);

    LoadRegionCoefficients(3);
    EXPECT_EQ(RegN, 40);
    EXPECT_EQ(RegI[1], 0);
    EXPECT_EQ(RegJ[1], 0);
    EXPECT_EQ(RegCoef[1], 1.0658070028513);
    EXPECT_EQ(RegI[40], 11);
    EXPECT_EQ(RegJ[40], 26);
    EXPECT_EQ(IdealN, 9) << "region 3 leaves the ideal-gas part of region 2";
    EXPECT_EQ(IdealJ[3], -5);

    LoadRegionCoefficients(5);
    EXPECT_EQ(RegN, 5);
    EXPECT_EQ(IdealN, 6);
    const int j5[] = {0, 0, 1, 3, 9, 3};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(RegJ[i], j5[i]) << i;

    LoadRegionCoefficients(1);
    LoadRegionCoefficients(4);
    EXPECT_EQ(RegN, 10);
    EXPECT_EQ(RegCoef[1], 1167.0521452767);
    EXPECT_EQ(RegI.size(), 35u) << "region 4 keeps the exponents of region 1";
    EXPECT_EQ(RegJ.size(), 35u);
    EXPECT_EQ(LastLoadedRegion, 4);
}

TEST(LoadedTable, RepeatedAndRefusedCodes)
{
    ResetLoadedCoefficients();
    LoadRegionCoefficients(1);
    const int* before = RegI.data();
    LoadRegionCoefficients(1);
    EXPECT_EQ(RegI.data(), before);
    EXPECT_EQ(RegN, 34);

    for (int code : {0, 6, -1}) {
        LoadRegionCoefficients(code);
        EXPECT_EQ(LastLoadedRegion, code);
        EXPECT_EQ(RegN, 34) << "a refused code loads nothing";
        EXPECT_EQ(RegI.data(), before);
    }
    // The solver's start of a calculation: the next load fills the table afresh.
    LoadRegionCoefficients(3);
    LastLoadedRegion = 0;
    LoadRegionCoefficients(3);
    EXPECT_EQ(RegN, 40);
    EXPECT_EQ(LastLoadedRegion, 3);
}

TEST(FreeEnergy, RegionsWithoutBranchAndResidualSwitch)
{
    LoadRegionCoefficients(1);
    EXPECT_EQ(CalcGamma(3, 1.0, 1.0), 0.0);
    EXPECT_EQ(CalcGamma(4, 1.0, 1.0), 0.0);
    EXPECT_EQ(CalcPhi(1, 1.0, 1.0), 0.0);
    EXPECT_EQ(CalcPhiDeltaTau(2, 1.0, 1.0), 0.0);
    const double pi1 = 3 / 16.53, tau1 = 1386 / 300.0;
    EXPECT_EQ(CalcGammaPi(1, pi1, tau1, 0), CalcGammaPi(1, pi1, tau1, -1));
    EXPECT_EQ(CalcGammaPiPi(1, pi1, tau1, 0), CalcGammaPiPi(1, pi1, tau1, 1));

    for (int region : {2, 5}) {
        LoadRegionCoefficients(region);
        const double pi = 0.7, tau = region == 2 ? 540 / 700.0 : 1000 / 1500.0;
        EXPECT_NEAR(CalcGammaPi(region, pi, tau, 0) - CalcGammaPi(region, pi, tau, -1), 1 / pi, 1e-14);
        EXPECT_NEAR(CalcGammaPiPi(region, pi, tau, 0) - CalcGammaPiPi(region, pi, tau, -1), -1 / (pi * pi), 1e-14);
        EXPECT_EQ(CalcGammaPiTau(region, pi, tau, 0), CalcGammaPiTau(region, pi, tau, -1));
    }
}

// The evaluators read whatever table is loaded: a state kept from one table must not
// answer for another.
TEST(FreeEnergy, KeptStateFollowsTheLoadedTable)
{
    ResetLoadedCoefficients();
    ResetFreeEnergyCache();
    const double pi = 3 / 16.53, tau = 1386 / 300.0;
    LoadRegionCoefficients(1);
    const double full = CalcGammaTau(1, pi, tau);
    LoadRegionCoefficients(4); // ten saturation coefficients over region 1's exponents
    const double mixed = CalcGammaTau(1, pi, tau);
    EXPECT_NE(mixed, full);
    LoadRegionCoefficients(1);
    EXPECT_EQ(CalcGammaTau(1, pi, tau), full);
    ResetLoadedCoefficients();
    EXPECT_EQ(CalcGammaTau(1, pi, tau), 0.0) << "nothing loaded, nothing summed";
}

// The plain evaluation: every term summed in table order with general powers. Beside
// each sum it keeps the sum of the terms' magnitudes, the scale of its rounding error.
struct Plain {
    double value[6] = {};
    double scale[6] = {};
    void Add(int k, double term)
    {
        value[k] += term;
        scale[k] += std::abs(term);
    }
};

Plain PlainSums(std::span<const if97::PowerTerm> terms, double a, double b, double signA)
{
    Plain s;
    for (const auto& t : terms) {
        const double I = t.I, J = t.J, n = t.n;
        s.Add(0, n * std::pow(a, I) * std::pow(b, J));
        s.Add(1, signA * n * I * std::pow(a, I - 1) * std::pow(b, J));
        s.Add(2, n * I * (I - 1) * std::pow(a, I - 2) * std::pow(b, J));
        s.Add(3, n * std::pow(a, I) * J * std::pow(b, J - 1));
        s.Add(4, n * std::pow(a, I) * J * (J - 1) * std::pow(b, J - 2));
        s.Add(5, signA * n * I * std::pow(a, I - 1) * J * std::pow(b, J - 1));
    }
    return s;
}

// gamma and its derivatives in the order gamma, pi, pipi, tau, tautau, pitau.
Plain PlainGibbs(int region, double pi, double tau, bool residualOnly)
{
    if (region == 1)
        return PlainSums(if97::Region1Terms, 7.1 - pi, tau - 1.222, -1.0);
    const bool two = region == 2;
    Plain s = PlainSums(two ? std::span<const if97::PowerTerm>(if97::Region2ResidualTerms)
                            : std::span<const if97::PowerTerm>(if97::Region5ResidualTerms),
                        pi, two ? tau - 0.5 : tau, 1.0);
    s.Add(0, std::log(pi));
    if (!residualOnly) {
        s.Add(1, 1 / pi);
        s.Add(2, -1 / std::pow(pi, 2));
    }
    for (const auto& t : two ? std::span<const if97::PowerTerm>(if97::Region2IdealTerms)
                             : std::span<const if97::PowerTerm>(if97::Region5IdealTerms)) {
        const double J = t.J;
        s.Add(0, t.n * std::pow(tau, J));
        s.Add(3, t.n * J * std::pow(tau, J - 1));
        s.Add(4, t.n * J * (J - 1) * std::pow(tau, J - 2));
    }
    return s;
}

// phi and its derivatives in the order phi, delta, deltadelta, tau, tautau, deltatau.
Plain PlainHelmholtz(double tau, double delta)
{
    const double n1 = if97::Region3Terms[0].n;
    Plain s = PlainSums(std::span<const if97::PowerTerm>(if97::Region3Terms).subspan(1), delta, tau, 1.0);
    s.Add(0, n1 * std::log(delta));
    s.Add(1, n1 / delta);
    s.Add(2, -n1 / std::pow(delta, 2));
    return s;
}

// Within 1e-13 relative, or within the rounding level of the plain sum where its terms
// cancel (there the plain sum itself is off by far more than 1e-13 relative).
struct Agreement {
    double worst = 0.0;
    void Check(const double (&fast)[6], const Plain& plain, const char* what, double a, double b)
    {
        for (int k = 0; k < 6; ++k) {
            const double diff = std::abs(fast[k] - plain.value[k]);
            worst = std::max(worst, diff / std::abs(plain.value[k]));
            EXPECT_LE(diff, 1e-13 * std::abs(plain.value[k]) + 2e-15 * plain.scale[k])
                << what << " derivative " << k << " at " << a << ", " << b << ": " << fast[k] << " vs " << plain.value[k];
        }
    }
};

TEST(FreeEnergy, AgreesWithPlainPowerSumsOnRandomStates)
{
    std::mt19937_64 random(97);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    Agreement agree;
    for (int k = 0; k < 3000; ++k) {
        // Region 1: 273.15 K to 623.15 K up to 100 MPa.
        const double T1 = uniform(273.15, 623.15);
        const double p1 = uniform(GetSatPressure(T1), 100.0);
        // Region 2: up to 1073.15 K, below the saturation or B23 pressure.
        const double T2 = uniform(273.15, 1073.15);
        const double pMax2 = T2 <= 623.15 ? GetSatPressure(T2) : T2 <= 863.15 ? GetB23Pressure(T2) : 100.0;
        const double p2 = uniform(1e-6, pMax2);
        // Region 5 (1997): 1073.15 K to 2273.15 K up to 10 MPa.
        const double T5 = uniform(1073.15, 2273.15);
        const double p5 = uniform(1e-6, 10.0);
        const struct { int region; double p, T, pStar, tStar; } states[] = {
            {1, p1, T1, 16.53, 1386.0}, {2, p2, T2, 1.0, 540.0}, {5, p5, T5, 1.0, 1000.0}};
        for (const auto& st : states) {
            const double pi = st.p / st.pStar, tau = st.tStar / st.T;
            LoadRegionCoefficients(st.region);
            for (int residual : {0, -1}) {
                const double fast[6] = {CalcGamma(st.region, pi, tau), CalcGammaPi(st.region, pi, tau, residual),
                                        CalcGammaPiPi(st.region, pi, tau, residual), CalcGammaTau(st.region, pi, tau),
                                        CalcGammaTauTau(st.region, pi, tau), CalcGammaPiTau(st.region, pi, tau, residual)};
                agree.Check(fast, PlainGibbs(st.region, pi, tau, residual != 0), "gamma", pi, tau);
            }
        }
        // Region 3: 623.15 K to 863.15 K, densities of the region.
        const double T3 = uniform(623.15, 863.15), rho3 = uniform(100.0, 760.0);
        const double tau = 647.096 / T3, delta = rho3 / 322.0;
        LoadRegionCoefficients(3);
        const double fast[6] = {CalcPhi(3, tau, delta), CalcPhiDelta(3, tau, delta), CalcPhiDeltaDelta(3, tau, delta),
                                CalcPhiTau(3, tau, delta), CalcPhiTauTau(3, tau, delta), CalcPhiDeltaTau(3, tau, delta)};
        agree.Check(fast, PlainHelmholtz(tau, delta), "phi", delta, tau);
    }
    RecordProperty("worst_relative_difference", std::to_string(agree.worst));
}

} // namespace
} // namespace vq
