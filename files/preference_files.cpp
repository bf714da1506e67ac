#include "files/preference_files.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "files/preference_sections.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/section_reader.h"
#include "files/settings_file.h"

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

bool LoadFileSection(const std::string& path, const std::string& heading)
{
    TextFileReader file;
    if (!file.Open(path))
        return false;
    int count = 0;
    ReadSection(file, heading, count, false);
    return count > 0;
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

bool ReadOutputPreferenceFile(const std::string& path)
{
    if (!LoadFileSection(path, OutputPreferencesHeading))
        return false;
    std::string errorText;
    ParseOutputPreferences(false, errorText);
    return true;
}

bool ReadUnitPreferenceFile(const std::string& path)
{
    if (!LoadFileSection(path, UnitPreferencesHeading))
        return false;
    std::string errorText;
    ParseUnitPreferences(false, errorText);
    return true;
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

} // namespace vq
