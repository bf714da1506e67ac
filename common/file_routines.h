// Files and the program's folders.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// True only for a readable regular file (the path trimmed of blanks).
bool FileExists(std::string_view path);
// The user's configuration folder: $VAPOQUANT_CONFIG_DIR when set, else
// $XDG_CONFIG_HOME/Vapoquant, else $HOME/.config/Vapoquant; made when missing (MakeFolder).
// A relative folder is taken from the working folder of the call: start-up asks once
// and keeps the absolute answer for the run, wherever the working folder goes.
std::string GetWindowsFolder();
// Makes folder and the folders above it where missing. Where that fails, the system's
// reason (an errno value) is kept, and FolderCreationError gives it until the folder is
// made; 0 for a folder made, already there or never tried.
bool MakeFolder(const std::string& folder);
int FolderCreationError(const std::string& folder);
// The system-wide configuration folder.
std::string GetSystemFolder();

} // namespace vq
