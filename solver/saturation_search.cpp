#include "solver/saturation_search.h"

#include "common/user_interface.h"
#include "equations/asme_error.h"
#include "equations/saturation_line.h"
#include "solver/asme_conversion.h"
#include "solver/asme_error_messages.h"
#include "solver/formulation_limits.h"
#include "solver/root_search.h"
#include "solver/saturation_state.h"
#include "preferences/output_mod.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vq {

std::array<double, 2> SolutionTSat{};
std::array<std::string, 2> SolutionTSatUnits;
std::array<double, 2> SolutionPSat{};
std::array<std::string, 2> SolutionPSatUnits;
int ChosenSolution = 1;

void ResetSaturationSearch()
{
    SolutionTSat = {};
    SolutionTSatUnits = {};
    SolutionPSat = {};
    SolutionPSatUnits = {};
    ChosenSolution = 1;
}

namespace {

double SideValue(int code, int side, double T, double x)
{
    const SaturationPoint sat = SaturationAtTemperature(T);
    return sat.valid ? SaturatedProperty(code, side, sat, x) : std::nan("");
}

// Saturated properties that turn back along the line have two saturation states for
// one value: the vapour enthalpy and internal energy (a maximum near 508 K) and the
// liquid density and specific volume (the density maximum near 277 K). Their extremum
// splits the line; sign is +1 for a maximum, -1 for a minimum. Computed once.
struct TurningPoint {
    double T;
    int sign;
};

std::optional<TurningPoint> FindTurningPoint(int code, int side)
{
    auto locate = [](int c, int sd, int sign, double a, double b) {
        const PlainFunction f = [c, sd, sign](double T) { return sign * SideValue(c, sd, T, 1.0); };
        return TurningPoint{GoldenSectionMaximum(f, a, b, 1e-9), sign};
    };
    if (side == 1 && code == 3) {
        static const TurningPoint enthalpy = locate(3, 1, 1, 450.0, 560.0);
        return enthalpy;
    }
    if (side == 1 && code == 7) {
        static const TurningPoint energy = locate(7, 1, 1, 450.0, 560.0);
        return energy;
    }
    if (side == 0 && code == 4) {
        static const TurningPoint density = locate(4, 0, 1, LowestTemperature, 300.0);
        return density;
    }
    if (side == 0 && code == 5) {
        static const TurningPoint volume = locate(5, 0, -1, LowestTemperature, 300.0);
        return volume;
    }
    return std::nullopt;
}

std::optional<double> SearchBracket(int code, int side, double target, double x, double lo, double hi)
{
    const PlainFunction f = [=](double T) { return SideValue(code, side, T, x) - target; };
    double fLo = f(lo), fHi = f(hi);
    if (!Straddles(fLo, fHi)) {
        // A mixture can turn back within the range: take the first crossing from below.
        const Bracket b = ScanForBracket(f, lo, hi, 32, false);
        if (!b.found)
            return std::nullopt;
        lo = b.lo;
        hi = b.hi;
        fLo = b.fLo;
        fHi = b.fHi;
    }
    const RootResult r = FalsePositionInBracket(f, lo, hi, fLo, fHi, 1e-14);
    if (!r.found || !std::isfinite(r.x))
        return std::nullopt;
    // Next to the critical point the sides jump where they are not resolved: a sign
    // change there is no saturation state of the target.
    if (!(std::abs(f(r.x)) <= 1e-9 * std::max(1.0, std::abs(target))))
        return std::nullopt;
    return r.x;
}

} // namespace

void SolveSaturationState(int code, double target, int side, int /*region*/, double& p, double& T, double& rho,
                          double x, double* rhoVapour)
{
    SaturationPoint sat;
    ChosenSolution = 1;
    if (code == 1) {
        sat = SaturationAtPressure(target);
    } else if (code == 2) {
        sat = SaturationAtTemperature(target);
    } else if (code >= 3 && code <= 7 && std::isfinite(target)) {
        double split = LowestTemperature;
        bool twoSolutions = false;
        if (const auto turn = FindTurningPoint(code, side)) {
            split = turn->T;
            twoSolutions = turn->sign * target > turn->sign * SideValue(code, side, LowestTemperature, 1.0);
        }
        std::optional<double> chosen;
        if (twoSolutions) {
            const auto low = SearchBracket(code, side, target, x, LowestTemperature, split);
            const auto high = low ? SearchBracket(code, side, target, x, split, CriticalTemperature) : std::nullopt;
            if (low && high) {
                const std::array<double, 2> temps{*low, *high};
                SolutionChoice choice;
                for (int j = 0; j < 2; ++j) {
                    SolutionTSat[j] = ConvertAsmeOutput(temps[j], 2);
                    SolutionTSatUnits[j] = OutputParams(2).Units;
                    SolutionPSat[j] = ConvertAsmeOutput(GetSatPressure(temps[j]), 1);
                    SolutionPSatUnits[j] = OutputParams(1).Units;
                    choice.tsat[j] = SolutionTSat[j];
                    choice.tsatUnits[j] = SolutionTSatUnits[j];
                    choice.psat[j] = SolutionPSat[j];
                    choice.psatUnits[j] = SolutionPSatUnits[j];
                }
                const int answer = CurrentUserInterface().ChooseSolution(choice);
                ChosenSolution = answer == 2 ? 2 : 1;
                chosen = temps[ChosenSolution - 1];
            }
        } else {
            if (split > LowestTemperature && side == 0)
                split = LowestTemperature; // the liquid's values beyond the turn are unique
            chosen = SearchBracket(code, side, target, x, split, CriticalTemperature);
        }
        if (chosen)
            sat = SaturationAtTemperature(*chosen);
    }
    if (!sat.valid) {
        SetAsmeError(ErrSaturationIterations);
        return;
    }
    p = sat.p;
    T = sat.T;
    rho = side == 1 ? sat.rhoVapour : sat.rhoLiquid;
    if (rhoVapour)
        *rhoVapour = sat.rhoVapour;
}

} // namespace vq
