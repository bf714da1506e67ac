#include "files/settings_file.h"

#include "common/main_window_host.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "files/preference_sections.h"
#include "files/printer_font.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/section_heading.h"
#include "common/section_reader.h"
#include "common/session_state.h"
#include "common/settings_text.h"
#include "common/user_interface.h"
#include "files/unit_preference_defaults.h"
#include "preferences/output_mod.h"
#include "preferences/unit_pref_editor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace vq {

std::string SettingsFilePath;
std::string CustomToolbarFile;

void SelectPropertyDatabase(bool useIF97)
{
    MainWindowHost& host = CurrentMainWindowHost();
    if (useIF97) {
        host.SetToolChecked(ToolPropertyIF97, true);
        host.SetToolChecked(ToolPropertyNBS, false);
    } else {
        host.SetToolChecked(ToolPropertyIF97, false);
        host.SetToolChecked(ToolPropertyNBS, true);
    }
    host.SetPropertySourceCaption(useIF97 ? IF97DatabaseCaption : NBSDatabaseCaption);
    UseIF97 = useIF97;
}

void RefreshRecentFileMenu()
{
    MainWindowHost& host = CurrentMainWindowHost();
    std::string programFolder = host.ProgramFolder();
    while (programFolder.size() > 1 && programFolder.back() == '/')
        programFolder.pop_back();
    for (int i = 0; i < 4; ++i) {
        const std::string& path = RecentFiles[i];
        if (path.empty())
            continue;
        const int tool = ToolRecentFile1 + i;
        size_t slash = path.rfind('/');
        if (slash != std::string::npos && slash > 0) {
            std::string folder = path.substr(0, slash);
            std::string name = path.substr(slash + 1);
            std::string caption = "&" + std::to_string(i + 1) + " ";
            caption += folder == programFolder ? name : folder + "/" + name;
            host.SetToolCaption("", tool, caption);
        }
        host.SetToolVisible(tool, true);
    }
}

namespace {

std::string JoinInts(std::initializer_list<long long> values)
{
    std::string out;
    for (long long v : values) {
        if (!out.empty())
            out += ",";
        out += std::to_string(v);
    }
    return out;
}

std::string CurrentFolderText()
{
    std::error_code ec;
    auto folder = std::filesystem::current_path(ec);
    return ec ? std::string() : TrimText(SingleLineText(folder.string()));
}

} // namespace

std::vector<std::string> LastFilesKeyLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i < 4; ++i)
        if (!RecentFiles[i].empty())
            lines.push_back(std::to_string(i + 1) + "=" + SingleLineText(RecentFiles[i]));
    lines.push_back("LastWorkingDir=" + CurrentFolderText());
    return lines;
}

std::vector<std::string> ToolbarKeyLines()
{
    MainWindowHost& host = CurrentMainWindowHost();
    std::vector<std::string> lines;
    if (auto band = host.MainBandLayout()) {
        const auto& v = band->values;
        lines.push_back("Toolbar= " + SingleLineText(band->name) + "," + JoinInts({v[0], v[1], v[2], v[3], v[4], v[5]}));
    }
    lines.push_back("ShowToolbarTooltips= " + BooleanText(host.ShowTooltipsOnToolbars()));
    lines.push_back("ToolbarsTextStyle= " + std::to_string(host.ToolbarsTextStyle()));
    lines.push_back("DockableMainMenu= " + BooleanText(host.DockableMainMenu()));
    const PageSettings page = host.GetPageSettings();
    lines.push_back("THERMIX PRINT=" + JoinInts({page.MarginLeft, page.MarginRight, page.MarginTop, page.MarginBottom,
                                                 page.Orientation, page.PaperSize}));
    return lines;
}

std::vector<std::string> PropertyDatabaseKeyLines()
{
    return {std::string("Property Database= ") + (UseIF97 ? "0" : "1")};
}


namespace {

// Rewrites one section; on failure errorText is its SettingsFailureLine.
bool RewriteSection(const std::string& path, const std::string& heading, const std::vector<std::string>& keyLines,
                    SectionLayout layout, std::string& errorText)
{
    if (RewriteSettingsSection(path, heading, keyLines, layout, errorText))
        return true;
    errorText = SettingsFailureLine(path, errorText);
    return false;
}

// Tells the user about a failed write; gives back written.
bool Reported(bool written, const std::string& errorText)
{
    if (!written)
        ReportSettingsUpdateFailure(errorText);
    return written;
}

} // namespace

bool WriteLastFilesSection(const std::string& path, std::string& errorText)
{
    return RewriteSection(path, LastFilesHeading, LastFilesKeyLines(), SectionLayout{}, errorText);
}

bool WriteToolbarSection(const std::string& path, const std::string& customToolbarFile, std::string& errorText)
{
    MainWindowHost& host = CurrentMainWindowHost();
    std::string layoutError;
    if (host.ToolbarLayoutChanged()) {
        if (host.SaveToolbarLayout(customToolbarFile, layoutError))
            host.SetToolbarLayoutChanged(false);
        else
            layoutError = SettingsFailureLine(customToolbarFile, layoutError);
    }
    const bool written = RewriteSection(path, ToolbarHeading, ToolbarKeyLines(), SectionLayout{false, true}, errorText);
    if (layoutError.empty())
        return written;
    errorText = written ? layoutError : layoutError + "\r\n" + errorText;
    return false;
}

bool WritePropertyDatabaseSection(const std::string& path, std::string& errorText)
{
    return RewriteSection(path, PropertyDatabaseHeading, PropertyDatabaseKeyLines(), SectionLayout{false, false},
                          errorText);
}

bool WriteLastFilesSection(const std::string& path)
{
    std::string errorText;
    return Reported(WriteLastFilesSection(path, errorText), errorText);
}

bool WriteToolbarSection(const std::string& path, const std::string& customToolbarFile)
{
    std::string errorText;
    return Reported(WriteToolbarSection(path, customToolbarFile, errorText), errorText);
}

bool WritePropertyDatabaseSection(const std::string& path)
{
    std::string errorText;
    return Reported(WritePropertyDatabaseSection(path, errorText), errorText);
}

void ReadLastFilesSection(const std::string& path)
{
    std::string content;
    std::string errorText;
    if (ReadWholeFile(path, content, errorText) == FileReadStatus::Ok) {
        const std::vector<std::string> lines = SplitFileLines(content);
        auto it = std::find_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return IsSectionHeading(line, LastFilesHeading); });
        if (it != lines.end()) {
            ++it;
            auto current = [&]() { return it < lines.end() ? TrimText(*it) : std::string(); };
            std::string line = current();
            for (int i = 0; i < 4; ++i) {
                if (!line.empty() && line[0] == static_cast<char>('1' + i)) {
                    RecentFiles[i] = line.size() > 2 ? line.substr(2) : std::string();
                    ++it;
                    line = current();
                }
            }
            if (line.compare(0, 14, "LastWorkingDir") == 0) {
                std::string folder = TrimText(line.size() > 15 ? line.substr(15) : std::string());
                std::error_code ec;
                if (!folder.empty())
                    std::filesystem::current_path(folder, ec);
            }
        }
    }
    RefreshRecentFileMenu();
}

namespace {

// Opens the file and loads one section; false when the file cannot be read.
bool LoadSection(TextFileReader& file, const std::string& path, const std::string& heading, int& count)
{
    count = 0;
    if (!file.Open(path))
        return false;
    ReadSection(file, heading, count, false);
    return true;
}

// The value of key in the loaded section; false when it is not there.
bool SectionValue(const std::string& key, int& index, std::string& value)
{
    std::string errorText;
    GetSectionValue(key, index, value, errorText);
    return index > 0;
}

} // namespace

void LoadSettingsAtStartup(const std::string& path, const std::string& customToolbarFile, BadFileItems* badItems)
{
    TextFileReader file;
    if (!file.Open(path))
        return;
    file.Close();
    BadFileItems skipped;
    ReadLastFilesSection(path);
    ReadPrinterFontSection(path, &skipped);
    ReadToolbarSection(path, customToolbarFile, &skipped);
    ReadPropertyDatabaseSection(path, &skipped);
    PassBadFileItems(path, skipped, badItems);
}

void ReadIniControlsSection(const std::string& path)
{
    std::string content;
    std::string reason;
    const FileReadStatus status = ReadRewritableFile(path, content, reason);
    TextFileReader file;
    int count = 0;
    if (status == FileReadStatus::Ok) {
        file.SetText(content);
        ReadSection(file, IniControlsHeading, count, false);
    }
    if (count > 0) {
        int index = 0;
        std::string value;
        if (SectionValue("EXE_Mode", index, value))
            TrapErrors = ParseInteger(value) != 0;
        return;
    }
    // A settings file that is there but cannot be read is named with the reason; the
    // settings writers refuse it the same way.
    const bool failed = status == FileReadStatus::Failed;
    if (failed || (file.IsOpen() && !file.AtEnd())) {
        CurrentUserInterface().Beep();
        ShowMessage("Error reading " + path + " " + IniControlsHeading + " section." + AppName +
                        " default parameters were used.\r\nOpening " +
                        (failed ? SettingsFailureLine(path, reason) : path),
                    MessageExclamation);
    }
}

namespace {

// An integer item as the settings writers write it: a whole number that fits 16 bits
// (shortField) or 32 bits.
bool ReadWholeItem(const std::string& item, bool shortField, std::int32_t& value)
{
    using Short = std::numeric_limits<std::int16_t>;
    int v = 0;
    if (!ParseFileInteger(item, v) || (shortField && (v < Short::min() || v > Short::max())))
        return false;
    value = v;
    return true;
}

// The next comma item of text as ReadWholeItem reads it; false for an empty or
// missing item too.
bool NextWholeItem(const std::string& text, int& pos, bool shortField, std::int32_t& value)
{
    std::string item;
    int status = 0;
    NextListItem(text, pos, 0, item, status);
    return status == 0 && ReadWholeItem(item, shortField, value);
}

} // namespace

void ReadToolbarSection(const std::string& path, const std::string& customToolbarFile, BadFileItems* badItems)
{
    TextFileReader file;
    int count = 0;
    if (!LoadSection(file, path, ToolbarHeading, count) || count == 0)
        return;
    MainWindowHost& host = CurrentMainWindowHost();
    BadFileItems skipped;
    int index = 0;
    std::string value;

    const std::string toolbarKey = "Toolbar";
    if (SectionValue(toolbarKey, index, value)) {
        int pos = 1;
        std::string name;
        int status = 0;
        NextListItem(value, pos, 0, name, status);
        // The band's values: 16, 32, 16, 32, 32 and 32 bits wide.
        for (int field = 0; field < 6; ++field) {
            std::int32_t v = 0;
            if (NextWholeItem(value, pos, field == 0 || field == 2, v))
                host.SetMainBandValue(field, v);
            else
                NoteBadFileItem(&skipped, toolbarKey);
            std::error_code ec;
            if (field == 0 && host.MainBandValue(0) == 1 && std::filesystem::is_regular_file(customToolbarFile, ec))
                host.LoadToolbarLayout(customToolbarFile, host.MainBandName());
        }
    }
    bool flag = false;
    if (SectionValue("ShowToolbarTooltips", index, value)) {
        if (ParseFileBoolean(value, flag))
            host.SetShowTooltipsOnToolbars(flag);
        else
            NoteBadFileItem(&skipped, "ShowToolbarTooltips");
    }
    if (SectionValue("ToolbarsTextStyle", index, value)) {
        std::int32_t style = 0;
        if (ReadWholeItem(value, true, style))
            host.SetToolbarsTextStyle(style);
        else
            NoteBadFileItem(&skipped, "ToolbarsTextStyle");
    }
    if (SectionValue("DockableMainMenu", index, value)) {
        if (ParseFileBoolean(value, flag))
            host.SetDockableMainMenu(flag);
        else
            NoteBadFileItem(&skipped, "DockableMainMenu");
    }
    const std::string printKey = "THERMIX PRINT";
    if (SectionValue(printKey, index, value)) {
        PageSettings page = host.GetPageSettings();
        int pos = 1;
        for (std::int32_t* margin : {&page.MarginLeft, &page.MarginRight, &page.MarginTop, &page.MarginBottom})
            if (!NextWholeItem(value, pos, false, *margin))
                NoteBadFileItem(&skipped, printKey);
        for (int* setting : {&page.Orientation, &page.PaperSize}) {
            std::int32_t v = 0;
            if (NextWholeItem(value, pos, true, v))
                *setting = v;
            else
                NoteBadFileItem(&skipped, printKey);
        }
        host.SetPageSettings(page);
    }
    host.RelayoutToolbar();
    PassBadFileItems(path, skipped, badItems);
}

void ReadPropertyDatabaseSection(const std::string& path, BadFileItems* badItems)
{
    TextFileReader file;
    int count = 0;
    if (!LoadSection(file, path, PropertyDatabaseHeading, count) || count == 0)
        return;
    int index = 0;
    std::string value;
    const std::string key = "Property Database";
    if (!SectionValue(key, index, value))
        return;
    int pos = 1;
    std::int32_t code = 0;
    BadFileItems skipped;
    if (NextWholeItem(value, pos, true, code) && (code == 0 || code == 1))
        SelectPropertyDatabase(code == 0);
    else
        NoteBadFileItem(&skipped, key);
    PassBadFileItems(path, skipped, badItems);
}

void ReadUnitPreferencesSection(const std::string& path, BadFileItems* badItems)
{
    SetDefaultUnitPrefs();
    TextFileReader file;
    int count = 0;
    if (!LoadSection(file, path, UnitPreferencesHeading, count) || count == 0)
        return;
    const UnitPrefsSnapshot defaults;
    std::string errorText;
    BadFileItems skipped;
    ParseUnitPreferences(false, errorText, &skipped);
    if (errorText.empty()) {
        PassBadFileItems(path, skipped, badItems);
        return;
    }
    CurrentUserInterface().Beep();
    ShowMessage("Error reading " + path + " custom unit preferences. " + AppName +
                    " default unit preferences were used.\r\n" + errorText,
                MessageExclamation);
    defaults.Restore();
}

void ReadOutputPreferencesSection(const std::string& path, BadFileItems* badItems)
{
    TextFileReader file;
    int count = 0;
    if (!LoadSection(file, path, OutputPreferencesHeading, count) || count == 0)
        return;
    std::string errorText;
    BadFileItems skipped;
    ParseOutputPreferences(false, errorText, &skipped);
    if (errorText.empty()) {
        PassBadFileItems(path, skipped, badItems);
        return;
    }
    CurrentUserInterface().Beep();
    ShowMessage("Error reading " + path + " custom output preferences. " + AppName +
                    " default output preferences were used.",
                MessageExclamation);
    SetDefaultOutputPrefs();
}

namespace {

// Rewrites one section with the lines of a key writer; tells the user when it fails.
bool WriteReportedSection(const std::string& path, const std::string& heading,
                          void (*writeKeys)(std::vector<std::string>&))
{
    std::vector<std::string> lines;
    writeKeys(lines);
    std::string errorText;
    return Reported(RewriteSection(path, heading, lines, SectionLayout{}, errorText), errorText);
}

} // namespace

bool WriteUnitPreferencesSection(const std::string& path)
{
    return WriteReportedSection(path, UnitPreferencesHeading, WriteUnitPreferenceKeys);
}

bool WriteOutputPreferencesSection(const std::string& path)
{
    return WriteReportedSection(path, OutputPreferencesHeading, WriteOutputPreferenceKeys);
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
    // Checked before the open, which would wait on a pipe for a writer.
    std::string reason;
    if (std::filesystem::is_directory(SettingsFilePath, ec))
        reason = "The path names a folder, not a file.";
    else if (!std::filesystem::is_regular_file(SettingsFilePath, ec))
        reason = "The path names a pipe or device, not a plain file.";
    else if (!std::ifstream(SettingsFilePath, std::ios::binary))
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
