#include "common/file_routines.h"

#include "common/number_parsing.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace vq {

bool FileExists(std::string_view path)
{
    const std::string trimmed(TrimBlanks(path));
    if (trimmed.empty())
        return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(trimmed, ec))
        return false;
    std::ifstream in(trimmed, std::ios::binary);
    return static_cast<bool>(in);
}

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A relative folder taken from the working folder; an absolute one as it is.
std::string AbsoluteFolder(const std::string& folder)
{
    const std::filesystem::path path(folder);
    std::error_code ec;
    if (path.is_absolute())
        return folder;
    const std::filesystem::path working = std::filesystem::current_path(ec);
    if (ec)
        return folder;
    const std::filesystem::path relative = path.lexically_normal();
    return (relative == "." ? working : working / relative).string();
}

} // namespace

std::string GetWindowsFolder()
{
    std::string folder = Environment("VAPOQUANT_CONFIG_DIR");
    if (folder.empty()) {
        std::string base = Environment("XDG_CONFIG_HOME");
        if (base.empty()) {
            const std::string home = Environment("HOME");
            base = home.empty() ? std::string(".config") : home + "/.config";
        }
        folder = base + "/Vapoquant";
    }
    folder = AbsoluteFolder(folder);
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    MakeFolder(folder);
    return folder;
}

namespace {

// The folders that could not be made, each with the system's reason.
std::map<std::string, int>& UnmadeFolders()
{
    static std::map<std::string, int> folders;
    return folders;
}

std::string FolderKey(const std::string& folder)
{
    std::string key = std::filesystem::path(folder).lexically_normal().string();
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key;
}

} // namespace

bool MakeFolder(const std::string& folder)
{
    if (folder.empty())
        return true; // the working folder
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        UnmadeFolders()[FolderKey(folder)] = ec.value();
    else
        UnmadeFolders().erase(FolderKey(folder));
    return !ec;
}

int FolderCreationError(const std::string& folder)
{
    const auto found = UnmadeFolders().find(FolderKey(folder));
    return found == UnmadeFolders().end() ? 0 : found->second;
}

std::string GetSystemFolder()
{
    return "/etc/xdg/Vapoquant";
}

} // namespace vq
