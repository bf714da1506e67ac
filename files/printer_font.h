// The report font: the program-wide copy of the system printer's font and its
// "[Printer Font]" section of the settings file.
#pragma once

#include "common/main_window_host.h"
#include "files/preference_sections.h"

#include <string>
#include <vector>

namespace vq {

// The point sizes the font dialog offers for the report font.
inline constexpr int SmallestReportFontSize = 6;
inline constexpr int LargestReportFontSize = 14;
inline const std::string PrinterFontHeading = "[Printer Font]";

extern std::string PrintFontName;
extern int PrintFontSize; // points, whole
extern bool PrintFontBold;
extern bool PrintFontItalic;

// Empty name, size 0, neither bold nor italic (for tests).
void ResetPrinterFontState();

// A point size rounded to a whole number, halves to the even neighbour.
int WholeFontSize(float size);

// The key lines of "[Printer Font]" for a font.
std::vector<std::string> PrinterFontKeyLines(const PrinterFontInfo& font);

// Rewrites "[Printer Font]" of the settings file at path from the system printer's font.
// False when the file could not be rewritten (it is then unchanged).
bool WritePrinterFontSection(const std::string& path);

// Reads "[Printer Font]" of the settings file at path into the system printer's font and
// the report-font variables. Without the section nothing changes; keys out of order or
// unreadable, or a size the font dialog does not offer, give size 10 and the printer's font name.
// A key in its place whose value does not read is added to badItems when given, else
// named in a message.
void ReadPrinterFontSection(const std::string& path, BadFileItems* badItems = nullptr);

} // namespace vq
