#include "app/document_commands.h"

#include "files/calculation_defaults.h"
#include "common/common_dialog_errors.h"
#include "files/document_file.h"
#include "common/main_window_host.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/section_writer.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/user_interface.h"
#include "platform/file_dialog.h"

#include <QApplication>

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

void ShowOpenDialog()
{
    FileDialogRequest request;
    request.title = "Open";
    request.filter = "Orm Vapoquant (*.vpq)|*.vpq|All (*.*)|*.*";
    request.defaultExtension = "*.vpq";
    request.fileName = "*.vpq";
    const FileDialogResult chosen = ShowFileDialog(QApplication::activeWindow(), request);
    if (chosen.error == CommonDialogCancelError)
        return;
    if (chosen.error != 0) {
        ShowDialogError("The following error occurred while opening the file:", chosen.error);
        return;
    }
    const SettingsCommandScope command;
    if (QuerySaveChanges())
        return;
    // The document takes the file's name only once it is read; a refused file leaves
    // the open document as it is.
    bool cancelled = false;
    ReadInputFile(chosen.path, cancelled, true);
}

void SaveInputFile(bool& cancelled)
{
    if (ToUpperAscii(TrimBlanks(DocumentName)) == "UNTITLED") {
        ShowSaveAsDialog(cancelled);
        return;
    }
    cancelled = !CurrentMainWindowHost().CheckInputNumbers();
    if (cancelled)
        return;
    const BusyScope busy;
    // A failed write leaves the old file and counts as cancelled: nothing that asked
    // for the save may go on as if the document were stored.
    cancelled = !WriteInputFile(CurrentInputFile);
}

void ShowSaveAsDialog(bool& cancelled)
{
    // A box that holds no number cannot be stored as typed.
    if (!CurrentMainWindowHost().CheckInputNumbers()) {
        cancelled = true;
        return;
    }
    FileDialogRequest request;
    request.save = true;
    request.title = "Save As";
    request.filter = "Orm Vapoquant (*.vpq)|*.vpq";
    request.defaultExtension = "vpq";
    request.fileName = DocumentName != UntitledDocument ? DocumentName : "*.vpq";
    const FileDialogResult chosen = ShowFileDialog(QApplication::activeWindow(), request);
    if (chosen.error == CommonDialogCancelError) {
        cancelled = true;
        return;
    }
    if (chosen.error != 0) {
        ShowDialogError("The following error occurred while saving to file:", chosen.error);
        return;
    }
    const BusyScope busy;
    // The document takes the new name only once it is stored there; a failed write
    // keeps the old name and counts as cancelled.
    if (!WriteInputFile(chosen.path)) {
        cancelled = true;
        return;
    }
    cancelled = false;
    CurrentInputFile = chosen.path;
    DocumentName = chosen.title;
    AddRecentFile();
    RefreshRecentFileMenu();
    WriteLastFilesSection(SettingsFilePath);
    CurrentMainWindowHost().SetMainCaption();
}

} // namespace vq
