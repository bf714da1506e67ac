// The document file (*.vpq): one calculation set-up (input mode, property database,
// the two inputs, output and unit preferences) as a sectioned text file.
#pragma once

#include "files/preference_sections.h"

#include <string>
#include <vector>

namespace vq {

inline const std::string DocumentHeaderPrefix = "ORM VAPOQUANT VERSION";
inline const std::string ApplicationHeading = "[APPLICATION]";
inline const std::string InputPreferencesHeading = "[INPUT PREFERENCES]";
inline const std::string DocumentOutputHeading = "[OUTPUT PREFERENCES]";
inline const std::string DocumentUnitHeading = "[UNIT PREFERENCES]";

// The first line of a document: "Orm Vapoquant Version 2.0 Input File".
std::string DocumentHeaderLine();

// The version number of a document's first line (already upper-cased and trimmed),
// read without the locale: "ORM VAPOQUANT VERSION 2.0 INPUT FILE" gives 2.0; 0 when
// there is none.
float DocumentVersionNumber(const std::string& firstLine);

// A number for a document: the typed text read as the calculation reads it, written
// as the shortest text with "." that reads back as the same double; "" for an empty box
// and for text that is not a typed number.
std::string DocumentNumberText(const std::string& typed);
// A number of a document read back as the text of an input box, in its default text
// (up to 15 significant digits, the locale's decimal symbol): the whole item with "." (older documents: "," or the locale's notation).
// False for an item that is not wholly such a number.
bool DocumentNumberToBoxText(const std::string& item, std::string& boxText);

// The property line of input n (1 or 2) of the main window; "" for any other n.
std::string EncodeStateProperty(int n);
// Applies a property line to input n. False when the line names a property that the
// input does not offer (a read failure); an incomplete line only empties the value box.
// A value that is not a number leaves its box empty, a unit that the units list does
// not offer leaves all of them empty, and a value count that is not 0 to 2 fills no
// box; each is noted in badItems ("Property #1 Value", "Property #1 Units").
bool DecodeStateProperty(int n, const std::string& text, BadFileItems* badItems = nullptr);

// Applies the loaded "[INPUT PREFERENCES]" section to the main window. False when a
// value cannot be applied (not a whole number, an input mode outside 0 to 2, an
// unknown property); errorText stays "" otherwise. A property database other than
// 0 or 1 changes nothing and is noted in badItems, as are the property lines' items.
bool ParseInputPreferences(bool requireAllKeys, std::string& errorText, BadFileItems* badItems = nullptr);

// Beeps and reports a section of a document that could not be read.
void ReportFileReadError(const std::string& errorText);

// The lines of the open document as WriteInputFile writes them.
std::vector<std::string> DocumentLines();

// Writes the open document to path through a temporary file. On success DocumentSaved
// becomes true; on failure the user is told, the old file at path is unchanged,
// DocumentSaved keeps its value and the result is false.
bool WriteInputFile(const std::string& path);

// Reads the document at path into the main window and the preference records. On
// success CurrentInputFile and DocumentName name it, it heads the recent files and the
// document counts as saved; the result is true. A file that is missing, not a document,
// of an older version, or of a newer one that the user declines is refused: the user
// is told and nothing changes. A file whose input section cannot be read is reported
// and leaves a new untitled document with the default set-up. Items that are not
// valid values are skipped and named in one message once the file is read. Refusals and failures
// set cancelled and return false. With newDocument set, a file that is not refused
// first resets the set-up and the window to a new document (the Open command).
bool ReadInputFile(const std::string& path, bool& cancelled, bool newDocument = false);

// Puts CurrentInputFile at the top of RecentFiles.
void AddRecentFile();

} // namespace vq
