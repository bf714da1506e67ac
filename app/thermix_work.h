// Work routines that the main window, the commands and the dialogs share.
#pragma once

namespace vq {

// The save-changes question before a document is left. True when the user cancelled
// (or the save failed), so the caller must not go on.
bool QuerySaveChanges();

// Tests that the settings file can be opened before user defaults are recalled from
// it; tells the user and sets failed when it cannot.
void RecallUserDefaults(bool& failed);

// Opens recent file n (1 to 4) after the save-changes question.
void OpenRecentFile(int n);

// The exit sequence up to the end of the program: the save-changes question (unless
// forced), then the "[Last Files]", "[Toolbar]" and "[Property Database]" sections of
// the settings file. True when the user cancelled, so the program goes on.
bool ExitProgram(bool force);

} // namespace vq
