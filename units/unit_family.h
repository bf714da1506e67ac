// Units and unit families: the records behind every unit list and conversion.
#pragma once

#include "common/preference_records.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// List state of one unit.
enum UnitListState : int {
    UnitNotOffered = 0, // exists for conversions, never listed
    UnitInUse = 1,      // listed in the unit lists
    UnitNotInUse = 2,   // offered in the unit dialog, left out of the unit lists
};

// Family codes that other subsystems name directly.
enum UnitFamilyCode : int {
    LengthFamily = 0,
    VelocityFamily = 3,
    MassFlowRateFamily = 5,
    PressureFamily = 6,
    TemperatureFamily = 7,
    DensityFamily = 8,
    PowerFamily = 9,
    DiameterFamily = 10,
    PressureDifferentialFamily = 11,
    PressureAbsoluteFamily = 12,
    ConductivityFamily = 15,
    SpecificHeatFamily = 16,
    ViscosityFamily = 19,
    MonetaryFamily = 20,
    EnthalpyFamily = 21,
    PercentFractionalFamily = 22,
    HeatRateFamily = 25,
    TemperatureDifferentialFamily = 26,
    MassFamily = 28,
    SpecificVolumeFamily = 32,
    EntropyFamily = 33,
    InternalEnergyFamily = 34,
    KinematicViscosityFamily = 35,
};

// One unit. Fields are read and written directly by the family and the unit routines.
class CUnitType {
public:
    std::string Name;     // abbreviation: the key stored in files and shown in lists
    std::string LongName; // description shown by the unit dialog
    int UnitSystem = UnitSystemGeneral;
    int ListState = UnitInUse;
    int IsCustom = 0;
    double Factor = 1.0; // value in base units, for user-defined monetary units
    double ExtraValue = 0.0;
    int ExtraCode1 = 0;
    int ExtraCode2 = 0;
    std::string ExtraText = NoUnitsMarker;
};

// One unit family: its units kept sorted by upper-cased name, and a default unit per
// unit system. Positions are 1-based; the family's own lookups match names exactly.
class CUnitFamily {
public:
    std::string Name;
    int Flag = 0; // 1: takes part in the unit preferences
    std::string BaseUnits;

    // Adds a unit in sorted position; an exact duplicate name changes nothing.
    void AddUnitType(const std::string& name, int unitSystem, int listState, const std::string& longName,
                     int isCustom);
    // Replaces this family's contents by a copy of other.
    void CopyMeFrom(const CUnitFamily& other);
    // Name of the default unit of a unit system (0, 1 or 2); the first unit when unset;
    // the no-units marker for a family without units.
    std::string DefaultUnits(int system) const;
    void DeleteUnitType(const std::string& name);
    // Position of the unit with exactly this name, 0 when none.
    int GetCustomIndex(const std::string& name) const;
    int NewUnitTypeIndex() const { return newUnitTypeIndex_; }
    void RemoveCustomUnits();
    // Sets the default of |system|; a negative system sets the general default too.
    void SetDefaultUnitType(const std::string& name, int system);
    // The stored unit at a position, or null outside 1..NumUnits.
    CUnitType* UnitType(int position) const;
    // Replaces the unit at a position inside 1..NumUnits; otherwise nothing changes.
    void SetUnitType(int position, std::unique_ptr<CUnitType> unit);
    int NumUnits() const { return static_cast<int>(units_.size()); }

private:
    std::array<int, 3> defaultIndex_{}; // by unit system; 0 = not set
    int newUnitTypeIndex_ = 0;
    std::vector<std::unique_ptr<CUnitType>> units_; // position p is units_[p - 1]

    void KeepDefaultsInRange();
};

// The 36 families, indexed by family code. Empty until BuildUnitFamilies runs.
extern std::array<std::unique_ptr<CUnitFamily>, NumUnitFamilies> UnitFamilies;

// The family of a code, or null for a code outside 0..35 or before the catalogue exists.
CUnitFamily* GetUnitFamily(int family);

// Releases every family (exit sequence, tests).
void ReleaseUnitFamilies();

// Index of the first unit named unitName (case ignored, blanks trimmed): its position
// when offered, 0 when it exists but is not offered, -1 when no unit has that name.
int FindUnitIndex(int family, std::string_view unitName);

// The first family code whose name equals name (case ignored), -1 when none.
int FindUnitFamily(std::string_view name);

} // namespace vq
