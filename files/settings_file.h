// The settings file: its sections, their readers and writers.
#pragma once

#include "common/section_writer.h"
#include "files/preference_sections.h"
#include "files/printer_font.h"

#include <string>
#include <vector>

namespace vq {

// Full path of the settings file and of the user toolbar layout file; start-up sets
// them from the search paths.
extern std::string SettingsFilePath;
extern std::string CustomToolbarFile;

inline const std::string IniControlsHeading = "[INI Controls]";
inline const std::string LastFilesHeading = "[Last Files]";
inline const std::string ToolbarHeading = "[Toolbar]";
inline const std::string PropertyDatabaseHeading = "[Property Database]";
inline const std::string UnitPreferencesHeading = "[Unit Preferences]";
inline const std::string OutputPreferencesHeading = "[Output Preferences]";

inline const std::string IF97DatabaseCaption = "ASME Steam Tables (IAPWS-IF97)";
inline const std::string NBSDatabaseCaption = "NBS Steam Tables (1984)";

// Selects the property database: checks its tool, unchecks the other, sets the label
// and UseIF97.
void SelectPropertyDatabase(bool useIF97);

// The recent-file menu entries (tools 1011 to 1014) from RecentFiles.
void RefreshRecentFileMenu();

// The key lines of the sections as their writers produce them.
std::vector<std::string> LastFilesKeyLines();
std::vector<std::string> ToolbarKeyLines();
std::vector<std::string> PropertyDatabaseKeyLines();

// Section writers of the settings file at path. Each returns false when the file could
// not be rewritten (it is then unchanged), with the SettingsFailureLine in errorText.
bool WriteLastFilesSection(const std::string& path, std::string& errorText);
// Saves the user toolbar layout to customToolbarFile first when it changed; a failed
// layout save also gives false, with its own line in errorText, and leaves the layout
// marked as changed.
bool WriteToolbarSection(const std::string& path, const std::string& customToolbarFile, std::string& errorText);
bool WritePropertyDatabaseSection(const std::string& path, std::string& errorText);
// The same writers telling the user about a failure (ReportSettingsUpdateFailure).
bool WriteLastFilesSection(const std::string& path);
bool WriteToolbarSection(const std::string& path, const std::string& customToolbarFile);
bool WritePropertyDatabaseSection(const std::string& path);

// Reads "[Last Files]" into RecentFiles and the current directory, then refreshes the
// recent-file menu.
void ReadLastFilesSection(const std::string& path);

// The start-up readers: "[Last Files]", "[Printer Font]", "[Toolbar]" and
// "[Property Database]", in this order; nothing when the file cannot be read. Items
// that are not valid values keep what they set and are added to badItems when given,
// else named in one message.
void LoadSettingsAtStartup(const std::string& path, const std::string& customToolbarFile,
                           BadFileItems* badItems = nullptr);

// Reads "[INI Controls]": a present "EXE_Mode" sets TrapErrors (non-zero) or clears it.
// A settings file that is there but cannot be read (ReadRewritableFile) is named with
// the reason.
void ReadIniControlsSection(const std::string& path);

// Reads "[Toolbar]" into the main toolbar band, the toolbar options and the page
// settings; loads the user toolbar layout from customToolbarFile when the band asks
// for it. A value that is not a truth value, or a whole number of its field's width
// as written, changes nothing; its key is added to badItems when given, else named in
// a message.
void ReadToolbarSection(const std::string& path, const std::string& customToolbarFile,
                        BadFileItems* badItems = nullptr);

// Reads "[Property Database]": 0 selects IAPWS-IF97, 1 the NBS library; anything else
// changes nothing and is added to badItems when given, else named in a message.
void ReadPropertyDatabaseSection(const std::string& path, BadFileItems* badItems = nullptr);

// The user's default unit and output preferences in the settings file at path.
// The unit reader starts from the built-in unit preferences; a section that cannot
// be parsed is reported and leaves the built-in preferences. Items that are not valid
// values are skipped: added to badItems when given, else named in a message.
void ReadUnitPreferencesSection(const std::string& path, BadFileItems* badItems = nullptr);
void ReadOutputPreferencesSection(const std::string& path, BadFileItems* badItems = nullptr);
// Store the current preferences as the user's defaults; false (and reported) when the
// file could not be rewritten.
bool WriteUnitPreferencesSection(const std::string& path);
bool WriteOutputPreferencesSection(const std::string& path);

// Tests that the settings file can be opened before user defaults are recalled from
// it; tells the user and sets failed when it cannot.
void RecallUserDefaults(bool& failed);

} // namespace vq
