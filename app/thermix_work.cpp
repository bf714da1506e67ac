#include "app/thermix_work.h"

#include "printing/output_report.h"
#include "common/common_dialog_errors.h"
#include "common/safe_file.h"
#include "common/section_writer.h"
#include "app/document_commands.h"
#include "platform/file_dialog.h"
#include "files/document_file.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/search_paths.h"
#include "common/user_interface.h"
#include "preferences/output_mod.h"
#include "units/unit_family.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vq {

void OpenRecentFile(int n)
{
    if (n < 1 || n > static_cast<int>(RecentFiles.size()))
        return;
    const std::string path(TrimBlanks(RecentFiles[static_cast<std::size_t>(n - 1)]));
    const SettingsCommandScope command;
    if (path.empty() || QuerySaveChanges())
        return;
    // A file that cannot be opened leaves the current document as it is.
    bool cancelled = false;
    ReadInputFile(path, cancelled);
}

bool ExitProgram(bool force)
{
    if (force) {
        EndProgram();
        return false;
    }
    // The save asked for and the settings writes wait for another copy's lock once.
    const SettingsCommandScope command;
    if (QuerySaveChanges())
        return true;
    const BusyScope busy;
    SaveSettingsAtExit();
    ReleaseObjectArrays();
    return false;
}

namespace {

// Adds the failure lines of a settings write that are not there yet.
void AddSettingsFailures(std::vector<std::string>& failures, const std::string& errorText)
{
    for (const std::string& line : SplitFileLines(errorText))
        if (std::find(failures.begin(), failures.end(), line) == failures.end())
            failures.push_back(line);
}

} // namespace

void SaveSettingsAtExit()
{
    // One message for every write that failed, each reason once.
    std::vector<std::string> failures;
    std::string errorText;
    if (!WriteLastFilesSection(SettingsFilePath, errorText))
        AddSettingsFailures(failures, errorText);
    if (!WriteToolbarSection(SettingsFilePath, CustomToolbarFile, errorText))
        AddSettingsFailures(failures, errorText);
    if (!WritePropertyDatabaseSection(SettingsFilePath, errorText))
        AddSettingsFailures(failures, errorText);
    std::string text;
    for (const std::string& line : failures)
        text += (text.empty() ? "" : "\r\n") + line;
    if (!text.empty())
        ReportSettingsUpdateFailure(text);
}

void SaveSettingsAtExitUnattended()
{
    UserInterface& shown = CurrentUserInterface();
    InstallUserInterface(nullptr);
    SaveSettingsAtExit();
    InstallUserInterface(&shown);
}

void ReleaseObjectArrays()
{
    ReleaseOutputParams();
    ReleaseUnitFamilies();
    ReleasePathObjects();
}

namespace {

std::function<void()>& EndHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

void EndProgram()
{
    if (EndHandler())
        EndHandler()();
    else
        QCoreApplication::quit();
}

void SetProgramEndHandler(std::function<void()> handler)
{
    EndHandler() = std::move(handler);
}

} // namespace vq
