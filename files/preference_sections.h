// The keys of the unit-preference and output-preference sections, shared by the
// settings file, documents and preference files. The callers write the heading and
// load the section; these routines write and parse the key lines.
#pragma once

#include <string>
#include <vector>

namespace vq {

// Error texts of ParseUnitPreferences (each followed by the key).
inline const std::string NotEnoughDataText = "Not enough data for ";
inline const std::string NoValueAndUnitsText = "Can't determine value and units for ";

// The names of a file's items that are not wholly a valid value, in the order met. The
// readers skip such an item: a setting keeps the value it has without it, a value box
// stays empty.
using BadFileItems = std::vector<std::string>;
// Adds name to items unless it is there already; nothing when items is null.
void NoteBadFileItem(BadFileItems* items, const std::string& name);
// The names joined by ", ".
std::string BadFileItemsText(const BadFileItems& items);
// Beeps and names the skipped items of the file at path in one message; nothing when
// there are none.
void ReportBadFileItems(const std::string& path, const BadFileItems& items);
// Hands the skipped items of the file at path to the caller's list, or names them
// (ReportBadFileItems) when the caller keeps none.
void PassBadFileItems(const std::string& path, const BadFileItems& items, BadFileItems* badItems);

// Appends the 39 key lines (without line ends) of the unit section: unit system,
// preferred units, one line per unit family, atmospheric pressure.
void WriteUnitPreferenceKeys(std::vector<std::string>& lines);
// Appends the 9 key lines of the output section.
void WriteOutputPreferenceKeys(std::vector<std::string>& lines);

// Fills UnitPrefs and the family unit lists from the section just loaded by
// ReadSection. errorText is "" on success, else the reason (the parse stopped
// there); the caller shows it and falls back to the defaults. A key that is
// missing is skipped; family lines, though, come all or none: a section that holds
// some but not all of them is an error (the lines found are applied by then). A unit
// system that is not one of the three codes reads as the general one and is noted in
// badItems.
void ParseUnitPreferences(bool requireAllKeys, std::string& errorText, BadFileItems* badItems = nullptr);
// Fills OutputPrefs and the parameters' places and units from the section just
// loaded. Never fails: a number item that is not a whole number in its range (an
// order item that is no listable parameter id, say) is skipped and its key noted in
// badItems; an empty item ends the units list, and a unit that the parameter's family
// does not know keeps the parameter's unit and is noted. errorText is always "".
void ParseOutputPreferences(bool requireAllKeys, std::string& errorText, BadFileItems* badItems = nullptr);

// The value as the unit section writes it: number, ",", units. False when the text
// is not such a pair.
bool ParseAtmosphericPressure(const std::string& text, double& value, std::string& units);

} // namespace vq
