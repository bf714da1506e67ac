// The logic of the unit preferences dialog: default unit states and preferred units
// of a unit system, the checks of OK, and the record written from the dialog. The
// units in use are edited directly in UnitFamilies; the preferred units, the unit
// system and the atmospheric pressure are held in a draft until it is stored.
#pragma once

#include "common/preference_records.h"
#include "units/unit_lists.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace vq {

inline const std::string NoUnitSelectedMessage = "There must be at least one unit seleted for:";
inline const std::string ChooseUnitHint =
    "Please choose one of the units in the \"Units to be Used\" list (on the right) to set as the preferred unit.";
inline const std::string SetUnitDefaultsQuestion =
    "Setting current window unit preferences as the default will erase all previous user default settings."
    " Are you sure you want to change the user defaults?";
inline const std::string AtmosphericPressureField = "Atmospheric Pressure";
// The units of an empty atmospheric pressure: four blanks.
inline const std::string BlankPressureUnits = "    ";
inline constexpr double BlankAtmosphericPressurePsia = 14.7;

// "Thg prefered unit for <family> is not currently available." and the request for another.
std::string PreferredUnitUnavailableMessage(const std::string& familyName);

struct UnitPrefsDraft {
    int unitSystem = UnitSystemGeneral; // the chosen option, -1 when none
    std::array<std::string, NumUnitFamilies> preferred; // as shown in the family list
    std::string atmosphericText;  // the pressure box
    std::string atmosphericUnits; // the chosen unit
};

// What the atmospheric pressure controls show: the absolute pressure units in use,
// the one to select and the box text. The unit of UnitPrefs is appended when it is
// out of use; a unit that is no absolute pressure unit gives "1" and "atm".
struct AtmosphericPressureView {
    std::vector<std::string> units;
    int selected = -1;
    std::string text;
};
AtmosphericPressureView GetAtmosphericPressureView();

// The draft of the current UnitPrefs (LoadFormFromPrefs).
UnitPrefsDraft LoadUnitPrefsDraft();

// Puts the units of every family in use or out of use for a unit system: 0 every
// offered unit, 1 the English and general units, 2 the SI and general units; any
// other system changes nothing.
void ApplyDefaultUnitStates(int system);

// The default unit of every family for the chosen system; the SI defaults when the
// system is 0 and applySI is set. UnitPrefs is not changed.
std::array<std::string, NumUnitFamilies> DefaultPreferredUnits(int system, bool applySI);

// unit when the family has a unit of that name (case ignored) in use, else "".
std::string PreferredUnitIfInUse(int family, const std::string& unit);

// The first shown family whose draft preferred unit is not in use; -1 when none.
int FirstFamilyWithUnavailablePreferred(const UnitPrefsDraft& draft);

// UnitPrefs and every unit family as they stand, put back by Restore (the dialog's
// Cancel).
class UnitPrefsSnapshot {
public:
    UnitPrefsSnapshot();
    void Restore() const;

private:
    UnitPreferences prefs_;
    std::array<std::unique_ptr<CUnitFamily>, NumUnitFamilies> families_;
};

// StoreFormIntoPrefs: the unit system, the preferred units of the shown families and
// the atmospheric pressure. An empty pressure box keeps the value and stores blank
// units and 14.7 psia.
void StoreUnitPrefsDraft(const UnitPrefsDraft& draft);

} // namespace vq
