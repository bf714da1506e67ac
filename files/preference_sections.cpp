#include "files/preference_sections.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/section_reader.h"
#include "common/settings_text.h"
#include "preferences/output_mod.h"
#include "units/pressure_temperature.h"
#include "units/unit_family.h"
#include "units/unit_lists.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

// The integer of a key when present and within lo..hi; otherwise the field keeps its value.
void ReadBoundedInteger(const std::string& key, int& index, int lo, int hi, int& field)
{
    std::string value;
    if (!FindKey(key, index, value))
        return;
    const int v = ParseInteger(value);
    if (v >= lo && v <= hi)
        field = v;
}

// A pair of 0/1 switches ("a,b"); a short list or a value outside 0..1 keeps the pair.
void ReadSwitchPair(const std::string& key, int& index, std::array<int, 2>& field)
{
    std::string value;
    if (!FindKey(key, index, value))
        return;
    std::vector<int> values = {field[0], field[1]};
    int count = 2;
    int status = 0;
    std::string name = key;
    ParseIntegerList(value, 0, count, values, status, name);
    if (status != 0)
        return;
    for (int v : values) {
        if (v != 0 && v != 1)
            return;
    }
    field = {values[0], values[1]};
}

// Every comma item of a list as read by the item reader, up to the first item
// that is not a good one.
template <typename T, typename Reader>
std::vector<T> ReadItems(const std::string& text, Reader next)
{
    std::vector<T> items;
    items.reserve(NumOutputParams);
    int pos = 1;
    for (;;) {
        T item{};
        int status = 0;
        next(text, pos, 0, item, status);
        if (status != 0)
            break;
        items.push_back(item);
    }
    return items;
}

// A display unit read from a file that the parameter's family does not know falls
// back to the family's preferred unit, so no conversion meets an unknown unit.
std::string CheckedParamUnits(const COutputParam& p, const std::string& units)
{
    if (!p.HasUnits || p.UnitFamily < 0 || p.UnitFamily >= NumUnitFamilies)
        return units;
    if (!units.empty() && FindUnitIndex(p.UnitFamily, units) >= 0)
        return units;
    return UnitPrefs.PreferredUnits[static_cast<std::size_t>(p.UnitFamily)];
}

} // namespace

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

void ParseUnitPreferences(bool /*requireAllKeys*/, std::string& errorText)
{
    errorText.clear();
    int index = 0;
    std::string value;

    if (FindKey(UnitSystemKey, index, value)) {
        const int system = ParseInteger(value);
        // A unit system outside the three codes reads as the general one.
        UnitPrefs.UnitSystem = system >= UnitSystemGeneral && system <= UnitSystemSI ? system : UnitSystemGeneral;
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

void ParseOutputPreferences(bool /*requireAllKeys*/, std::string& errorText)
{
    for (int id = 1; id <= NumOutputParams; ++id) {
        if (OutputParams(id).ListPosition > -1)
            OutputParams(id).ListPosition = 0;
    }

    int index = 0;
    std::string value;
    std::vector<std::int16_t> order;
    std::vector<std::string> units;
    if (FindKey(PropertyOrderKey, index, value))
        order = ReadItems<std::int16_t>(value, NextIntegerItem);
    if (FindKey(PropertyUnitsKey, index, value))
        units = ReadItems<std::string>(value, NextListItem);

    for (std::size_t i = 0; i < order.size(); ++i) {
        const int id = order[i];
        if (!IsOutputParamId(id))
            continue;
        COutputParam& p = OutputParams(id);
        if (p.ListPosition <= -1)
            continue;
        p.ListPosition = static_cast<int>(i) + 1;
        if (i < units.size())
            p.Units = units[i];
        p.Units = CheckedParamUnits(p, p.Units);
    }
    SortParamsByPosition(OutputParams, NumOutputParams, OutputPrefs.ParamIds, OutputPrefs.NumParams);

    ReadBoundedInteger(DigitsKey, index, 1, 8, OutputPrefs.Digits);
    ReadBoundedInteger(UseExponentialKey, index, 0, 1, OutputPrefs.UseExponential);
    ReadBoundedInteger(ColumnAlignmentKey, index, 0, 3, OutputPrefs.ColumnAlignment);
    ReadBoundedInteger(MagnitudeLimitKey, index, 4, 11, OutputPrefs.MagnitudeLimit);
    ReadSwitchPair(UseShortNamesKey, index, OutputPrefs.UseShortNames);
    ReadSwitchPair(WrapHeadersKey, index, OutputPrefs.WrapHeaders);
    ReadSwitchPair(RowColOrderKey, index, OutputPrefs.RowColOrder);
    errorText.clear();
}

} // namespace vq
