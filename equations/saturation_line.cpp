#include "equations/saturation_line.h"

#include "equations/finite_result.h"
#include "equations/if97_coefficients.h"

#include <cmath>

namespace vq {

namespace {

constexpr auto& c = if97::SaturationCoefficients;
constexpr double n1 = c[0], n2 = c[1], n3 = c[2], n4 = c[3], n5 = c[4];
constexpr double n6 = c[5], n7 = c[6], n8 = c[7], n9 = c[8], n10 = c[9];

} // namespace

double GetSatPressure(double T)
{
    const double theta = T + n9 / (T - n10);
    const double A = theta * theta + n1 * theta + n2;
    const double B = n3 * theta * theta + n4 * theta + n5;
    const double C = n6 * theta * theta + n7 * theta + n8;
    const double root = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double square = root * root;
    return FiniteOrNaN(square * square);
}

double GetSatTemperature(double p)
{
    const double beta = std::sqrt(std::sqrt(p));
    const double E = beta * beta + n3 * beta + n6;
    const double F = n1 * beta * beta + n4 * beta + n7;
    const double G = n2 * beta * beta + n5 * beta + n8;
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double sum = n10 + D;
    return FiniteOrNaN((sum - std::sqrt(sum * sum - 4.0 * (n9 + n10 * D))) / 2.0);
}

} // namespace vq
