#include "units/unit_lists.h"

#include "common/list_routines.h"
#include "common/number_parsing.h"
#include "common/section_reader.h"
#include "units/unit_names.h"

namespace vq {

namespace {

// Longest family line that is applied, in items.
constexpr int MaxFamilyLineItems = 46;

CUnitType* UnitAt(int family, int index)
{
    const CUnitFamily* f = GetUnitFamily(family);
    return f ? f->UnitType(index) : nullptr;
}

bool HasUnitInUse(const CUnitFamily& family)
{
    for (int i = 1; i <= family.NumUnits(); ++i) {
        if (family.UnitType(i)->ListState == UnitInUse)
            return true;
    }
    return false;
}

// Brings one unit of a family back into use when none is: the preferred unit, else the
// default unit of the chosen unit system, else the first offered unit.
void KeepOneUnitInUse(int code)
{
    const CUnitFamily* family = GetUnitFamily(code);
    if (!family || HasUnitInUse(*family))
        return;
    for (const std::string& name : {UnitPrefs.PreferredUnits[static_cast<std::size_t>(code)],
                                    GetDefaultUnits(code, UnitPrefs.UnitSystem)}) {
        const int index = FindUnitIndex(code, name);
        if (index >= 1) {
            DeselectUnit(code, index);
            return;
        }
    }
    for (int i = 1; i <= family->NumUnits(); ++i) {
        if (family->UnitType(i)->ListState == UnitNotInUse) {
            DeselectUnit(code, i);
            return;
        }
    }
}

// Applies one family line: items with a leading "*" go out of use, the others in use.
void ApplyFamilyLine(int code, std::string_view line)
{
    const CUnitFamily& family = *GetUnitFamily(code);
    int pos = 1;
    int next = 1; // where the next item's unit is expected, lines being in family order
    for (int n = 0; n < MaxFamilyLineItems; ++n) {
        std::string item;
        int status = 0;
        NextListItem(line, pos, 0, item, status);
        if (status == -1)
            continue; // an empty item between two commas
        if (status != 0)
            break;

        int wanted = UnitInUse;
        if (!item.empty() && item.front() == '*') {
            wanted = UnitNotInUse;
            item = std::string(TrimBlanks(std::string_view(item).substr(1)));
        }

        int index = next <= family.NumUnits() ? next : family.NumUnits();
        const CUnitType* unit = family.UnitType(index);
        if (!unit || !SameUnitName(unit->Name, item))
            index = FindUnitIndex(code, item);
        else if (unit->ListState == UnitNotOffered)
            index = 0;
        if (index < 1) {
            next = 1;
            continue; // unknown, or never offered
        }
        next = index + 1;
        if (wanted == UnitNotInUse)
            SelectUnit(code, index);
        else
            DeselectUnit(code, index);
    }
}

// Brings back into use every unit of either unit system.
void DeselectUnitsOfSystems(int family, int system, int otherSystem)
{
    if (const CUnitFamily* f = GetUnitFamily(family)) {
        for (int i = 1; i <= f->NumUnits(); ++i) {
            const int unitSystem = f->UnitType(i)->UnitSystem;
            if (unitSystem == system || unitSystem == otherSystem)
                DeselectUnit(family, i);
        }
    }
}

} // namespace

void SelectUnit(int family, int index)
{
    if (CUnitType* unit = UnitAt(family, index); unit && unit->ListState == UnitInUse)
        unit->ListState = UnitNotInUse;
}

void DeselectUnit(int family, int index)
{
    if (CUnitType* unit = UnitAt(family, index); unit && unit->ListState == UnitNotInUse)
        unit->ListState = UnitInUse;
}

void SelectFamilyUnits(int family)
{
    if (const CUnitFamily* f = GetUnitFamily(family)) {
        for (int i = 1; i <= f->NumUnits(); ++i)
            SelectUnit(family, i);
    }
}

void AddEnglishUnits(int family)
{
    DeselectUnitsOfSystems(family, UnitSystemGeneral, UnitSystemEnglish);
}

void AddSIUnits(int family)
{
    DeselectUnitsOfSystems(family, UnitSystemSI, UnitSystemGeneral);
}

int GetUnitListState(int family, int index)
{
    const CUnitType* unit = UnitAt(family, index);
    return unit ? unit->ListState : UnitNotOffered;
}

bool SetFamilyUnitState(int family, std::string_view unitName)
{
    const CUnitType* unit = UnitAt(family, FindUnitIndex(family, unitName));
    return unit && unit->ListState == UnitInUse;
}

int FindNextFlaggedFamily(int code)
{
    const int first = code == -1 ? 0 : code;
    const int last = code == -1 ? NumUnitFamilies - 1 : code;
    for (int c = first; c <= last; ++c) {
        const CUnitFamily* family = GetUnitFamily(c);
        if (family && family->Flag == 1 && !HasUnitInUse(*family))
            return c;
    }
    return -1;
}

std::string GetFamilyName(int code)
{
    const CUnitFamily* family = GetUnitFamily(code);
    return family ? family->Name : std::string();
}

std::string GetDefaultUnits(int family, int system)
{
    const CUnitFamily* f = GetUnitFamily(family);
    return f ? f->DefaultUnits(system) : NoUnitsMarker;
}

UnitListContents FillUnitCombo(int family)
{
    UnitListContents list;
    const CUnitFamily* f = GetUnitFamily(family);
    if (!f)
        return list;
    for (int i = 1; i <= f->NumUnits(); ++i) {
        const CUnitType& unit = *f->UnitType(i);
        if (unit.ListState == UnitInUse)
            list.Items.push_back({unit.Name, i, false});
    }
    std::vector<std::string> texts;
    for (const UnitListItem& item : list.Items)
        texts.push_back(item.Text);
    list.SelectedIndex = FindComboItemByText(texts, UnitPrefs.PreferredUnits[static_cast<std::size_t>(family)]);
    if (list.SelectedIndex < 0)
        list.SelectedIndex = FindComboItemByText(texts, GetDefaultUnits(family, UnitPrefs.UnitSystem));
    if (list.SelectedIndex < 0 && !list.Items.empty())
        list.SelectedIndex = 0;
    return list;
}

UnitListContents FillPercentCombo(bool percentOnly)
{
    if (!percentOnly)
        return FillUnitCombo(PercentFractionalFamily);
    UnitListContents list;
    list.Items.push_back({"Percent", FindUnitIndex(PercentFractionalFamily, "Percent"), false});
    list.SelectedIndex = 0;
    return list;
}

UnitListContents FillUnitsUsedList(int family)
{
    UnitListContents list;
    if (const CUnitFamily* f = GetUnitFamily(family)) {
        for (int i = 1; i <= f->NumUnits(); ++i) {
            const CUnitType& unit = *f->UnitType(i);
            if (unit.ListState != UnitNotOffered)
                list.Items.push_back({unit.Name, i, unit.ListState == UnitInUse});
        }
    }
    return list;
}

UnitListContents FillUnitList(bool showPreferred)
{
    UnitListContents list;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        if (!family || family->Flag != 1)
            continue;
        std::string text = family->Name;
        if (showPreferred)
            text += "\t" + UnitPrefs.PreferredUnits[static_cast<std::size_t>(code)];
        list.Items.push_back({text, code, false});
    }
    return list;
}

void WriteUnitPreferences(std::vector<std::string>& lines)
{
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        if (!family)
            continue;
        std::string line = family->Name + "=";
        bool first = true;
        for (int i = 1; i <= family->NumUnits(); ++i) {
            const CUnitType& unit = *family->UnitType(i);
            if (unit.ListState == UnitNotOffered)
                continue;
            if (!first)
                line += ",";
            if (unit.ListState == UnitNotInUse)
                line += "*";
            line += unit.Name;
            first = false;
        }
        lines.push_back(line + " ");
    }
}

void ApplyFamilyUnitLists(std::string& errorText)
{
    int index = 0;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        if (!family)
            continue;
        std::string value;
        GetSectionValue(family->Name, index, value, errorText);
        if (index > 0)
            ApplyFamilyLine(code, value);
    }
    for (int code = 0; code < NumUnitFamilies; ++code)
        KeepOneUnitInUse(code);
}

} // namespace vq
