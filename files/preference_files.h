// Output and unit preference files (*.dat): a title line, then the preference section
// with the same key lines as the settings file.
#pragma once

#include <string>
#include <vector>

namespace vq {

// The lines of an output preference file from OutputPrefs and the parameters.
std::vector<std::string> OutputPreferenceFileLines();
// The lines of a unit preference file from UnitPrefs and the unit families.
std::vector<std::string> UnitPreferenceFileLines();

// Write the file through a temporary file; false with errorText when it could not be
// written (an existing file is then unchanged).
bool WriteOutputPreferenceFile(const std::string& path, std::string& errorText);
bool WriteUnitPreferenceFile(const std::string& path, std::string& errorText);

// Read the section "[Output Preferences]" (resp. "[Unit Preferences]") wherever it
// stands into OutputPrefs and the parameters (resp. UnitPrefs and the unit families).
// False with errorText when the file cannot be read, holds no such section with keys,
// or its keys cannot be read or hold items that are not valid values; nothing changes
// then.
bool ReadOutputPreferenceFile(const std::string& path, std::string& errorText);
bool ReadUnitPreferenceFile(const std::string& path, std::string& errorText);

// Rewrites the settings file's "[Unit Preferences]" section. Blank atmospheric-pressure
// units (an empty pressure box) are written as the 14.7 psia the gauge units then use,
// so that the section can be read back.
bool WriteUnitPreferencesDefaults(const std::string& settingsPath);

// The messages for a file that could not be written or read.
std::string SaveFileErrorMessage(const std::string& errorText);
std::string ReadFileErrorMessage(const std::string& errorText);

} // namespace vq
