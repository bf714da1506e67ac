// Search paths of the program files that the control file may relocate: the
// settings file and the two toolbar layout files.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace vq {

// Folder kinds of BuildPath.
enum PathKind : int {
    PathKindProgram = 1,   // folder of the executable
    PathKindCurrent = 2,   // current directory
    PathKindWindows = 3,   // the user's configuration folder
    PathKindSystem = 4,    // the system-wide configuration folder
    PathKindSupport = 5,   // the folder of the files shipped with the program
    PathKindSearchPath = 99, // current folder of PathObjects(index)
};

// Entries of PathObjects that the program sets up.
enum PathObjectEntry : int {
    SettingsFilePathEntry = 1,
    CustomToolbarPathEntry = 2,
    InternalToolbarPathEntry = 4,
};

inline const std::string ControlFileName = "Control.orm";
inline const std::string SearchPathsHeading = "[SEARCH PATHS]";

// One program file located through a list of candidate folders.
class CPathObj {
public:
    std::string KeyName;     // control-file key that lists the candidate folders
    std::string FileName;    // bare file name
    std::string DefaultPath; // folder used when no listed folder qualifies
    std::string PathList;    // candidate folders separated by commas

    void SetUpPathObj(const std::string& keyName, const std::string& fileName, const std::string& defaultPath);
    // Searches PathList from entry startIndex for a folder holding the file (or,
    // with allowCreate, any existing folder), then the default folder. Returns the
    // new path index: k for entry k, 0 for the default folder, -1 for none.
    int FindPathToFile(int startIndex, bool allowCreate);

    std::string CurrentPath() const;
    // The current folder joined with the file name; the bare name when no folder.
    std::string FileNameAndPath() const;
    int NumPaths() const;
    int PathIndex() const { return pathIndex_; }

private:
    // The entry that begins at offset start of PathList: up to the next comma from
    // its second character on, trimmed; a leading "." is relative to the program folder.
    std::string EntryAt(std::size_t start, const std::string& programFolder) const;
    // Where the entry after the one at start begins; npos when there is none.
    std::size_t NextEntryStart(std::size_t start) const;

    std::string currentFolder_;
    int pathIndex_ = -1;
};

// Entries 1, 2 and 4 are set up by ReadControlFile; the others stay empty.
extern std::array<std::optional<CPathObj>, 7> PathObjects;

// Builds PathObjects from the built-in defaults and the "[SEARCH PATHS]" section
// of the control file (looked for in the user's configuration folder, then in the
// program folder). A missing control file, section or key leaves the defaults; so does
// a list of more folders than a path index counts or one holding a NUL byte, which the
// user is told about.
void ReadControlFile();
// Releases PathObjects (exit; tests use it as the reset).
void ReleasePathObjects();

// The folder of the kind, a "/" when it does not end with one, then the file name
// without outer blanks. Kind 99 takes the current folder of PathObjects(index).
std::string BuildPath(const std::string& fileName, int kind, int index = 0);

// The folder of the executable. SetProgramFolder overrides it (start-up may pass
// the toolkit's answer; tests pass a temporary folder); an empty text restores
// the folder found from the running executable.
std::string GetProgramFolder();
void SetProgramFolder(const std::string& folder);

// The folder of the files shipped with the program (default toolbar layout, support
// file): the installed data folder beside an installed program, else the program
// folder itself (as in the build folder).
std::string GetSupportFolder();

} // namespace vq
