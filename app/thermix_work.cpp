#include "app/thermix_work.h"

#include "common/ui/document_commands.h"
#include "common/document_file.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "common/settings_file.h"
#include "common/user_interface.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vq {

bool QuerySaveChanges()
{
    if (DocumentSaved)
        return false;
    UserInterface& ui = CurrentUserInterface();
    switch (ui.Ask("Save changes to '" + DocumentName + "'?", ProgramTitle, true)) {
    case Answer::Cancel: return true;
    case Answer::No: return false;
    case Answer::Yes: break;
    }
    bool cancelled = false;
    SaveInputFile(cancelled);
    return cancelled;
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

void OpenRecentFile(int n)
{
    if (n < 1 || n > static_cast<int>(RecentFiles.size()))
        return;
    const std::string path(TrimBlanks(RecentFiles[static_cast<std::size_t>(n - 1)]));
    if (path.empty() || QuerySaveChanges())
        return;
    // A file that cannot be opened leaves the current document as it is.
    bool cancelled = false;
    ReadInputFile(path, cancelled);
}

bool ExitProgram(bool force)
{
    if (!force && QuerySaveChanges())
        return true;
    const BusyScope busy;
    WriteLastFilesSection(SettingsFilePath);
    WriteToolbarSection(SettingsFilePath, CustomToolbarFile);
    WritePropertyDatabaseSection(SettingsFilePath);
    return false;
}

} // namespace vq
