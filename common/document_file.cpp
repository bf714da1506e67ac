#include "common/document_file.h"

#include "common/main_window_host.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/section_reader.h"
#include "common/session_state.h"
#include "common/settings_file.h"
#include "common/settings_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vq {
namespace {

// Saturated-liquid and saturated-vapour inputs carry no value.
bool IsSaturationCode(int code)
{
    return code == 9 || code == 10;
}

// Whole-text double with "." (a leading "+" allowed); false for anything else.
bool ParseDotDouble(std::string_view text, double& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
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
    double v = ParseDouble(text);
    return ShortestDoubleText(std::isfinite(v) ? v : 0.0);
}

bool DocumentNumberToBoxText(const std::string& item, std::string& boxText)
{
    double v = 0;
    std::string text = TrimText(item);
    if (!ParseDotDouble(text, v)) {
        // Older documents may hold the locale's form of a number.
        bool failed = false;
        v = ParseDouble(text, false, false, failed);
        if (failed || !std::isfinite(v))
            return false;
    }
    boxText = ToLocaleDecimal(ShortestDoubleText(v));
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

bool DecodeStateProperty(int n, const std::string& text)
{
    MainWindowHost& host = CurrentMainWindowHost();
    int pos = 1;
    int status = 0;
    std::int16_t code = 0;
    std::string propertyText;
    std::string units;
    std::int16_t k = 0;
    std::string values[3] = {"0", "", ""};
    bool good = true;
    auto next = [&](auto&& read) {
        if (good) {
            read();
            good = status == 0;
        }
    };
    next([&] { NextIntegerItem(text, pos, 0, code, status); });
    next([&] { NextListItem(text, pos, 0, propertyText, status); });
    if (!IsSaturationCode(code)) {
        next([&] { NextListItem(text, pos, 0, units, status); });
        next([&] { NextIntegerItem(text, pos, 0, k, status); });
        for (int i = 0; k >= 0 && k <= 2 && i <= k; ++i) {
            std::string item;
            next([&] { NextListItem(text, pos, 0, item, status); });
            if (good && !DocumentNumberToBoxText(item, values[i]))
                good = false;
        }
    }
    if (!good) {
        host.SetInputText(n, InputBox::Value, "");
        return true;
    }
    if (!host.SelectProperty(n, code))
        return false;
    host.SelectUnits(n, units);
    const InputBox boxes[3] = {InputBox::Value, InputBox::End, InputBox::Increment};
    for (int i = 0; k >= 0 && k <= 2 && i <= k; ++i)
        host.SetInputText(n, boxes[i], values[i]);
    return true;
}

bool ParseInputPreferences(bool, std::string& errorText)
{
    MainWindowHost& host = CurrentMainWindowHost();
    int index = 0;
    std::string value;
    std::string lookupError;
    GetSectionValue("Prop Type", index, value, lookupError);
    std::int16_t mode = 0;
    if (index > 0 && !ConvertLocaleInteger(value, mode))
        return false;
    if (!host.SetInputMode(mode))
        return false;

    GetSectionValue("PropertyDatabase", index, value, lookupError);
    if (index > 0) {
        std::int16_t database = 0;
        if (!ConvertLocaleInteger(value, database))
            return false;
        if (database == 0 || database == 1)
            SelectPropertyDatabase(database == 0);
    }
    for (int n = 1; n <= 2; ++n) {
        GetSectionValue("Property #" + std::to_string(n), index, value, lookupError);
        if (index > 0 && !DecodeStateProperty(n, value))
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

} // namespace vq
