#include "common/search_paths.h"

#include "common/file_routines.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/section_reader.h"

#include <filesystem>
#include <system_error>

// Where an installed program finds its shipped files, relative to its own folder.
#ifndef VQ_SUPPORT_FROM_PROGRAM
#define VQ_SUPPORT_FROM_PROGRAM "../share/vapoquant"
#endif

namespace vq {

std::array<std::optional<CPathObj>, 7> PathObjects;

namespace {

std::string programFolderOverride;

std::string WithSlash(const std::string& folder)
{
    return !folder.empty() && folder.back() == '/' ? folder : folder + "/";
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

std::string FolderOfKind(int kind, int index)
{
    switch (kind) {
    case PathKindProgram:
        return GetProgramFolder();
    case PathKindCurrent: {
        std::error_code ec;
        const auto cwd = std::filesystem::current_path(ec);
        return ec ? std::string() : cwd.string();
    }
    case PathKindWindows:
        return GetWindowsFolder();
    case PathKindSystem:
        return GetSystemFolder();
    case PathKindSupport:
        return GetSupportFolder();
    case PathKindSearchPath:
        if (index >= 0 && index < static_cast<int>(PathObjects.size()) && PathObjects[static_cast<std::size_t>(index)])
            return PathObjects[static_cast<std::size_t>(index)]->CurrentPath();
        return {};
    default:
        return {};
    }
}

struct PathSetup {
    PathObjectEntry entry;
    const char* key;
    const char* file;
    PathKind folder;
    bool allowCreate;
};

// Path indexes are 16-bit: a list with more folders than that is refused whole.
constexpr int MostPathEntries = 32767;

constexpr PathSetup PathSetups[] = {
    {SettingsFilePathEntry, "INIFilePath", "Thermix2.ini", PathKindWindows, false},
    {CustomToolbarPathEntry, "CustomTBPath", "VQUser2.tb", PathKindWindows, true},
    {InternalToolbarPathEntry, "InternalTBPath", "Thermix2.tb", PathKindSupport, false},
};

// Why a folder list cannot be used ("" when it can): more folders than a path index
// counts, or a NUL byte, which no path can hold.
std::string RefusedListReason(const CPathObj& obj)
{
    if (obj.NumPaths() > MostPathEntries)
        return "lists more than " + std::to_string(MostPathEntries) + " folders";
    if (obj.PathList.find('\0') != std::string::npos)
        return "holds a NUL byte";
    return {};
}

} // namespace

std::string GetProgramFolder()
{
    if (!programFolderOverride.empty())
        return programFolderOverride;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

void SetProgramFolder(const std::string& folder)
{
    programFolderOverride = folder;
}

std::string GetSupportFolder()
{
    const std::string program = GetProgramFolder();
    const std::string installed =
        (std::filesystem::path(WithSlash(program)) / VQ_SUPPORT_FROM_PROGRAM).lexically_normal().string();
    return !program.empty() && IsFolder(installed) ? installed : program;
}

void CPathObj::SetUpPathObj(const std::string& keyName, const std::string& fileName, const std::string& defaultPath)
{
    KeyName = keyName;
    FileName = fileName;
    DefaultPath = defaultPath;
    currentFolder_ = defaultPath;
    pathIndex_ = 0;
}

std::string CPathObj::CurrentPath() const
{
    return std::string(TrimBlanks(currentFolder_));
}

std::string CPathObj::FileNameAndPath() const
{
    if (currentFolder_.empty())
        return FileName;
    return WithSlash(currentFolder_) + std::string(TrimBlanks(FileName));
}

int CPathObj::NumPaths() const
{
    if (PathList.empty())
        return 0;
    int commas = 0;
    for (char c : PathList)
        commas += c == ',';
    return PathList.back() == ',' ? commas : commas + 1;
}

std::size_t CPathObj::NextEntryStart(std::size_t start) const
{
    const std::size_t comma = PathList.find(',', start);
    return comma == std::string::npos || comma + 1 >= PathList.size() ? std::string::npos : comma + 1;
}

std::string CPathObj::EntryAt(std::size_t start, const std::string& programFolder) const
{
    const std::size_t end = PathList.find(',', start + 1);
    std::string entry(TrimBlanks(std::string_view(PathList).substr(start, end == std::string::npos ? std::string::npos
                                                                                                    : end - start)));
    if (!entry.empty() && entry.front() == '.')
        entry = programFolder + "/" + entry;
    return entry;
}

int CPathObj::FindPathToFile(int startIndex, bool allowCreate)
{
    int k = -1;
    std::string chosen;
    if (!PathList.empty() && startIndex >= 1) {
        // One pass over the list: each entry starts where the previous one's comma ends.
        const std::string programFolder = GetProgramFolder();
        std::size_t start = 0;
        for (int i = 1; i < startIndex && start != std::string::npos; ++i)
            start = NextEntryStart(start);
        for (int i = startIndex; start != std::string::npos; ++i, start = NextEntryStart(start)) {
            const std::string entry = EntryAt(start, programFolder);
            if (entry.empty())
                break;
            if (FileExists(WithSlash(entry) + FileName) || (allowCreate && IsFolder(entry))) {
                k = i;
                chosen = entry;
                break;
            }
        }
    }
    if (k < 0 && FileExists(WithSlash(DefaultPath) + FileName)) {
        k = 0;
        chosen = DefaultPath;
    }
    if (k >= 0) {
        // Held absolute, so that it stays put when the working folder follows the user.
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(chosen, ec);
        currentFolder_ = ec ? chosen : absolute.string();
    }
    pathIndex_ = k;
    return k;
}

void ReleasePathObjects()
{
    for (auto& p : PathObjects)
        p.reset();
}

void ReadControlFile()
{
    ReleasePathObjects();
    for (const PathSetup& s : PathSetups) {
        auto& obj = PathObjects[static_cast<std::size_t>(s.entry)].emplace();
        obj.SetUpPathObj(s.key, s.file, BuildPath("", s.folder));
    }

    std::string controlPath = BuildPath(ControlFileName, PathKindWindows);
    if (!FileExists(controlPath)) {
        controlPath = BuildPath(ControlFileName, PathKindProgram);
        if (!FileExists(controlPath))
            return;
    }
    TextFileReader file;
    if (!file.Open(controlPath))
        return;
    int count = 0;
    ReadSection(file, SearchPathsHeading, count, false);
    file.Close();
    if (count < 1)
        return;
    int index = 0;
    for (const PathSetup& s : PathSetups) {
        std::string value;
        std::string errorText;
        GetSectionValue(s.key, index, value, errorText);
        if (index == 0)
            continue;
        CPathObj& obj = *PathObjects[static_cast<std::size_t>(s.entry)];
        obj.PathList = std::string(TrimBlanks(value));
        if (const std::string reason = RefusedListReason(obj); !reason.empty()) {
            obj.PathList.clear();
            ShowMessage("Error reading " + controlPath + " " + SearchPathsHeading + " section. " + s.key + " " + reason +
                            "; the default folder was used.",
                        MessageExclamation);
            continue;
        }
        obj.FindPathToFile(1, s.allowCreate);
    }
}

std::string BuildPath(const std::string& fileName, int kind, int index)
{
    return WithSlash(FolderOfKind(kind, index)) + std::string(TrimBlanks(fileName));
}

} // namespace vq
