#include "common/common_dialog_errors.h"

#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/user_interface.h"

#include <utility>

namespace vq {

std::string GetCommonDialogErrorText(int code)
{
    static const std::pair<int, const char*> texts[] = {
        {32765, "Insufficient memory to perform operation."},
        {32761, "Could not load information."},
        {32760, "Could not load resource."},
        {32759, "Could not lock resource."},
        {32758, "Could not allocate required memory."},
        {32757, "Could not lock required memory."},
        {32752, "Could not allocate file name memory."},
        {32751, "Could not open WinHelp."},
        {28671, "Error accessing printer."},
        {28670, "Could not load required resources."},
        {28669, "Failure reading WIN.INI file."},
        {28667, "Could not load required device driver."},
        {28666, "Failure to initialize printer information."},
        {28665, "Failure initializing printer."},
        {28664, "Could not find any printer device drivers."},
        {28663, "Default printer does not exist."},
        {28662, "Multiple connected printer information are conflicting."},
        {28661, "Failure to create proper information."},
        {28660, "Devices section in WIN.INI does not contain entry for requested printer."},
        {24574, "No fonts are available."},
        {20478, "Insufficient memory to process window."},
        {20477, "Invalid file name."},
        {20476, "Buffer too small for file name string."},
    };
    for (const auto& [number, text] : texts)
        if (number == code)
            return text;
    return "Unknown error (" + std::to_string(code) + ").";
}

void ShowDialogError(const std::string& leadIn, int error)
{
    UserInterface& ui = CurrentUserInterface();
    ui.Beep();
    ui.Message(leadIn + "\r\n\r\n      " + GetCommonDialogErrorText(error), MessageStyle::Exclamation, ProgramTitle);
}

std::string ReadSupportFile(const std::string& path)
{
    std::string content;
    std::string errorText;
    if (ReadWholeFile(path, content, errorText) != FileReadStatus::Ok)
        return {};
    std::vector<std::string> lines = SplitFileLines(content);
    if (lines.size() > 9)
        lines.resize(9);
    return JoinFileLines(lines);
}

} // namespace vq
