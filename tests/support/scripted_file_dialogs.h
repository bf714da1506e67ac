// File dialogs answered from a script for the lifetime of the object; with no answer
// left a dialog is cancelled.
#pragma once

#include "platform/file_dialog.h"

#include <vector>

namespace vq::test {

class ScriptedFileDialogs {
public:
    ScriptedFileDialogs()
    {
        SetFileDialogHandler([this](const FileDialogRequest& r) {
            requests.push_back(r);
            if (answers.empty())
                return FileDialogResult{32755, "", ""};
            FileDialogResult a = answers.front();
            answers.erase(answers.begin());
            return a;
        });
    }
    ~ScriptedFileDialogs() { SetFileDialogHandler({}); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    std::vector<FileDialogRequest> requests;
    std::vector<FileDialogResult> answers;
};

} // namespace vq::test
