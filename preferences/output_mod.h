// The table of the 25 output parameters and the routines that build it, reset the
// output preferences, order the shown parameters and make result-table headers.
#pragma once

#include "common/preference_records.h"
#include "preferences/output_param.h"
#include "units/unit_lists.h"

#include <array>
#include <span>
#include <string>

namespace vq {

// Property codes of the parameters that other code names directly.
enum PropertyCode : int {
    PropPressure = 1,
    PropTemperature = 2,
    PropEnthalpy = 3,
    PropDensity = 4,
    PropSpecificVolume = 5,
    PropEntropy = 6,
    PropInternalEnergy = 7,
    PropQuality = 8,
    PropSaturatedLiquid = 9,
    PropSaturatedVapor = 10,
    PropPhase = 11,
    PropThermalConductivity = 12,
    PropViscosity = 13,
    PropCp = 14,
    PropCv = 15,
    PropSonicVelocity = 16,
    PropGamma = 17,
    PropPrandtl = 18,
    PropCompressibility = 19,
    PropKinematicViscosity = 20,
    PropBulkModulus = 21,
    PropSaturationTemperature = 22,
    PropSaturationPressure = 23,
    PropSubcool = 24,
    PropSuperheat = 25,
};

constexpr bool IsOutputParamId(int id)
{
    return id >= 1 && id <= NumOutputParams;
}

// The program-wide parameter array, indexed 1..25 by property code. Both
// OutputParams(id) and OutputParams[id] reach one parameter. An id outside 1..25
// reaches a blank scratch parameter without units (family -1, never listable), so
// a bad code can never touch a real entry or read out of bounds.
class OutputParamTable {
public:
    COutputParam& operator()(int id);
    const COutputParam& operator()(int id) const;
    COutputParam& operator[](int id) { return (*this)(id); }
    const COutputParam& operator[](int id) const { return (*this)(id); }

    // Back to blank parameters (as before InitOutputParams).
    void Clear();

private:
    std::array<COutputParam, NumOutputParams + 1> params_{}; // element 0 unused
    COutputParam scratch_;
};

extern OutputParamTable OutputParams;

// Builds the 25 parameters (names, headers, symbols, descriptions, units, families,
// default places). Reads ProgramTitle for one description.
void InitOutputParams();

// Releases the table (exit; tests use it as the reset).
void ReleaseOutputParams();

// Resets OutputPrefs and the list places and units of the parameters to the
// built-in defaults; display units come from UnitPrefs.PreferredUnits.
void SetDefaultOutputPrefs();

// Orders the parameters with a place >= 1 into order (entry k is order[k - 1]) by
// their ListPosition, renumbers the places 1..n and clears the rest of order.
// Unlisted parameters with units lose their display unit. count is the number of
// parameters examined (ids 1..count); it is capped at order's size and at 25.
void SortParamsByPosition(OutputParamTable& params, int count, std::span<int> order, int& n);

// Header text of parameter id for a result table. shortNames and wrap are the
// table kind's UseShortNames and WrapHeaders (1 = on).
std::string GetOutputParamHeader(int id, int shortNames, int wrap, bool showUnits);

// The unit list of parameter id (empty for a parameter without a unit family) with
// the unit named units selected; when units is NoUnitsMarker or not listed, the
// family's preferred (else default, else first) unit stays selected.
UnitListContents FillParamUnitsCombo(int id, const std::string& units);

} // namespace vq
