#include "files/preference_sections.h"

#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/section_reader.h"
#include "common/settings_text.h"
#include "common/user_interface.h"
#include "preferences/output_mod.h"
#include "preferences/output_pref_editor.h"
#include "units/pressure_temperature.h"
#include "units/unit_family.h"
#include "units/unit_lists.h"

#include <algorithm>
#include <array>

namespace vq {

namespace {

// A missing atmospheric pressure key leaves the gauge conversions this value
// unless the kept value and units give one.
constexpr double StandardAtmospherePsia = 14.7;

const std::string UnitSystemKey = "Unit System";
const std::string PreferredUnitsKey = "Preferred Units";
const std::string AtmosphericPressureKey = "Atmospheric Pressure";
const std::string PropertyOrderKey = "Property Order";
const std::string PropertyUnitsKey = "Property Units";
const std::string DigitsKey = "Digits";
const std::string UseExponentialKey = "Use Exponential";
const std::string ColumnAlignmentKey = "Column Alignment";
const std::string MagnitudeLimitKey = "Magnitude Limit";
const std::string UseShortNamesKey = "Use Short Names";
const std::string WrapHeadersKey = "Wrap Headers";
const std::string RowColOrderKey = "Row Col Order";

// A number as the file print statement writes it: a sign or a blank, the digits, a blank.
std::string PrintStyleInteger(int value)
{
    const long long v = value;
    return (v < 0 ? "-" : " ") + std::to_string(v < 0 ? -v : v) + " ";
}

std::string KeyLine(const std::string& key, const std::string& value)
{
    return key + "= " + value;
}

std::string PairLine(const std::string& key, const std::array<int, 2>& pair)
{
    return KeyLine(key, PrintStyleInteger(pair[0]) + "," + std::to_string(pair[1]));
}

// Looks a key up in the loaded section; false when it is missing.
bool FindKey(const std::string& key, int& index, std::string& value)
{
    std::string errorText;
    GetSectionValue(key, index, value, errorText);
    return index > 0;
}

// True when the loaded section holds the line of at least one unit family.
bool HasFamilyLines()
{
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily* family = GetUnitFamily(code);
        int index = 0;
        std::string value;
        if (family != nullptr && FindKey(family->Name, index, value))
            return true;
    }
    return false;
}

// The integer of an item when it is a whole number within lo..hi.
bool ReadItemInRange(const std::string& item, int lo, int hi, int& value)
{
    int v = 0;
    if (!ParseFileInteger(item, v) || v < lo || v > hi)
        return false;
    value = v;
    return true;
}

// The integer of a key when present and within lo..hi; otherwise the field keeps its
// value, and a present key is noted.
void ReadBoundedInteger(const std::string& key, int& index, int lo, int hi, int& field, BadFileItems* badItems)
{
    std::string value;
    if (FindKey(key, index, value) && !ReadItemInRange(value, lo, hi, field))
        NoteBadFileItem(badItems, key);
}

// A pair of 0/1 switches ("a,b", further items unread); a short list or a value
// outside 0..1 keeps the pair and is noted.
void ReadSwitchPair(const std::string& key, int& index, std::array<int, 2>& field, BadFileItems* badItems)
{
    std::string value;
    if (!FindKey(key, index, value))
        return;
    std::array<int, 2> pair{};
    int pos = 1;
    for (int& v : pair) {
        std::string item;
        int status = 0;
        NextListItem(value, pos, 0, item, status);
        if (status != 0 || !ReadItemInRange(item, 0, 1, v)) {
            NoteBadFileItem(badItems, key);
            return;
        }
    }
    field = pair;
}

// The ids of the order list, one per comma item; an item that is not the id of a
// listable parameter (an empty one included) is 0 and noted.
std::vector<int> ReadPropertyOrder(const std::string& text, BadFileItems* badItems)
{
    std::vector<int> ids;
    int pos = 1;
    for (;;) {
        std::string item;
        int status = 0;
        NextListItem(text, pos, 0, item, status);
        if (status != 0 && status != -1)
            break;
        int id = 0;
        if (status != 0 || !ReadItemInRange(item, 1, NumOutputParams, id) || OutputParams(id).ListPosition <= -1) {
            NoteBadFileItem(badItems, PropertyOrderKey);
            id = 0;
        }
        ids.push_back(id);
    }
    return ids;
}

// Every comma item of a list up to the first empty one.
std::vector<std::string> ReadTextItems(const std::string& text)
{
    std::vector<std::string> items;
    int pos = 1;
    for (;;) {
        std::string item;
        int status = 0;
        NextListItem(text, pos, 0, item, status);
        if (status != 0)
            break;
        items.push_back(item);
    }
    return items;
}

// True when the parameter's family knows the unit, or the parameter has no family.
bool IsKnownParamUnit(const COutputParam& p, const std::string& units)
{
    if (!p.HasUnits || p.UnitFamily < 0 || p.UnitFamily >= NumUnitFamilies)
        return true;
    return !units.empty() && FindUnitIndex(p.UnitFamily, units) >= 0;
}

// A display unit that the parameter's family does not know falls back to the family's
// preferred unit, so no conversion meets an unknown unit.
std::string CheckedParamUnits(const COutputParam& p, const std::string& units)
{
    if (IsKnownParamUnit(p, units))
        return units;
    return UnitPrefs.PreferredUnits[static_cast<std::size_t>(p.UnitFamily)];
}

} // namespace

void NoteBadFileItem(BadFileItems* items, const std::string& name)
{
    if (items != nullptr && std::find(items->begin(), items->end(), name) == items->end())
        items->push_back(name);
}

std::string BadFileItemsText(const BadFileItems& items)
{
    std::string text;
    for (const std::string& name : items)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

void ReportBadFileItems(const std::string& path, const BadFileItems& items)
{
    if (items.empty())
        return;
    CurrentUserInterface().Beep();
    ShowMessage("The following items of " + path + " are not valid values and were skipped:\r\n\r\n      " +
                    BadFileItemsText(items),
                MessageExclamation);
}

void PassBadFileItems(const std::string& path, const BadFileItems& items, BadFileItems* badItems)
{
    if (badItems == nullptr)
        ReportBadFileItems(path, items);
    else
        for (const std::string& name : items)
            NoteBadFileItem(badItems, name);
}

void WriteUnitPreferenceKeys(std::vector<std::string>& lines)
{
    lines.push_back(KeyLine(UnitSystemKey, PrintStyleInteger(UnitPrefs.UnitSystem)));
    std::string preferred;
    for (int f = 0; f < NumUnitFamilies; ++f) {
        if (f > 0)
            preferred += ",";
        preferred += UnitPrefs.PreferredUnits[static_cast<std::size_t>(f)];
    }
    lines.push_back(KeyLine(PreferredUnitsKey, preferred + " "));
    WriteUnitPreferences(lines);
    lines.push_back(KeyLine(AtmosphericPressureKey, ShortestDoubleText(UnitPrefs.AtmosphericPressure) + "," +
                                                        UnitPrefs.AtmosphericPressureUnits));
}

void WriteOutputPreferenceKeys(std::vector<std::string>& lines)
{
    const int shown = std::clamp(OutputPrefs.NumParams, 0, NumOutputParams);
    std::string order;
    std::string units;
    for (int i = 0; i < shown; ++i) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(i)];
        if (i > 0) {
            order += ",";
            units += ",";
        }
        order += std::to_string(id);
        units += OutputParams(id).Units;
    }
    lines.push_back(KeyLine(PropertyOrderKey, order));
    lines.push_back(KeyLine(PropertyUnitsKey, units));
    lines.push_back(KeyLine(DigitsKey, PrintStyleInteger(OutputPrefs.Digits)));
    lines.push_back(KeyLine(UseExponentialKey, PrintStyleInteger(OutputPrefs.UseExponential)));
    lines.push_back(KeyLine(ColumnAlignmentKey, PrintStyleInteger(OutputPrefs.ColumnAlignment)));
    lines.push_back(KeyLine(MagnitudeLimitKey, PrintStyleInteger(OutputPrefs.MagnitudeLimit)));
    lines.push_back(PairLine(UseShortNamesKey, OutputPrefs.UseShortNames));
    lines.push_back(PairLine(WrapHeadersKey, OutputPrefs.WrapHeaders));
    lines.push_back(PairLine(RowColOrderKey, OutputPrefs.RowColOrder));
}

bool ParseAtmosphericPressure(const std::string& text, double& value, std::string& units)
{
    // "14.7,psia"; a file written with a decimal comma holds "14,7,psia", so the
    // units follow the last comma when the rest is a number, else the first one.
    for (const std::size_t comma : {text.rfind(','), text.find(',')}) {
        if (comma == std::string::npos)
            return false;
        double v = 0;
        const std::string u = TrimText(text.substr(comma + 1));
        if (!u.empty() && ParseFileDouble(text.substr(0, comma), v)) {
            value = v;
            units = u;
            return true;
        }
    }
    return false;
}

void ParseUnitPreferences(bool /*requireAllKeys*/, std::string& errorText, BadFileItems* badItems)
{
    errorText.clear();
    int index = 0;
    std::string value;

    if (FindKey(UnitSystemKey, index, value)) {
        // A unit system outside the three codes reads as the general one.
        int system = UnitSystemGeneral;
        if (!ReadItemInRange(value, UnitSystemGeneral, UnitSystemSI, system))
            NoteBadFileItem(badItems, UnitSystemKey);
        UnitPrefs.UnitSystem = system;
    }

    const bool hasPreferred = FindKey(PreferredUnitsKey, index, value);
    if (hasPreferred) {
        std::vector<std::string> units(UnitPrefs.PreferredUnits.begin(), UnitPrefs.PreferredUnits.end());
        int count = NumUnitFamilies;
        int status = 0;
        std::string name = PreferredUnitsKey;
        ParseTextList(value, 0, count, units, status, name);
        std::copy(units.begin(), units.end(), UnitPrefs.PreferredUnits.begin());
        if (status != 0) {
            errorText = name;
            return;
        }
    }

    // The family lines go first, so a stored preferred unit that the same section
    // puts back in use is kept. Lines that stop short leave the lists applied in part:
    // the caller puts them back.
    std::string listError;
    ApplyFamilyUnitLists(listError);
    if (!listError.empty() && HasFamilyLines()) {
        errorText = listError;
        return;
    }
    if (hasPreferred) {
        for (int f = 0; f < NumUnitFamilies; ++f) {
            std::string& preferred = UnitPrefs.PreferredUnits[static_cast<std::size_t>(f)];
            if (!SetFamilyUnitState(f, preferred))
                preferred = GetDefaultUnits(f, UnitPrefs.UnitSystem);
        }
    }

    if (FindKey(AtmosphericPressureKey, index, value)) {
        double pressure = 0;
        std::string units;
        if (!ParseAtmosphericPressure(value, pressure, units) || !IsAbsolutePressureUnits(units) ||
            units == NoUnitsMarker || !IsSensibleAtmosphericPressure(ConvertPressure(pressure, units, "psia"))) {
            errorText = NoValueAndUnitsText + AtmosphericPressureKey;
            return;
        }
        UnitPrefs.AtmosphericPressure = pressure;
        UnitPrefs.AtmosphericPressureUnits = units;
        UnitPrefs.AtmosphericPressurePsia = ConvertPressure(pressure, units, "psia");
    } else {
        // Keep the gauge conversions in step with the kept value and units.
        const std::string& units = UnitPrefs.AtmosphericPressureUnits;
        const double kept = UnitPrefs.AtmosphericPressure;
        const bool usable = !units.empty() && units != NoUnitsMarker && IsAbsolutePressureUnits(units) &&
                            IsSensibleAtmosphericPressure(ConvertPressure(kept, units, "psia"));
        UnitPrefs.AtmosphericPressurePsia = usable ? ConvertPressure(kept, units, "psia") : StandardAtmospherePsia;
    }
    errorText.clear();
}

void ParseOutputPreferences(bool /*requireAllKeys*/, std::string& errorText, BadFileItems* badItems)
{
    for (int id = 1; id <= NumOutputParams; ++id) {
        if (OutputParams(id).ListPosition > -1)
            OutputParams(id).ListPosition = 0;
    }

    int index = 0;
    std::string value;
    std::vector<int> order;
    std::vector<std::string> units;
    if (FindKey(PropertyOrderKey, index, value))
        order = ReadPropertyOrder(value, badItems);
    if (FindKey(PropertyUnitsKey, index, value))
        units = ReadTextItems(value);

    // Places count every order item, skipped ones included.
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == 0)
            continue;
        COutputParam& p = OutputParams(order[i]);
        p.ListPosition = static_cast<int>(i) + 1;
        // An unknown unit keeps the column's unit.
        if (i < units.size() && IsKnownParamUnit(p, units[i]))
            p.Units = units[i];
        else if (i < units.size())
            NoteBadFileItem(badItems, PropertyUnitsKey);
        p.Units = CheckedParamUnits(p, p.Units);
    }
    SortParamsByPosition(OutputParams, NumOutputParams, OutputPrefs.ParamIds, OutputPrefs.NumParams);

    const int lastAlignment = static_cast<int>(ColumnAlignmentOptions.size()) - 1;
    ReadBoundedInteger(DigitsKey, index, MinDigitsChoice, MaxDigitsChoice, OutputPrefs.Digits, badItems);
    ReadBoundedInteger(UseExponentialKey, index, 0, 1, OutputPrefs.UseExponential, badItems);
    ReadBoundedInteger(ColumnAlignmentKey, index, 0, lastAlignment, OutputPrefs.ColumnAlignment, badItems);
    ReadBoundedInteger(MagnitudeLimitKey, index, MinMagnitudeLimit, MaxMagnitudeLimit, OutputPrefs.MagnitudeLimit,
                       badItems);
    ReadSwitchPair(UseShortNamesKey, index, OutputPrefs.UseShortNames, badItems);
    ReadSwitchPair(WrapHeadersKey, index, OutputPrefs.WrapHeaders, badItems);
    ReadSwitchPair(RowColOrderKey, index, OutputPrefs.RowColOrder, badItems);
    errorText.clear();
}

} // namespace vq
