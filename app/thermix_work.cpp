#include "app/thermix_work.h"

#include "app/main_window_host_impl.h"
#include "printing/output_report.h"
#include "app/thermix_main.h"
#include "common/common_dialog_errors.h"
#include "common/safe_file.h"
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

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vq {

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
    if (force) {
        EndProgram();
        return false;
    }
    if (QuerySaveChanges())
        return true;
    const BusyScope busy;
    SaveSettingsAtExit();
    ReleaseObjectArrays();
    return false;
}

void SaveSettingsAtExit()
{
    WriteLastFilesSection(SettingsFilePath);
    WriteToolbarSection(SettingsFilePath, CustomToolbarFile);
    WritePropertyDatabaseSection(SettingsFilePath);
}

void ReleaseObjectArrays()
{
    ReleaseOutputParams();
    ReleaseUnitFamilies();
    ReleasePathObjects();
}

bool WriteOutputFile(ThermixMain& main, std::string& errorText)
{
    const std::vector<std::string> header = BuildOutputHeader(CurrentOutputHeaderInputs(ThermixMainHost(main)));
    const std::vector<std::string> lines = OutputReportLines(main.Sections(), header, main.GRD_Output->Model());
    return WriteFileSafely(OutputFileName, JoinFileLines(lines), errorText);
}

namespace {

void WriteReportReporting(ThermixMain& main)
{
    std::string errorText;
    bool written = false;
    {
        const BusyScope busy;
        written = WriteOutputFile(main, errorText);
    }
    if (!written) {
        CurrentUserInterface().Beep();
        CurrentUserInterface().Message(OutputWriteErrorMessage(errorText), MessageStyle::Exclamation, ProgramTitle);
    }
}

} // namespace

void SaveOutputAsMenu(ThermixMain& main)
{
    if (OutputFileName.empty()) {
        SaveOutputAs(main);
        return;
    }
    WriteReportReporting(main);
}

void SaveOutputAs(ThermixMain& main)
{
    FileDialogRequest request;
    request.save = true;
    request.title = "Save Output As";
    request.filter = ProgramTitle + " Output (*.out)|*.out";
    request.defaultExtension = "out";
    request.fileName = ProposedOutputFileName(DocumentName);
    const FileDialogResult chosen = ShowFileDialog(&main, request);
    if (chosen.error == CommonDialogCancelError)
        return;
    if (chosen.error != 0) {
        CurrentUserInterface().Beep();
        CurrentUserInterface().Message(OutputWriteErrorMessage(GetCommonDialogErrorText(chosen.error)),
                                       MessageStyle::Exclamation, ProgramTitle);
        return;
    }
    OutputFileName = chosen.path;
    WriteReportReporting(main);
}

bool WriteOutputReport(ThermixMain& main, const std::string& file, const std::string& separator,
                       const std::string& quote, std::string& errorText)
{
    const std::vector<std::string> header = BuildOutputHeader(CurrentOutputHeaderInputs(ThermixMainHost(main)));
    const std::vector<std::string> lines =
        OutputExportLines(main.Sections(), header, main.GRD_Output->Model(), separator, quote);
    return WriteFileSafely(file, JoinFileLines(lines), errorText);
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
