// Work routines that the main window, the commands and the dialogs share.
#pragma once

namespace vq {

// The save-changes question before a document is left. True when the user cancelled
// (or the save failed), so the caller must not go on.
bool QuerySaveChanges();

} // namespace vq
