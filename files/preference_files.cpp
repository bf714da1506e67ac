#include "files/preference_files.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "files/preference_sections.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/section_reader.h"
#include "files/settings_file.h"
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

// True for an optional sign and decimal digits that fit a 16-bit integer, blanks around.
bool IsPlainInteger(std::string_view text)
{
    std::string_view t = TrimBlanks(text);
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    if (t.empty() || t.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    bool failed = false;
    ParseInteger(text, failed);
    return !failed;
}

// True when every comma item of text is an integer or blank.
bool IsIntegerList(std::string_view text)
{
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        if (!TrimBlanks(item).empty() && !IsPlainInteger(item))
            return false;
        if (comma == std::string_view::npos)
            return true;
        text.remove_prefix(comma + 1);
    }
}

// The first key of the loaded output section that holds no integers where it must,
// "" when every key reads.
std::string UnreadableOutputKey()
{
    for (const char* key : {"Property Order", "Digits", "Use Exponential", "Column Alignment", "Magnitude Limit",
                            "Use Short Names", "Wrap Headers", "Row Col Order"}) {
        int index = 0;
        std::string value;
        std::string unused;
        GetSectionValue(key, index, value, unused);
        if (index > 0 && !IsIntegerList(value))
            return key;
    }
    return {};
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
    const std::string unreadable = UnreadableOutputKey();
    if (!unreadable.empty()) {
        errorText = "Can't read " + unreadable + " in " + path;
        return false;
    }
    ParseOutputPreferences(false, errorText);
    return true;
}

bool ReadUnitPreferenceFile(const std::string& path, std::string& errorText)
{
    if (!LoadFileSection(path, UnitPreferencesHeading, errorText))
        return false;
    const UnitPrefsSnapshot kept;
    ParseUnitPreferences(false, errorText);
    if (errorText.empty())
        return true;
    kept.Restore();
    errorText += " in " + path;
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
