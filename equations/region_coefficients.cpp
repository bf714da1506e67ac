#include "equations/region_coefficients.h"

#include "equations/if97_coefficients.h"

#include <array>
#include <cstddef>

namespace vq {

namespace {

using if97::PowerTerm;

// Columns of a coefficient table with a leading zero entry, so that entry i is row i.
template <std::size_t N>
struct Columns {
    std::array<int, N + 1> I{};
    std::array<int, N + 1> J{};
    std::array<double, N + 1> n{};
    static constexpr int count = static_cast<int>(N);
};

template <std::size_t N>
constexpr Columns<N> MakeColumns(const PowerTerm (&terms)[N])
{
    Columns<N> c;
    for (std::size_t i = 0; i < N; ++i) {
        c.I[i + 1] = terms[i].I;
        c.J[i + 1] = terms[i].J;
        c.n[i + 1] = terms[i].n;
    }
    return c;
}

template <std::size_t N>
constexpr std::array<double, N + 1> MakeCoefficients(const double (&values)[N])
{
    std::array<double, N + 1> c{};
    for (std::size_t i = 0; i < N; ++i)
        c[i + 1] = values[i];
    return c;
}

constexpr auto Region1 = MakeColumns(if97::Region1Terms);
constexpr auto Region2Ideal = MakeColumns(if97::Region2IdealTerms);
constexpr auto Region2Residual = MakeColumns(if97::Region2ResidualTerms);
constexpr auto Region3 = MakeColumns(if97::Region3Terms);
constexpr auto Region4 = MakeCoefficients(if97::SaturationCoefficients);
constexpr auto Region5Ideal = MakeColumns(if97::Region5IdealTerms);
constexpr auto Region5Residual = MakeColumns(if97::Region5ResidualTerms);

template <typename C>
void PointMain(const C& c)
{
    RegN = C::count;
    RegI = c.I;
    RegJ = c.J;
    RegCoef = c.n;
}

template <typename C>
void PointIdeal(const C& c)
{
    IdealN = C::count;
    IdealJ = c.J;
    IdealCoef = c.n;
}

} // namespace

int RegN = 0;
std::span<const int> RegI;
std::span<const int> RegJ;
std::span<const double> RegCoef;
int IdealN = 0;
std::span<const int> IdealJ;
std::span<const double> IdealCoef;
int LastLoadedRegion = 0;

void LoadRegionTable(int region)
{
    switch (region) {
    case 1:
        PointMain(Region1);
        break;
    case 2:
        PointIdeal(Region2Ideal);
        PointMain(Region2Residual);
        break;
    case 3:
        PointMain(Region3);
        break;
    case 4:
        RegN = static_cast<int>(Region4.size()) - 1;
        RegCoef = Region4;
        break;
    case 5:
        PointIdeal(Region5Ideal);
        PointMain(Region5Residual);
        break;
    default:
        break;
    }
    LastLoadedRegion = region;
}

void ResetLoadedCoefficients()
{
    RegN = 0;
    RegI = {};
    RegJ = {};
    RegCoef = {};
    IdealN = 0;
    IdealJ = {};
    IdealCoef = {};
    LastLoadedRegion = 0;
}

} // namespace vq
