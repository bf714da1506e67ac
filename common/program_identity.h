// The program's name, title and version texts, set once at start-up.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// Program-wide identity texts. They hold their values from the start;
// SetProgramIdentity sets them again.
extern std::string AppName;
extern std::string ProgramLongName;
extern std::string VersionCode; // product code (1-2), major (3-4), minor (5)
extern std::string ProgramTitle;
extern std::string ProgramLongTitle;

inline constexpr std::string_view VersionLabel = "Version 2.0";
inline constexpr std::string_view ReleaseDateText = "(2011.02.02)";

void SetProgramIdentity();

// 0 title and version with date, 1 version label, 2 and 4 date, 3 version and
// date, 5 AppName, 6 ProgramTitle; any other format gives "".
std::string GetVersionText(int format);
// major.minor of a version code (an empty code means VersionCode).
float GetVersionNumber(std::string_view code = {});
// The product code, characters 1-2 of VersionCode; 0 when the code is not a number.
int GetProductCode();

std::string GetAboutNoticeText();
std::string GetLegalNoticeText();

} // namespace vq
