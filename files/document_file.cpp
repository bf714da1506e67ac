#include "files/document_file.h"

#include "files/calculation_defaults.h"
#include "common/main_window_host.h"
#include "common/messages.h"
#include "common/number_format.h"
#include "common/number_parsing.h"
#include "files/preference_sections.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/section_reader.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/settings_text.h"
#include "files/unit_preference_defaults.h"
#include "preferences/output_mod.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace vq {
namespace {

// Saturated-liquid and saturated-vapour inputs carry no value.
bool IsSaturationCode(int code)
{
    return code == PropSaturatedLiquid || code == PropSaturatedVapor;
}

} // namespace

std::string DocumentHeaderLine()
{
    return "Orm Vapoquant " + GetVersionText(1) + " Input File";
}

float DocumentVersionNumber(const std::string& firstLine)
{
    std::string_view rest;
    if (firstLine.size() > DocumentHeaderPrefix.size())
        rest = std::string_view(firstLine).substr(DocumentHeaderPrefix.size());
    rest = TrimBlanks(rest);
    double v = 0;
    auto result = std::from_chars(rest.data(), rest.data() + rest.size(), v);
    if (result.ec != std::errc() || !std::isfinite(v))
        return 0.0f;
    return static_cast<float>(v);
}

std::string DocumentNumberText(const std::string& typed)
{
    std::string text = TrimText(typed);
    if (text.empty())
        return {};
    double v = 0;
    if (ReadTypedNumber(text, v) != TypedNumber::Ok || !std::isfinite(v))
        return {};
    return ShortestDoubleText(v);
}

bool DocumentNumberToBoxText(const std::string& item, std::string& boxText)
{
    double v = 0;
    const std::string text = TrimText(item);
    // Older documents may hold the locale's form of a number.
    if (!ParseFileDouble(text, v) && ReadTypedNumber(text, v) != TypedNumber::Ok)
        return false;
    boxText = DefaultDoubleText(v, DecimalSymbol);
    return true;
}

std::string EncodeStateProperty(int n)
{
    if (n != 1 && n != 2)
        return {};
    MainWindowHost& host = CurrentMainWindowHost();
    const InputControls input = host.GetInput(n);
    std::string text = std::to_string(input.code) + "," + TrimText(SingleLineText(input.propertyText)) + "," +
                       TrimText(SingleLineText(input.unitsText));
    switch (host.InputMode()) {
    case 2:
        text += ",2," + DocumentNumberText(input.value) + "," + DocumentNumberText(input.end) + "," +
                DocumentNumberText(input.increment);
        break;
    case 1:
        text += ",1," + DocumentNumberText(input.value) + "," + DocumentNumberText(input.end);
        break;
    default:
        text += ",0," + DocumentNumberText(input.value);
        break;
    }
    return text;
}

bool DecodeStateProperty(int n, const std::string& text, BadFileItems* badItems)
{
    MainWindowHost& host = CurrentMainWindowHost();
    const std::string key = "Property #" + std::to_string(n);
    const char* const boxNames[3] = {" Value", " End", " Increment"};
    int pos = 1;
    int status = 0;
    std::string codeText;
    std::string propertyText;
    std::string units;
    std::string kText;
    int code = 0;
    int k = 0;
    std::string items[3];
    bool present[3] = {false, false, false};
    std::string values[3] = {"0", "", ""};
    bool good = true;
    auto next = [&](std::string& item) {
        if (good) {
            NextListItem(text, pos, 0, item, status);
            good = status == 0;
        }
    };
    next(codeText);
    // A code that is not a whole number names no property.
    if (good && !ParseFileInteger(codeText, code))
        return false;
    next(propertyText);
    if (!IsSaturationCode(code)) {
        next(units);
        next(kText);
        if (good && (!ParseFileInteger(kText, k) || k < 0 || k > 2)) {
            NoteBadFileItem(badItems, key);
            k = -1;
        }
        for (int i = 0; good && i <= k; ++i) {
            NextListItem(text, pos, 0, items[i], status);
            present[i] = status == 0;
            values[i].clear();
            good = status == 0 || status == -1 || status == 1;
        }
    }
    if (!good) {
        host.SetInputText(n, InputBox::Value, "");
        return true;
    }
    if (!host.SelectProperty(n, code))
        return false;
    // The values of a unit that the units list does not offer mean nothing: the boxes
    // stay empty. A box saved empty (an empty item, or none at the end of the line)
    // comes back empty, and so does one that does not hold a number.
    if (!IsSaturationCode(code) && !host.SelectUnits(n, units))
        NoteBadFileItem(badItems, key + " Units");
    else
        for (int i = 0; i <= k; ++i)
            if (present[i] && !DocumentNumberToBoxText(items[i], values[i]))
                NoteBadFileItem(badItems, key + boxNames[i]);
    const InputBox boxes[3] = {InputBox::Value, InputBox::End, InputBox::Increment};
    for (int i = 0; i <= k; ++i)
        host.SetInputText(n, boxes[i], values[i]);
    return true;
}

bool ParseInputPreferences(bool, std::string& errorText, BadFileItems* badItems)
{
    MainWindowHost& host = CurrentMainWindowHost();
    int index = 0;
    std::string value;
    std::string lookupError;
    GetSectionValue("Prop Type", index, value, lookupError);
    int mode = 0;
    if (index > 0 && !ParseFileInteger(value, mode))
        return false;
    if (!host.SetInputMode(mode))
        return false;

    const std::string databaseKey = "PropertyDatabase";
    GetSectionValue(databaseKey, index, value, lookupError);
    if (index > 0) {
        int database = 0;
        if (!ParseFileInteger(value, database))
            return false;
        if (database == 0 || database == 1)
            SelectPropertyDatabase(database == 0);
        else
            NoteBadFileItem(badItems, databaseKey);
    }
    for (int n = 1; n <= 2; ++n) {
        GetSectionValue("Property #" + std::to_string(n), index, value, lookupError);
        if (index > 0 && !DecodeStateProperty(n, value, badItems))
            return false;
    }
    errorText.clear();
    return true;
}

void ReportFileReadError(const std::string& errorText)
{
    CurrentUserInterface().Beep();
    ShowMessage("An error occurred reading file into " + ProgramTitle + ".\r\n" + errorText + ".\r\nUsing " + AppName +
                    " defaults.",
                MessageExclamation);
}

void AddRecentFile()
{
    if (CurrentInputFile == UntitledDocument)
        return;
    auto found = std::find(RecentFiles.begin(), RecentFiles.end(), CurrentInputFile);
    if (found != RecentFiles.end()) {
        for (auto j = found; j != RecentFiles.begin(); --j)
            if (!j[-1].empty())
                *j = j[-1];
    } else {
        for (int j = 2; j >= 0; --j)
            if (!RecentFiles[j].empty())
                RecentFiles[j + 1] = RecentFiles[j];
    }
    RecentFiles[0] = CurrentInputFile;
}


std::vector<std::string> DocumentLines()
{
    MainWindowHost& host = CurrentMainWindowHost();
    std::vector<std::string> lines = {
        DocumentHeaderLine(),
        "",
        ApplicationHeading,
        "AppName= " + AppName,
        "Version= " + VersionCode,
        " ",
        InputPreferencesHeading,
        "Prop Type= " + std::to_string(host.InputMode()),
        std::string("PropertyDatabase= ") + (UseIF97 ? "0" : "1"),
        "Property #1=" + EncodeStateProperty(1),
        "Property #2=" + EncodeStateProperty(2),
        " ",
        DocumentOutputHeading,
    };
    WriteOutputPreferenceKeys(lines);
    lines.push_back(" ");
    lines.push_back(DocumentUnitHeading);
    WriteUnitPreferenceKeys(lines);
    return lines;
}

bool WriteInputFile(const std::string& path)
{
    std::string errorText;
    if (WriteFileSafely(path, JoinFileLines(DocumentLines()), errorText)) {
        DocumentSaved = true;
        return true;
    }
    CurrentUserInterface().Beep();
    ShowMessage(errorText.empty() ? "An unknown error has occurred during file save to disk."
                                  : "The following error has occurred during file save to disk:\r\n      " + errorText,
                MessageExclamation);
    return false;
}

namespace {

// Loads one section of the document and parses it; errorText names what failed.
template <typename Parse>
void ReadDocumentSection(TextFileReader& file, const std::string& heading, std::string& errorText, Parse parse)
{
    int count = 0;
    ReadSection(file, heading, count, false);
    if (count == 0)
        errorText = "Can't find " + heading + " heading";
    else
        parse(false, errorText);
}

} // namespace

bool ReadInputFile(const std::string& path, bool& cancelled, bool newDocument)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        CurrentUserInterface().Beep();
        ShowMessage("The following file does not exist:\r\n\r\n" + path, MessageInformation);
        cancelled = true;
        return false;
    }
    // A failure names the stage reached. Before any content is applied it leaves the open
    // document as it was; once applying has begun it ends with the default set-up and a
    // new document.
    auto refuse = [&](const std::string& stage) {
        CurrentUserInterface().Beep();
        ShowMessage("An error occurred reading file into " + ProgramTitle + ".\r\n" + stage, MessageExclamation);
        cancelled = true;
        return false;
    };
    auto fail = [&](const std::string& stage) {
        refuse(stage);
        ResetCalculationDefaults();
        CurrentMainWindowHost().NewInputFile();
        DocumentName = UntitledDocument;
        CurrentInputFile = UntitledDocument;
        DocumentSaved = true;
        return false;
    };
    TextFileReader file;
    if (!file.Open(path))
        return refuse("Opening File");
    std::string line;
    if (!file.ReadLine(line))
        return refuse("Checking " + AppName + " Version");
    line = ToUpperAscii(TrimBlanks(line));
    if (line.compare(0, DocumentHeaderPrefix.size(), DocumentHeaderPrefix) != 0) {
        CurrentUserInterface().Beep();
        ShowMessage("Input file is not an Orm Vapoquant input file.", MessageInformation);
        cancelled = true;
        return false;
    }
    const float fileVersion = DocumentVersionNumber(line);
    const float programVersion = GetVersionNumber();
    if (programVersion > fileVersion) {
        CurrentUserInterface().Beep();
        ShowMessage("Cannot open " + ProgramTitle + " Version " + ToLocaleDecimal(ShortestFloatText(fileVersion)) +
                        " input file.",
                    MessageInformation);
        cancelled = true;
        return false;
    }
    if (fileVersion > programVersion) {
        char version[32];
        auto end = std::to_chars(version, version + sizeof version, programVersion, std::chars_format::fixed, 1).ptr;
        CurrentUserInterface().SetBusy(false);
        CurrentUserInterface().Beep();
        const std::string question =
            "Input file is from a later version of Orm Vapoquant than that which you are currently running. The file "
            "format may not be consistent with Orm Vapoquant " +
            ToLocaleDecimal(std::string(version, end)) + ". Do you want to try to open the file anyway?";
        if (CurrentUserInterface().Ask(question, ProgramTitle, true) != Answer::Yes) {
            cancelled = true;
            return false;
        }
    }

    // A file without input values is refused before anything of it is applied.
    int inputCount = 0;
    ReadSection(file, InputPreferencesHeading, inputCount, false);
    if (inputCount == 0) {
        const std::string missing = "Can't find " + InputPreferencesHeading + " heading";
        ReportFileReadError(missing);
        return refuse(missing);
    }

    // The preferences come first, so that the mode change and the inputs find every
    // stored unit in the lists.
    MainWindowHost& host = CurrentMainWindowHost();
    if (newDocument) {
        ResetCalculationDefaults();
        host.NewInputFile();
    }
    host.ClearInputProps();
    // The items skipped; those of a unit section replaced by the defaults go with it.
    BadFileItems badItems;
    std::string errorText;
    ReadDocumentSection(file, UnitPreferencesHeading, errorText, [&](bool requireAllKeys, std::string& text) {
        ParseUnitPreferences(requireAllKeys, text, &badItems);
    });
    if (!errorText.empty()) {
        ReportFileReadError(errorText);
        SetBuiltInUnitPrefs();
        badItems.clear();
    }
    errorText.clear();
    ReadDocumentSection(file, OutputPreferencesHeading, errorText, [&](bool requireAllKeys, std::string& text) {
        ParseOutputPreferences(requireAllKeys, text, &badItems);
    });
    if (!errorText.empty()) {
        ReportFileReadError(errorText);
        SetDefaultOutputPrefs();
    }
    errorText.clear();
    bool applied = true;
    ReadDocumentSection(file, InputPreferencesHeading, errorText, [&](bool requireAllKeys, std::string& text) {
        applied = ParseInputPreferences(requireAllKeys, text, &badItems);
    });
    if (!applied)
        return fail("Reading Input Values");
    if (!errorText.empty()) {
        ReportFileReadError(errorText);
        return fail(errorText);
    }

    CurrentInputFile = path;
    DocumentName = std::filesystem::path(path).filename().string();
    OutputFileName.clear();
    host.SetMainCaption();
    AddRecentFile();
    RefreshRecentFileMenu();
    WriteLastFilesSection(SettingsFilePath);
    DocumentSaved = true;
    ReportBadFileItems(path, badItems);
    return true;
}

} // namespace vq
