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
    std::string defaultExtension; // added to a chosen name without one
    std::string fileName;         // proposed name; a wildcard name proposes none
};

// error 0: path and title (file name without its folder) hold the choice;
// CommonDialogCancelError: the user cancelled.
struct FileDialogResult {
    int error = 0;
    std::string path;
    std::string title;
};

// The dialog filter in Qt's form: "Name (*.x);;Other (*.*)".
std::string QtFileFilter(const std::string& filter);

// Shows the dialog modally over parent, or asks the installed handler. The dialog
// opens in the working folder, and a chosen file's folder becomes the working folder.
FileDialogResult ShowFileDialog(QWidget* parent, const FileDialogRequest& request);

// Makes the folder of a chosen file the working folder (nothing for an empty path or
// a folder that is gone).
void FollowChosenFile(const std::string& path);

using FileDialogHandler = std::function<FileDialogResult(const FileDialogRequest&)>;
// Tests answer the dialogs themselves; an empty handler restores the real dialogs and
// the working folder the handler found, so that no answered folder is left behind.
void SetFileDialogHandler(FileDialogHandler handler);

} // namespace vq
