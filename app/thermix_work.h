// Work routines that the main window, the commands and the dialogs share.
#pragma once

#include <functional>
#include <string>

namespace vq {

class ThermixMain;

// Opens recent file n (1 to 4) after the save-changes question.
void OpenRecentFile(int n);

// The exit sequence: the save-changes question, the settings saved at exit and the
// program-wide tables released. True when the user cancelled, so the program goes on;
// otherwise the caller closes the main window and ends the program (EndProgram).
// force skips every step and ends the program at once.
bool ExitProgram(bool force);

// Rewrites "[Last Files]", "[Toolbar]" and "[Property Database]", in this order; a
// failure of one does not stop the next, and the failures are told in one message.
void SaveSettingsAtExit();

// The same with nobody there to answer: a failure is told on standard error only.
void SaveSettingsAtExitUnattended();

// Releases the output parameters, the unit families and the search paths.
void ReleaseObjectArrays();

// Ends the program's event loop; tests install their own handler (empty: the default).
void EndProgram();
void SetProgramEndHandler(std::function<void()> handler);

} // namespace vq
