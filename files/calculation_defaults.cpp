#include "files/calculation_defaults.h"

#include "common/main_window_host.h"
#include "common/preference_records.h"
#include "files/printer_font.h"
#include "common/safe_file.h"
#include "files/settings_file.h"
#include "files/unit_preference_defaults.h"
#include "preferences/output_mod.h"

namespace vq {

void ResetCalculationDefaults(BadFileItems* badItems)
{
    MainWindowHost& host = CurrentMainWindowHost();
    if (!host.GetToolChecked(ToolPropertyIF97) && !host.GetToolChecked(ToolPropertyNBS))
        SelectPropertyDatabase(true);
    // The unit preferences come back as one whole: units in use, preferred units and
    // atmospheric pressure.
    SetBuiltInUnitPrefs();
    const PrinterFontInfo font = host.PrinterFont();
    if (PrintFontName.empty()) {
        PrintFontName = font.name;
        PrintFontBold = font.bold;
        PrintFontItalic = font.italic;
    }
    if (PrintFontSize == 0)
        PrintFontSize = WholeFontSize(font.size);
    LoadSavedPreferences(0, badItems);
}

void LoadSavedPreferences(int source, BadFileItems* badItems)
{
    if (source != 0)
        return;
    std::string content;
    std::string errorText;
    const bool saved = ReadWholeFile(SettingsFilePath, content, errorText) == FileReadStatus::Ok;
    BadFileItems skipped;
    if (saved)
        ReadUnitPreferencesSection(SettingsFilePath, &skipped);
    // The results are shown in the preferred units just read, unless saved otherwise.
    SetDefaultOutputPrefs();
    if (saved) {
        ReadOutputPreferencesSection(SettingsFilePath, &skipped);
        PassBadFileItems(SettingsFilePath, skipped, badItems);
    }
}

} // namespace vq
