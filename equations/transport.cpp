#include "equations/transport.h"

#include "equations/finite_result.h"

#include <cmath>

namespace vq {

namespace {

// Viscosity: the dilute-gas coefficients H0..H3 and the rows H[i][0..6], i = 0..5.
constexpr double ViscosityH[4] = {1.0, 0.978197, 0.579829, -0.202354};
constexpr double ViscosityHij[6][7] = {
    {0.5132047, 0.2151778, -0.2818107, 0.1778064, -0.0417661, 0.0, 0.0},
    {0.3205656, 0.7317883, -1.070786, 0.460504, 0.0, -0.01578386, 0.0},
    {0.0, 1.241044, -1.263184, 0.2340379, 0.0, 0.0, 0.0},
    {0.0, 1.476783, 0.0, -0.4924179, 0.1600435, 0.0, -0.003629481},
    {-0.7782567, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {0.1885447, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
};

} // namespace

double CalcViscosity(double T, double rho)
{
    const double t = T / 647.226;
    const double d = rho / 317.763;
    double dilute = 0.0;
    double inverse = 1.0;
    for (double h : ViscosityH) {
        dilute += h * inverse;
        inverse /= t;
    }
    const double mu0 = std::sqrt(t) / dilute;
    const double a = 1.0 / t - 1.0;
    const double b = d - 1.0;
    double sum = 0.0;
    double ai = 1.0;
    for (const auto& row : ViscosityHij) {
        double bj = 1.0;
        for (double h : row) {
            if (h != 0.0)
                sum += h * ai * bj;
            bj *= b;
        }
        ai *= a;
    }
    const double mu1 = std::exp(d * sum);
    return FiniteOrNaN(mu0 * mu1 * 55.071e-6);
}

double CalcThermalConductivity(double T, double rho)
{
    constexpr double a0 = 0.0102811, a1 = 0.0299621, a2 = 0.0156146, a3 = -0.00422464;
    constexpr double b0 = -0.39707, b1 = 0.400302, b2 = 1.06;
    constexpr double B1 = -0.171587, B2 = 2.39219;
    constexpr double d1 = 0.0701309, d2 = 0.011852, d3 = 0.00169937, d4 = -1.02;
    constexpr double C1 = 0.642857, C2 = -4.11717, C3 = -6.17937, C4 = 0.00308976, C5 = 0.0822994, C6 = 10.0932;

    const double t = T / 647.26;
    const double d = rho / 317.7;
    const double lambda0 = std::sqrt(t) * (a0 + t * (a1 + t * (a2 + t * a3)));
    const double shifted = d + B2;
    const double lambda1 = b0 + b1 * d + b2 * std::exp(B1 * shifted * shifted);

    const double dt = std::abs(t - 1.0) + C4;
    const double dt06 = std::pow(dt, 0.6);
    const double Q = 2.0 + C5 / dt06;
    const double S = t >= 1.0 ? 1.0 / dt : C6 / dt06;
    const double t2 = t * t, t5 = t2 * t2 * t;
    const double d2sq = d * d, d5 = d2sq * d2sq * d;
    const double lambda2 = (d1 / (t5 * t5) + d2) * std::pow(d, 1.8) * std::exp(C1 * (1.0 - std::pow(d, 2.8)))
                           + d3 * S * std::pow(d, Q) * std::exp((Q / (1.0 + Q)) * (1.0 - std::pow(d, 1.0 + Q)))
                           + d4 * std::exp(C2 * std::pow(t, 1.5) + C3 / d5);
    return FiniteOrNaN(lambda0 + lambda1 + lambda2);
}

} // namespace vq
