#include "files/calculation_defaults.h"

#include "common/main_window_host.h"
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "files/printer_font.h"
#include "common/safe_file.h"
#include "files/settings_file.h"
#include "files/unit_preference_defaults.h"
#include "common/user_interface.h"
#include "preferences/output_mod.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vq {

void ResetCalculationDefaults()
{
    MainWindowHost& host = CurrentMainWindowHost();
    if (!host.GetToolChecked(ToolPropertyIF97) && !host.GetToolChecked(ToolPropertyNBS))
        SelectPropertyDatabase(true);
    UnitPrefs.UnitSystem = UnitSystemGeneral;
    SetDefaultUnitPrefs();
    SetDefaultOutputPrefs();
    const PrinterFontInfo font = host.PrinterFont();
    if (PrintFontName.empty()) {
        PrintFontName = font.name;
        PrintFontBold = font.bold;
        PrintFontItalic = font.italic;
    }
    if (PrintFontSize == 0)
        PrintFontSize = WholeFontSize(font.size);
    LoadSavedPreferences(0);
}

void LoadSavedPreferences(int source)
{
    if (source != 0)
        return;
    std::string content;
    std::string errorText;
    if (ReadWholeFile(SettingsFilePath, content, errorText) != FileReadStatus::Ok)
        return;
    ReadUnitPreferencesSection(SettingsFilePath);
    ReadOutputPreferencesSection(SettingsFilePath);
}

void RecallUserDefaults(bool& failed)
{
    failed = false;
    UserInterface& ui = CurrentUserInterface();
    std::error_code ec;
    if (!std::filesystem::exists(SettingsFilePath, ec)) {
        ui.Beep();
        ui.Message(SettingsFilePath + " file not found. Defaults must first be Set" +
                       " before they can be recalled as User defaults.",
                   MessageStyle::Exclamation, ProgramTitle);
        failed = true;
        return;
    }
    std::ifstream file(SettingsFilePath, std::ios::binary);
    std::string reason;
    if (std::filesystem::is_directory(SettingsFilePath, ec))
        reason = "The path names a folder, not a file.";
    else if (!file)
        reason = std::strerror(errno);
    if (reason.empty())
        return;
    ui.Beep();
    ui.Message("The following error occurred when opening file " + SettingsFilePath + ":\r\n" + "\r\n      " + reason +
                   "\r\n\r\nUser defaults not obtained.",
               MessageStyle::Exclamation, ProgramTitle);
    failed = true;
}

} // namespace vq
