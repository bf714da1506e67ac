// Saving the document from the Qt program: under its own name, or through the
// Save As dialog for an untitled document.
#pragma once

#include <string>

class QWidget;

namespace vq {

// Saves the open document. cancelled is set when the user cancels the Save As dialog
// or the file cannot be written (the old file is then unchanged and the user told).
void SaveInputFile(bool& cancelled);

// The Save As dialog; on OK writes the document there and makes it the current one.
// Returns false when cancelled or not written.
bool ShowSaveAsDialog(QWidget* parent);

} // namespace vq
