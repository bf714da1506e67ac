// The document file (*.vpq): one calculation set-up (input mode, property database,
// the two inputs, output and unit preferences) as a sectioned text file.
#pragma once

#include <string>

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
// as the shortest text with "." that reads back as the same double; "" for an empty box.
std::string DocumentNumberText(const std::string& typed);
// A number of a document read back as the text of an input box (the locale's decimal
// symbol). False for an item that is not a number.
bool DocumentNumberToBoxText(const std::string& item, std::string& boxText);

// The property line of input n (1 or 2) of the main window; "" for any other n.
std::string EncodeStateProperty(int n);
// Applies a property line to input n. False when the line names a property that the
// input does not offer (a read failure); an incomplete line only empties the value box.
bool DecodeStateProperty(int n, const std::string& text);

// Applies the loaded "[INPUT PREFERENCES]" section to the main window. False when a
// value cannot be applied (not a whole number, an input mode outside 0 to 2, an
// unknown property); errorText stays "" otherwise.
bool ParseInputPreferences(bool requireAllKeys, std::string& errorText);

// Beeps and reports a section of a document that could not be read.
void ReportFileReadError(const std::string& errorText);

// Puts CurrentInputFile at the top of RecentFiles.
void AddRecentFile();

} // namespace vq
