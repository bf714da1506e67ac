// Which units each family offers, the contents of the unit and family lists, and the
// per-family unit lines of the unit-preference sections.
#pragma once

#include "units/unit_family.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// List state changes of one unit (family code, 1-based unit index).
// In use -> not in use.
void SelectUnit(int family, int index);
// Not in use -> in use.
void DeselectUnit(int family, int index);
// Every unit of the family out of use.
void SelectFamilyUnits(int family);
// Every general and English unit back in use.
void AddEnglishUnits(int family);
// Every SI and general unit back in use.
void AddSIUnits(int family);

// The unit's list state; UnitNotOffered for a code or index outside the catalogue.
int GetUnitListState(int family, int index);
// True when the family has a unit of that name (case ignored) in use.
bool SetFamilyUnitState(int family, std::string_view unitName);
// With code -1 the first flagged family without a unit in use, otherwise code itself
// when it is such a family; -1 when there is none.
int FindNextFlaggedFamily(int code);
// The family's name; "" for a code outside 0..35.
std::string GetFamilyName(int code);
// The family's default unit for a unit system (0 general, 1 English, 2 SI).
std::string GetDefaultUnits(int family, int system);

// One item of a unit or family list: its text, its item data (a unit index or a
// family code) and, for the unit-preference dialog's list, whether it is selected.
struct UnitListItem {
    std::string Text;
    int ItemData = 0;
    bool Selected = false;

    bool operator==(const UnitListItem&) const = default;
};

// What a list or combo box shows: its items and the item to select (-1 none).
struct UnitListContents {
    std::vector<UnitListItem> Items;
    int SelectedIndex = -1;
};

// The units of a family in use, with the preferred unit selected (else the default
// unit of the chosen unit system, else the first item).
UnitListContents FillUnitCombo(int family);
// Only "Percent" when percentOnly, else the percent/fractional units.
UnitListContents FillPercentCombo(bool percentOnly);

inline UnitListContents FillVelocityCombo() { return FillUnitCombo(VelocityFamily); }
inline UnitListContents FillPressureCombo() { return FillUnitCombo(PressureFamily); }
inline UnitListContents FillTemperatureCombo() { return FillUnitCombo(TemperatureFamily); }
inline UnitListContents FillDensityCombo() { return FillUnitCombo(DensityFamily); }
inline UnitListContents FillPressureAbsoluteCombo() { return FillUnitCombo(PressureAbsoluteFamily); }
inline UnitListContents FillConductivityCombo() { return FillUnitCombo(ConductivityFamily); }
inline UnitListContents FillSpecificHeatCombo() { return FillUnitCombo(SpecificHeatFamily); }
inline UnitListContents FillViscosityCombo() { return FillUnitCombo(ViscosityFamily); }
inline UnitListContents FillEnthalpyCombo() { return FillUnitCombo(EnthalpyFamily); }
inline UnitListContents FillTemperatureDifferenceCombo() { return FillUnitCombo(TemperatureDifferentialFamily); }
inline UnitListContents FillSpecificVolumeCombo() { return FillUnitCombo(SpecificVolumeFamily); }
inline UnitListContents FillKinematicViscosityCombo() { return FillUnitCombo(KinematicViscosityFamily); }

// The unit-preference dialog's units-used list of a family: every offered unit,
// selected when in use; no current item. The dialog holds its LoadingForm flag (or
// blocks its signals) while it puts these items into the list, so that it can tell
// its own refill from a user's click.
UnitListContents FillUnitsUsedList(int family);

// The flagged families in code order: text the family name (with a tab and its
// preferred unit when showPreferred), item data the family code.
UnitListContents FillUnitList(bool showPreferred);

// Appends the 36 family lines (without line ends): name, "=", the offered units in
// family order joined by ",", each unit not in use preceded by "*", and a blank.
void WriteUnitPreferences(std::vector<std::string>& lines);

// Applies the family lines of the unit-preference section that the section reader
// has just loaded: each named unit goes in use, or out of use with a leading "*".
// Afterwards every family with offered units has at least one in use. errorText
// receives the section reader's text for a missing line.
void ApplyFamilyUnitLists(std::string& errorText);

} // namespace vq
