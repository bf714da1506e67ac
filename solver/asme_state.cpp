#include "solver/asme_state.h"

#include "common/program_identity.h"
#include "common/user_interface.h"
#include "equations/asme_error.h"
#include "equations/flag_values.h"
#include "equations/region_boundaries.h"
#include "equations/region_coefficients.h"
#include "equations/saturation_line.h"
#include "preferences/output_mod.h"
#include "solver/asme_conversion.h"
#include "solver/asme_error_messages.h"
#include "solver/asme_property.h"
#include "solver/backward_equations.h"
#include "solver/formulation_limits.h"
#include "solver/forward_state.h"
#include "solver/iterative_solvers.h"
#include "solver/region_selection.h"
#include "solver/result_table.h"
#include "solver/root_search.h"
#include "solver/saturation_input_check.h"
#include "solver/saturation_search.h"
#include "solver/saturation_state.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vq {
namespace {

// The state of one calculation. rho is the region-3 density, or in region 4 the
// density of the side that phase names (the liquid's for a mixture); rhoVapour is the
// saturated vapour's.
struct StatePoint {
    int region = 0;
    int phase = 2;
    double p = 0.0;
    double T = 0.0;
    double rho = 0.0;
    double x = NotApplicableValue;
    double rhoVapour = NoVapourDensity;
};

// Relative residual to which a polished state reproduces its inputs.
constexpr double PolishTolerance = 1e-12;

double Tolerance(double target)
{
    return PolishTolerance * std::max(1.0, std::abs(target));
}

// T at p in region 1 or 2 from the backward equation, then made exact on the forward
// equation. The backward value stands when the steps do not settle.
double BackwardTemperature(int region, double p, int code, double target)
{
    double T = CalcBackwardTemperature(p, code, target, region);
    if (!std::isfinite(T))
        return T;
    const RootFunction f = [region, p, code, target](double t) {
        const ValueAndSlope v = GibbsProperty(EvaluateGibbs(region, p, t), code, GibbsVariable::Temperature);
        return RootEval{v.value - target, v.slope};
    };
    NewtonPolish1(f, T, Tolerance(target));
    return T;
}

// Region-3 (rho, T) at p from the backward equations with h (code 3) or s (code 6),
// made exact on the region-3 equation.
void BackwardRegion3(double p, int code, double target, double& T, double& rho)
{
    T = CalcBackwardTemperature(p, code, target, 3);
    rho = CalcBackwardDensity(p, code, target, 3);
    if (!std::isfinite(T) || !std::isfinite(rho))
        return;
    const Function2 f = [p, code, target](double d, double t) {
        const HelmholtzState st = EvaluateHelmholtz(t, d);
        const ValueAndSlope byRho = HelmholtzProperty(st, code, HelmholtzVariable::Density);
        const ValueAndSlope byT = HelmholtzProperty(st, code, HelmholtzVariable::Temperature);
        return Residual2{st.p - p, byRho.value - target, st.pRho, st.pT, byRho.slope, byT.slope};
    };
    NewtonPolish2(f, rho, T, Tolerance(p), Tolerance(target));
}

// The relative tolerance of a solved state: on the range's limits and on the inputs it
// must give back.
constexpr double SolvedStateMargin = 1e-9;

bool Reproduces(double found, double typed)
{
    return std::abs(found - typed) <= SolvedStateMargin * std::max(1.0, std::abs(typed));
}

// True when a solved state lies in the range, its upper limits highestT and the highest
// pressure widened by upperMargin, and gives back both typed values. foundValues returns
// the state's values of the two inputs; it is called only for a state in the range.
template <class FoundValues>
bool SolvedStateHolds(const StatePoint& st, double highestT, double upperMargin, double typed1, double typed2,
                      FoundValues foundValues)
{
    const double margin = SolvedStateMargin;
    const bool inRange = st.p >= LowestPressure * (1 - margin) && st.p <= HighestPressure * (1 + upperMargin) &&
                         st.T >= LowestTemperature * (1 - margin) && st.T <= highestT * (1 + upperMargin);
    if (!inRange)
        return false;
    const auto [found1, found2] = foundValues();
    return Reproduces(found1, typed1) && Reproduces(found2, typed2);
}

// An enthalpy-entropy pair can name a state below the lowest pressure (at entropies above
// the saturated vapour's at 273.15 K) or below 273.15 K (liquid isentropes near 4 C fall
// in temperature as the pressure rises): such a state, or one that the search did not
// reach, is out of range. The upper limits allow for the small step between the region-2
// and region-3 equations at their boundary, which reaches 100 MPa at 863.15 K.
void CheckEnthalpyEntropyState(const StatePoint& st, double h, double s, double hFound, double sFound)
{
    const double stepMargin = 1e-4;
    if (!SolvedStateHolds(st, Region25Temperature, stepMargin, h, s, [&] { return std::pair{hFound, sFound}; }))
        SetAsmeError(ErrHSOutOfRange);
}

// The state of an enthalpy-entropy pair in region 1, 2 or 3.
void SolveEnthalpyEntropy(double h, double s, StatePoint& st)
{
    const int region = st.region;
    st.p = CalcBackwardPressure(h, s, region);
    st.T = CalcBackwardTemperature(st.p, 3, h, region);
    if (region == 3) {
        st.rho = CalcBackwardDensity(st.p, 3, h, 3);
        const Function2 f = [h, s](double d, double t) {
            const HelmholtzState e = EvaluateHelmholtz(t, d);
            return Residual2{e.h - h, e.s - s, e.hRho, e.hT, e.sRho, e.sT};
        };
        NewtonPolish2(f, st.rho, st.T, Tolerance(h), Tolerance(s));
        const HelmholtzState e = EvaluateHelmholtz(st.T, st.rho);
        st.p = e.p;
        CheckEnthalpyEntropyState(st, h, s, e.h, e.s);
        return;
    }
    const Function2 f = [region, h, s](double pr, double t) {
        const GibbsState e = EvaluateGibbs(region, pr, t);
        return Residual2{e.h - h, e.s - s, e.EnthalpyP(), e.cp, e.EntropyP(), e.EntropyT()};
    };
    NewtonPolish2(f, st.p, st.T, Tolerance(h), Tolerance(s));
    const GibbsState e = EvaluateGibbs(region, st.p, st.T);
    CheckEnthalpyEntropyState(st, h, s, e.h, e.s);
}

void SolveRegion125(int code1, double y1, int code2, double y2, StatePoint& st)
{
    const int region = st.region;
    if (code1 == 1) {
        st.p = y1;
        if (region == 1)
            st.T = 450.0;
        else if (region == 2)
            st.T = st.p < Region13CornerPressure ? GetSatTemperature(st.p) : GetB23Temperature(st.p);
        else
            st.T = 1600.0;
        switch (code2) {
        case 2: st.T = y2; break;
        case 3:
        case 6:
            if (region == 5)
                SolveTemperature(code2, y2, st.phase, region, st.p, st.T, st.rho);
            else
                st.T = BackwardTemperature(region, st.p, code2, y2);
            break;
        case 4:
        case 5: SolveTemperature(code2, y2, st.phase, region, st.p, st.T, st.rho); break;
        default: SetAsmeError(ErrPropertyCombination); break;
        }
    } else if (code1 == 2) {
        st.T = y1;
        st.p = region == 1 ? 10.0 : region == 2 ? 0.01 : 5.0;
        if (code2 >= 3 && code2 <= 6)
            SolvePressure(code2, y2, st.phase, region, st.p, st.T, st.rho);
        else
            SetAsmeError(ErrPropertyCombination);
    } else if (code1 == 3 && code2 == 6 && region != 5) {
        SolveEnthalpyEntropy(y1, y2, st);
    } else {
        SetAsmeError(ErrPropertyCombination);
    }
}

void SolveRegion3(int code1, double y1, int code2, double y2, StatePoint& st)
{
    if (code1 == 1) {
        st.p = y1;
        switch (code2) {
        case 2:
            st.T = y2;
            st.rho = GetRegion3StartDensity(st.p, st.T);
            SolveDensity(1, st.p, st.phase, 3, st.p, st.T, st.rho);
            break;
        case 3:
        case 6: BackwardRegion3(st.p, code2, y2, st.T, st.rho); break;
        case 4:
        case 5:
            st.rho = code2 == 4 ? y2 : 1.0 / y2;
            st.T = 740.0;
            SolveTemperature(1, st.p, st.phase, 3, st.p, st.T, st.rho);
            break;
        default: SetAsmeError(ErrPropertyCombination); break;
        }
    } else if (code1 == 2) {
        st.T = y1;
        switch (code2) {
        case 4:
        case 5: SolvePressure(code2, y2, st.phase, 3, st.p, st.T, st.rho); break;
        case 3:
        case 6: SolvePressureDensity(code2, y2, st.p, st.T, st.rho); break;
        default: SetAsmeError(ErrPropertyCombination); break;
        }
    } else if (code1 == 3 && code2 == 6) {
        SolveEnthalpyEntropy(y1, y2, st);
    } else {
        SetAsmeError(ErrPropertyCombination);
    }
}

// A single-phase pair that lies on the saturation line: the quality follows from the
// second property (from the specific volume for a density).
void SolveTwoPhase(int code1, double y1, int code2, double y2, StatePoint& st)
{
    SaturationPoint sat;
    if (code1 == 1) {
        if (code2 == 2) {
            SetAsmeError(ErrPTOnSaturationLine);
            return;
        }
        sat = SaturationAtPressure(y1);
    } else if (code1 == 2) {
        sat = SaturationAtTemperature(y1);
    }
    if (code1 != 1 && code1 != 2) {
        SetAsmeError(ErrPropertyCombination);
        return;
    }
    if (code2 < 3 || code2 > 6) {
        SetAsmeError(ErrPropertyCombination);
        return;
    }
    if (!sat.valid) {
        SetAsmeError(ErrSaturationIterations);
        return;
    }
    const int compared = code2 == 4 ? 5 : code2;
    const double value = code2 == 4 ? 1.0 / y2 : y2;
    const double liquid = SaturatedProperty(compared, 0, sat, 0.0);
    const double vapour = SaturatedProperty(compared, 1, sat, 1.0);
    const double x = (value - liquid) / (vapour - liquid);
    if (!std::isfinite(x)) {
        SetAsmeError(ErrSaturationIterations);
        return;
    }
    st.p = sat.p;
    st.T = sat.T;
    st.x = std::clamp(x, 0.0, 1.0);
    st.rho = sat.rhoLiquid;
    st.rhoVapour = sat.rhoVapour;
}

void SolveSaturatedInput(int code1, double y1, StatePoint& st)
{
    st.region = 4;
    if (SatInputOutOfRange(code1, y1, st.phase)) {
        AsmeErrorFlag = true;
        return;
    }
    SolveSaturationState(code1, y1, st.phase, st.region, st.p, st.T, st.rho, st.x, &st.rhoVapour);
    if (!AsmeErrorFlag)
        LoadRegionCoefficients(st.region, 0);
}

// Sets an error when a solved state holds a value that is not a number.
void CheckSolvedState(const StatePoint& st)
{
    if (AsmeErrorFlag)
        return;
    if (!std::isfinite(st.p) || st.p <= 0.0)
        SetAsmeError(ErrPressureIterations);
    else if (!std::isfinite(st.T) || st.T <= 0.0)
        SetAsmeError(ErrTemperatureIterations);
    else if ((st.region == 3 || (st.region == 4 && st.T > Region3SwitchTemperature)) &&
             (!std::isfinite(st.rho) || st.rho <= 0.0))
        SetAsmeError(ErrDensityIterations);
}

// The out-of-range error of a pair: that of its second property.
int PairRangeError(int code2)
{
    switch (code2) {
    case 2: return ErrTemperatureOutOfRange;
    case 3: return ErrEnthalpyOutOfRange;
    case 4: return ErrDensityOutOfRange;
    case 5: return ErrSpecificVolumeOutOfRange;
    default: return ErrEntropyOutOfRange;
    }
}

// Property code 1 to 6 of a single-phase state, from the equation of its region.
double StateProperty(const StatePoint& st, int code)
{
    if (st.region == 3)
        return HelmholtzProperty(EvaluateHelmholtz(st.T, st.rho), code, HelmholtzVariable::Density).value;
    return GibbsProperty(EvaluateGibbs(st.region, st.p, st.T), code, GibbsVariable::Temperature).value;
}

// A single-phase state solved from a pair other than enthalpy-entropy must lie in the
// range and give back both inputs; otherwise the pair is out of range. States that are
// not numbers are left to CheckSolvedState.
void CheckSolvedPair(int code1, double y1, int code2, double y2, const StatePoint& st)
{
    if (AsmeErrorFlag || st.region == 4 || code1 == 3 || !std::isfinite(st.p) || !std::isfinite(st.T))
        return;
    const auto found = [&] { return std::pair{StateProperty(st, code1), StateProperty(st, code2)}; };
    if (!SolvedStateHolds(st, HighestTemperature, SolvedStateMargin, y1, y2, found))
        SetAsmeError(PairRangeError(code2));
}

void StoreOutputs(int index, const StatePoint& st)
{
    const int mode = CurrentUserInterface().InputMode();
    const bool transposed = OutputPrefs.RowColOrder[mode == 0 ? 0 : 1] != 0;
    const int count = std::clamp(OutputPrefs.NumParams, 0, NumOutputParams);
    for (int k = 1; k <= count; ++k) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(k - 1)];
        double value = NotApplicableValue;
        if (!AsmeErrorFlag)
            value = CalcAsmeProperty(id, st.phase, st.region, st.p, st.T, st.rho, st.x, st.rhoVapour);
        if (!OutputParams(id).IsTextValue && IsResultValue(value))
            value = ConvertAsmeOutput(value, id);
        const int row = transposed ? index : k;
        const int col = transposed ? k : index;
        if (ResultTable.Contains(row, col))
            ResultTable(row, col) = value;
    }
}

} // namespace

void CalcAsmeState(int& index, int code1, double value1, const std::string& units1, int code2, double value2,
                   const std::string& units2, bool& failed)
{
    // The pair is put in order on copies; the caller's variables stay as they are.
    std::string unitsFirst = units1, unitsSecond = units2;
    LastLoadedRegion = 0;
    ClearAsmeError();
    if (code1 > code2) {
        std::swap(code1, code2);
        std::swap(value1, value2);
        std::swap(unitsFirst, unitsSecond);
    }

    StatePoint st;
    bool saturated = true;
    switch (code2) {
    case 9:
        st.phase = 0;
        st.x = 0.0;
        break;
    case 10:
        st.phase = 1;
        st.x = 1.0;
        break;
    case 8:
        st.phase = 2;
        st.x = ConvertAsmeInput(8, value2, unitsSecond);
        if (!(st.x >= 0.0 && st.x <= 1.0))
            SetAsmeError(ErrQualityOutOfRange);
        break;
    default: saturated = false; break;
    }

    if (!AsmeErrorFlag) {
        const double y1 = ConvertAsmeInput(code1, value1, unitsFirst);
        if (saturated) {
            SolveSaturatedInput(code1, y1, st);
        } else {
            const double y2 = ConvertAsmeInput(code2, value2, unitsSecond);
            if (code1 == 1)
                st.region = GetRegionFromPressure(y1, code2, y2);
            else if (code1 == 2)
                st.region = GetRegionFromTemperature(y1, code2, y2);
            else if (code1 == 3)
                st.region = GetRegionFromHS(y1, y2);
            LoadRegionCoefficients(st.region, 0);
            if (!AsmeErrorFlag) {
                switch (st.region) {
                case 1:
                case 2:
                case 5: SolveRegion125(code1, y1, code2, y2, st); break;
                case 3: SolveRegion3(code1, y1, code2, y2, st); break;
                case 4: SolveTwoPhase(code1, y1, code2, y2, st); break;
                default:
                    CurrentUserInterface().Message("Region = " + std::to_string(st.region),
                                                   MessageStyle::Exclamation, ProgramTitle);
                    failed = true;
                    return;
                }
                CheckSolvedPair(code1, y1, code2, y2, st);
            }
        }
        CheckSolvedState(st);
    }

    StoreOutputs(index, st);
    if (AsmeErrorFlag && CurrentUserInterface().InputMode() != 2) {
        ShowAsmeError();
        failed = true;
    }
}

} // namespace vq
