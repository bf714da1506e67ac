#include "files/printer_font.h"

#include "common/safe_file.h"
#include "common/section_heading.h"
#include "common/section_writer.h"
#include "common/settings_text.h"

#include <algorithm>
#include <cmath>

namespace vq {

std::string PrintFontName;
int PrintFontSize = 0;
bool PrintFontBold = false;
bool PrintFontItalic = false;

void ResetPrinterFontState()
{
    PrintFontName.clear();
    PrintFontSize = 0;
    PrintFontBold = false;
    PrintFontItalic = false;
}

int WholeFontSize(float size)
{
    if (!std::isfinite(size))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(size, -32768.0f, 32767.0f)));
}

std::vector<std::string> PrinterFontKeyLines(const PrinterFontInfo& font)
{
    return {"Name= " + SingleLineText(font.name), "Size= " + ShortestFloatText(font.size),
            "Italic= " + BooleanText(font.italic), "Bold= " + BooleanText(font.bold)};
}

bool WritePrinterFontSection(const std::string& path)
{
    std::string errorText;
    if (RewriteSettingsSection(path, PrinterFontHeading, PrinterFontKeyLines(CurrentMainWindowHost().PrinterFont()),
                               SectionLayout{}, errorText))
        return true;
    ReportSettingsUpdateFailure(SettingsFailureLine(path, errorText));
    return false;
}

namespace {

// The value of a line that must begin with key: the text after its "=", trimmed.
bool KeyLineValue(const std::string& line, const std::string& key, std::string& value)
{
    if (line.compare(0, key.size(), key) != 0)
        return false;
    size_t eq = line.find('=', key.size());
    value = TrimText(eq == std::string::npos ? line.substr(key.size()) : line.substr(eq + 1));
    return true;
}

} // namespace

void ReadPrinterFontSection(const std::string& path, BadFileItems* badItems)
{
    std::string content;
    std::string errorText;
    if (ReadWholeFile(path, content, errorText) != FileReadStatus::Ok)
        return;
    const std::vector<std::string> lines = SplitFileLines(content);
    auto heading = std::find_if(lines.begin(), lines.end(),
                                [](const std::string& line) { return IsSectionHeading(line, PrinterFontHeading); });
    if (heading == lines.end())
        return;

    MainWindowHost& host = CurrentMainWindowHost();
    // Changes one property of the printer's font.
    auto change = [&](auto edit) {
        PrinterFontInfo font = host.PrinterFont();
        edit(font);
        host.SetPrinterFont(font);
        return host.PrinterFont();
    };
    auto lineAfter = [&](size_t k) { return heading + 1 + k < lines.end() ? TrimText(heading[1 + k]) : std::string(); };
    BadFileItems skipped;
    // A key in its place whose value does not read is named.
    auto valueOf = [&](size_t k, const std::string& key, std::string& value, auto read) {
        if (!KeyLineValue(lineAfter(k), key, value))
            return false;
        if (read(value))
            return true;
        NoteBadFileItem(&skipped, key);
        return false;
    };
    std::string value;
    bool good = KeyLineValue(lineAfter(0), "Name", value) && !value.empty();
    if (good)
        PrintFontName = change([&](PrinterFontInfo& f) { f.name = value; }).name;
    float size = 0;
    good = good && valueOf(1, "Size", value, [&](const std::string& text) {
               return ParseFileFloat(text, size) && size >= SmallestReportFontSize && size <= LargestReportFontSize;
           });
    if (good)
        PrintFontSize = WholeFontSize(change([&](PrinterFontInfo& f) { f.size = size; }).size);
    bool flag = false;
    auto readFlag = [&](const std::string& text) { return ParseFileBoolean(text, flag); };
    good = good && valueOf(2, "Italic", value, readFlag);
    if (good)
        PrintFontItalic = change([&](PrinterFontInfo& f) { f.italic = flag; }).italic;
    good = good && valueOf(3, "Bold", value, readFlag);
    if (good) {
        PrintFontBold = change([&](PrinterFontInfo& f) { f.bold = flag; }).bold;
        return;
    }
    change([](PrinterFontInfo& f) { f.size = 10.0f; });
    PrintFontSize = 10;
    PrintFontName = host.PrinterFont().name;
    PassBadFileItems(path, skipped, badItems);
}

} // namespace vq
