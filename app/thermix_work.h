// Work routines that the main window, the commands and the dialogs share.
#pragma once

namespace vq {

// The save-changes question before a document is left. True when the user cancelled
// (or the save failed), so the caller must not go on.
bool QuerySaveChanges();

// The exit sequence up to the end of the program: the save-changes question (unless
// forced), then the "[Last Files]", "[Toolbar]" and "[Property Database]" sections of
// the settings file. True when the user cancelled, so the program goes on.
bool ExitProgram(bool force);

} // namespace vq
