#include "preferences/unit_pref_editor.h"

#include "common/list_routines.h"
#include "common/number_parsing.h"
#include "units/pressure_entry.h"
#include "units/pressure_temperature.h"

namespace vq {

std::string PreferredUnitUnavailableMessage(const std::string& familyName)
{
    return "Thg prefered unit for " + familyName + " is not currently available.\r\nPlease choose another perfered unit.";
}

namespace {

// The position of unit in units, appended when it is not there.
int OfferUnit(std::vector<std::string>& units, const std::string& unit)
{
    const int found = FindComboItemByText(units, unit);
    if (found >= 0)
        return found;
    units.push_back(unit);
    return static_cast<int>(units.size()) - 1;
}

// The catalogue name of an absolute pressure unit, "" when it is none.
std::string AbsolutePressureUnitName(const std::string& units)
{
    const int index = FindUnitIndex(PressureAbsoluteFamily, units);
    if (index < 0 || !IsAbsolutePressureUnits(units))
        return {};
    const CUnitFamily* family = GetUnitFamily(PressureAbsoluteFamily);
    const CUnitType* type = family != nullptr ? family->UnitType(index) : nullptr;
    return type != nullptr ? type->Name : std::string(TrimBlanks(units));
}

} // namespace

AtmosphericPressureView GetAtmosphericPressureView()
{
    AtmosphericPressureView view;
    for (const UnitListItem& item : FillPressureAbsoluteCombo().Items)
        view.units.push_back(item.Text);
    const std::string units = AbsolutePressureUnitName(UnitPrefs.AtmosphericPressureUnits);
    if (units.empty()) {
        view.text = std::string(1, '1');
        view.selected = OfferUnit(view.units, "atm");
        return view;
    }
    view.text = SingleToText(static_cast<float>(UnitPrefs.AtmosphericPressure));
    view.selected = OfferUnit(view.units, units);
    return view;
}

UnitPrefsDraft LoadUnitPrefsDraft()
{
    UnitPrefsDraft draft;
    draft.unitSystem = UnitPrefs.UnitSystem;
    draft.preferred = UnitPrefs.PreferredUnits;
    const AtmosphericPressureView view = GetAtmosphericPressureView();
    draft.atmosphericText = view.text;
    if (view.selected >= 0)
        draft.atmosphericUnits = view.units[static_cast<std::size_t>(view.selected)];
    return draft;
}

void ApplyDefaultUnitStates(int system)
{
    for (int code = 0; code < NumUnitFamilies; ++code) {
        switch (system) {
        case UnitSystemGeneral:
            AddEnglishUnits(code);
            AddSIUnits(code);
            break;
        case UnitSystemEnglish:
            SelectFamilyUnits(code);
            AddEnglishUnits(code);
            break;
        case UnitSystemSI:
            SelectFamilyUnits(code);
            AddSIUnits(code);
            break;
        default: break;
        }
    }
}

std::array<std::string, NumUnitFamilies> DefaultPreferredUnits(int system, bool applySI)
{
    if (system == UnitSystemGeneral && applySI)
        system = UnitSystemSI;
    std::array<std::string, NumUnitFamilies> units;
    for (int code = 0; code < NumUnitFamilies; ++code)
        units[static_cast<std::size_t>(code)] = GetDefaultUnits(code, system);
    return units;
}

std::string PreferredUnitIfInUse(int family, const std::string& unit)
{
    return SetFamilyUnitState(family, unit) ? unit : std::string();
}

int FirstFamilyWithUnavailablePreferred(const UnitPrefsDraft& draft)
{
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        if (family != nullptr && family->Flag == 1 &&
            PreferredUnitIfInUse(code, draft.preferred[static_cast<std::size_t>(code)]).empty())
            return code;
    }
    return -1;
}

UnitPrefsSnapshot::UnitPrefsSnapshot() : prefs_(UnitPrefs)
{
    for (std::size_t code = 0; code < families_.size(); ++code) {
        if (UnitFamilies[code] == nullptr)
            continue;
        families_[code] = std::make_unique<CUnitFamily>();
        families_[code]->CopyMeFrom(*UnitFamilies[code]);
    }
}

void UnitPrefsSnapshot::Restore() const
{
    UnitPrefs = prefs_;
    for (std::size_t code = 0; code < families_.size(); ++code) {
        if (families_[code] == nullptr)
            continue;
        if (UnitFamilies[code] == nullptr)
            UnitFamilies[code] = std::make_unique<CUnitFamily>();
        UnitFamilies[code]->CopyMeFrom(*families_[code]);
    }
}

void StoreUnitPrefsDraft(const UnitPrefsDraft& draft)
{
    UnitPrefs.UnitSystem = draft.unitSystem;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        if (family != nullptr && family->Flag == 1)
            UnitPrefs.PreferredUnits[static_cast<std::size_t>(code)] =
                PreferredUnitIfInUse(code, draft.preferred[static_cast<std::size_t>(code)]);
    }
    if (draft.atmosphericText.empty()) {
        UnitPrefs.AtmosphericPressureUnits = BlankPressureUnits;
        UnitPrefs.AtmosphericPressurePsia = BlankAtmosphericPressurePsia;
        return;
    }
    UnitPrefs.AtmosphericPressure = ParseSingle(draft.atmosphericText);
    UnitPrefs.AtmosphericPressureUnits = draft.atmosphericUnits;
    UnitPrefs.AtmosphericPressurePsia = ConvertPressure(UnitPrefs.AtmosphericPressure, draft.atmosphericUnits, "");
}

} // namespace vq
