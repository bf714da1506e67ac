#include "common/program_identity.h"

#include "common/number_parsing.h"

namespace vq {

std::string AppName = "Vapoquant";
std::string ProgramLongName = "Vapoquant 2.0";
std::string VersionCode = "08020015";
std::string ProgramTitle = "Orm Vapoquant";
std::string ProgramLongTitle = "Orm Vapoquant 2.0";

void SetProgramIdentity()
{
    AppName = "Vapoquant";
    ProgramLongName = AppName + " 2.0";
    VersionCode = "08020015";
    ProgramTitle = "Orm " + AppName;
    ProgramLongTitle = "Orm " + ProgramLongName;
}

std::string GetVersionText(int format)
{
    const std::string label(VersionLabel);
    const std::string date(ReleaseDateText);
    switch (format) {
    case 0:
        return ProgramTitle + " " + label + " " + date;
    case 1:
        return label;
    case 2:
    case 4:
        return date;
    case 3:
        return label + " " + date;
    case 5:
        return AppName;
    case 6:
        return ProgramTitle;
    default:
        return {};
    }
}

namespace {

// Characters [from, from + count) of text, 0-based, clipped to the text.
std::string_view Mid(std::string_view text, std::size_t from, std::size_t count)
{
    return from >= text.size() ? std::string_view() : text.substr(from, count);
}

} // namespace

float GetVersionNumber(std::string_view code)
{
    const std::string_view c = code.empty() ? std::string_view(VersionCode) : code;
    std::string text(Mid(c, 2, 2));
    text += '.';
    text += Mid(c, 4, 1);
    return ParseSingle(ToLocaleDecimal(text));
}

int GetProductCode()
{
    if (ParseSingle(VersionCode) > 0)
        return ParseLong(Mid(VersionCode, 0, 2));
    return 0;
}

std::string GetAboutNoticeText()
{
    return ProgramLongTitle + " " + std::string(ReleaseDateText)
           + "\nCopyright Orm. All rights reserved.\n"
             "This program is licensed to the registered user only.";
}

std::string GetLegalNoticeText()
{
    return "Warning: this computer program is protected by copyright law and international "
           "treaties. Unauthorized reproduction or distribution of this program, or any portion "
           "of it, may result in severe civil and criminal penalties, and will be prosecuted to "
           "the maximum extent possible under the law.";
}

} // namespace vq
