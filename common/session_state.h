// Program-wide switches and texts of the open document and the settings file.
#pragma once

#include <array>
#include <string>

namespace vq {

inline const std::string UntitledDocument = "Untitled";

// Program-wide error trapping ("EXE_Mode" of the settings file sets it).
extern bool TrapErrors;
// The property database: true for the IAPWS-IF97 equations, false for the NBS library.
extern bool UseIF97;
// True while the document has no unsaved change.
extern bool DocumentSaved;
// Counts the changes to the document, so that a change shows while an earlier one is
// still unsaved.
extern unsigned long DocumentChanges;
// The name in the caption: "Untitled" or the file name without its folder.
extern std::string DocumentName;
// Full path of the document, "Untitled" for a new one.
extern std::string CurrentInputFile;
// Full path of the output report file the open document last saved to ("" until
// Save Output chooses one; New and Open forget it).
extern std::string OutputFileName;
// Recently opened or saved documents, most recent first; index 0 is entry 1; "" = none.
extern std::array<std::string, 4> RecentFiles;

// A change to the document: DocumentSaved becomes false and DocumentChanges grows.
void NoteDocumentChange();

// Back to the state of a new run with a new document (for tests).
void ResetSessionState();

} // namespace vq
