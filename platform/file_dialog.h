// The open and save file dialogs of the main window, with a seam for tests.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace vq {

struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;           // "Name (*.x)|*.x|Other (*.*)|*.*"
    std::string defaultExtension; // added to a saved name without one, where the type chosen has none
    std::string fileName;         // proposed name; a wildcard name proposes none
    int filterIndex = 0;          // the type shown first, from 1; 0 the first
};

// error 0: path and title (file name without its folder) hold the choice;
// CommonDialogCancelError: the user cancelled.
struct FileDialogResult {
    int error = 0;
    std::string path;
    std::string title;
    int filterIndex = 0; // the type chosen, from 1; 0 when not known
};

// The dialog filter in Qt's form: "Name (*.x);;Other (*.*)".
std::string QtFileFilter(const std::string& filter);

// Shows the dialog modally over parent, or asks the installed handler. The dialog
// opens in the working folder, and a chosen file's folder becomes the working folder.
// A saved name given without an extension (no '.' in the file name) takes that of the type
// chosen, or the default extension where that type has none or is not known. Only then,
// for a file that is there, is the user asked whether it may be replaced: the dialog has
// confirmed the name it gave back. No shows the dialog again with that name and type.
FileDialogResult ShowFileDialog(QWidget* parent, const FileDialogRequest& request);

// Makes the folder of a chosen file the working folder (nothing for an empty path or
// a folder that is gone).
void FollowChosenFile(const std::string& path);

using FileDialogHandler = std::function<FileDialogResult(const FileDialogRequest&)>;
// Tests answer the dialogs themselves, as the dialog answers: with the name it gives
// back (confirmed by the dialog where that file is there) and the type chosen; an empty
// handler restores the real dialogs and the working folder the handler found, so that no
// answered folder is left behind.
void SetFileDialogHandler(FileDialogHandler handler);

} // namespace vq
