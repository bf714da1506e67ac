// The File commands Open, Save and Save As of the main window, and the save-changes
// question before a document is left.
#pragma once

namespace vq {

// The save-changes question before a document is left. True when the user cancelled
// (or the save failed), so the caller must not go on.
bool QuerySaveChanges();

// Asks for a document and opens it, after the save-changes question.
void ShowOpenDialog();

// Saves the open document under its name, or through Save As when it is untitled.
// cancelled is set when the user cancels the Save As dialog or the file cannot be
// written (the old file is then unchanged and the user told).
void SaveInputFile(bool& cancelled);

// Asks for a file name and saves the document there, making it the current one.
// cancelled is set as by SaveInputFile.
void ShowSaveAsDialog(bool& cancelled);

} // namespace vq
