#include "files/preference_files.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "files/preference_sections.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/section_reader.h"
#include "files/settings_file.h"
#include "preferences/output_pref_editor.h"
#include "preferences/unit_pref_editor.h"

#include <string_view>

namespace vq {

namespace {

// UnitPrefs with blank atmospheric units replaced by the pressure the gauge units use,
// for the lifetime of the scope.
class WritableAtmosphericPressure {
public:
    WritableAtmosphericPressure() : saved_(UnitPrefs)
    {
        if (!TrimBlanks(UnitPrefs.AtmosphericPressureUnits).empty())
            return;
        UnitPrefs.AtmosphericPressure = UnitPrefs.AtmosphericPressurePsia;
        UnitPrefs.AtmosphericPressureUnits = "psia";
    }
    ~WritableAtmosphericPressure() { UnitPrefs = saved_; }
    WritableAtmosphericPressure(const WritableAtmosphericPressure&) = delete;
    WritableAtmosphericPressure& operator=(const WritableAtmosphericPressure&) = delete;

private:
    UnitPreferences saved_;
};

bool LoadFileSection(const std::string& path, const std::string& heading, std::string& errorText)
{
    TextFileReader file;
    if (!file.Open(path)) {
        errorText = "Can't open " + path;
        return false;
    }
    int count = 0;
    ReadSection(file, heading, count, false);
    if (count > 0)
        return true;
    errorText = "Can't find " + heading + " heading in " + path;
    return false;
}

// The reason that refuses a file whose items are not all valid values.
std::string UnreadableItemsText(const BadFileItems& items, const std::string& path)
{
    return "Can't read " + BadFileItemsText(items) + " in " + path;
}

} // namespace

std::vector<std::string> OutputPreferenceFileLines()
{
    std::vector<std::string> lines{ProgramLongName + " Output Preferences", OutputPreferencesHeading};
    WriteOutputPreferenceKeys(lines);
    return lines;
}

std::vector<std::string> UnitPreferenceFileLines()
{
    const WritableAtmosphericPressure writable;
    std::vector<std::string> lines{ProgramLongName + " Unit Preferences", " ", UnitPreferencesHeading};
    WriteUnitPreferenceKeys(lines);
    return lines;
}

bool WriteOutputPreferenceFile(const std::string& path, std::string& errorText)
{
    return WriteFileSafely(path, JoinFileLines(OutputPreferenceFileLines()), errorText);
}

bool WriteUnitPreferenceFile(const std::string& path, std::string& errorText)
{
    return WriteFileSafely(path, JoinFileLines(UnitPreferenceFileLines()), errorText);
}

bool ReadOutputPreferenceFile(const std::string& path, std::string& errorText)
{
    if (!LoadFileSection(path, OutputPreferencesHeading, errorText))
        return false;
    const OutputPrefsSnapshot kept;
    BadFileItems badItems;
    ParseOutputPreferences(false, errorText, &badItems);
    if (badItems.empty())
        return true;
    kept.Restore();
    errorText = UnreadableItemsText(badItems, path);
    return false;
}

bool ReadUnitPreferenceFile(const std::string& path, std::string& errorText)
{
    if (!LoadFileSection(path, UnitPreferencesHeading, errorText))
        return false;
    const UnitPrefsSnapshot kept;
    BadFileItems badItems;
    ParseUnitPreferences(false, errorText, &badItems);
    if (errorText.empty() && badItems.empty())
        return true;
    kept.Restore();
    errorText = errorText.empty() ? UnreadableItemsText(badItems, path) : errorText + " in " + path;
    return false;
}

bool WriteUnitPreferencesDefaults(const std::string& settingsPath)
{
    const WritableAtmosphericPressure writable;
    return WriteUnitPreferencesSection(settingsPath);
}

std::string SaveFileErrorMessage(const std::string& errorText)
{
    return "The following error occurred while saving to file:\r\n\r\n      " + errorText;
}

std::string ReadFileErrorMessage(const std::string& errorText)
{
    return "The following error occurred while reading file:\r\n\r\n      " + errorText +
           ".\r\nNo preferences were changed.";
}

} // namespace vq
