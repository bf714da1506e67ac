// Work routines that the main window, the commands and the dialogs share.
#pragma once

#include <functional>
#include <string>

namespace vq {

class ThermixMain;

// Tests that the settings file can be opened before user defaults are recalled from
// it; tells the user and sets failed when it cannot.
void RecallUserDefaults(bool& failed);

// Opens recent file n (1 to 4) after the save-changes question.
void OpenRecentFile(int n);

// The exit sequence: the save-changes question, the settings saved at exit and the
// program-wide tables released. True when the user cancelled, so the program goes on;
// otherwise the caller closes the main window and ends the program (EndProgram).
// force skips every step and ends the program at once.
bool ExitProgram(bool force);

// Rewrites "[Last Files]", "[Toolbar]" and "[Property Database]", in this order; a
// failure of one does not stop the next.
void SaveSettingsAtExit();

// Releases the output parameters, the unit families and the search paths.
void ReleaseObjectArrays();

// The output report file named by OutputFileName, from the main window's print
// sections, inputs and results grid (whose body cells are trimmed). False with
// errorText when the file could not be written; the old file is then unchanged.
bool WriteOutputFile(ThermixMain& main, std::string& errorText);
// Save Output: rewrites OutputFileName, or asks for a name when there is none yet.
void SaveOutputAsMenu(ThermixMain& main);
// Save Output As: asks for the report file's name and writes it there.
void SaveOutputAs(ThermixMain& main);
// The delimited text export to file; false with errorText when it could not be written.
bool WriteOutputReport(ThermixMain& main, const std::string& file, const std::string& separator,
                       const std::string& quote, std::string& errorText);

// Ends the program's event loop; tests install their own handler (empty: the default).
void EndProgram();
void SetProgramEndHandler(std::function<void()> handler);

} // namespace vq
