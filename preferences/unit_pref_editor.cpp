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

AtmosphericPressureView GetAtmosphericPressureView()
{
    AtmosphericPressureView view;
    for (const UnitListItem& item : FillPressureAbsoluteCombo().Items)
        view.units.push_back(item.Text);
    view.selected = FindComboItemByText(view.units, TrimBlanks(UnitPrefs.AtmosphericPressureUnits));
    if (view.selected >= 0) {
        view.text = SingleToText(static_cast<float>(UnitPrefs.AtmosphericPressure));
        return view;
    }
    view.text = std::string(1, '1');
    view.selected = FindComboItemByText(view.units, "atm");
    if (view.selected < 0)
        view.units.push_back("atm");
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
