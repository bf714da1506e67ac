#include "solver/steam_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>

namespace vq {
namespace {

void* libraryHandle = nullptr;
SteamLibraryEntries boundEntries;

// Folder of the running executable, "" when it cannot be read.
std::string ProgramFolder()
{
    std::array<char, 4096> buffer{};
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return {};
    std::string path(buffer.data(), static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> DefaultSteamLibraryFiles()
{
    std::vector<std::string> files;
    const std::string folder = ProgramFolder();
    if (!folder.empty())
        files.push_back(folder + "/" + SteamLibraryFileName);
    files.emplace_back(SteamLibraryFileName);
    return files;
}

std::string LastLoaderError()
{
    const char* text = dlerror();
    return text ? std::string(text) : std::string();
}

} // namespace

std::vector<std::string> SteamLibraryFiles = DefaultSteamLibraryFiles();

const SteamLibraryEntries* LoadedSteamLibrary()
{
    return libraryHandle ? &boundEntries : nullptr;
}

const SteamLibraryEntries* SteamLibrary(std::string& errorText)
{
    errorText.clear();
    if (libraryHandle)
        return &boundEntries;

    std::string detail;
    for (const std::string& name : SteamLibraryFiles) {
        void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            detail = LastLoaderError();
            continue;
        }
        SteamLibraryEntries entries;
        // The standard way to bind an entry found by name.
        entries.stmprop = reinterpret_cast<StmPropEntry>(dlsym(handle, "STMPROP"));
        entries.thermix = reinterpret_cast<ThermixEntry>(dlsym(handle, "THERMIX"));
        if (!entries.stmprop || !entries.thermix) {
            const char* missing = !entries.stmprop ? "STMPROP" : "THERMIX";
            dlclose(handle);
            errorText = std::string("The NBS steam property library ") + SteamLibraryFileName + " (" + name +
                        ") has no entry point " + missing + ".";
            return nullptr;
        }
        libraryHandle = handle;
        boundEntries = entries;
        return &boundEntries;
    }
    errorText = std::string("The NBS steam property library ") + SteamLibraryFileName + " could not be loaded.";
    if (!detail.empty())
        errorText += "\n" + detail;
    return nullptr;
}

void ResetSteamLibrary()
{
    if (libraryHandle)
        dlclose(libraryHandle);
    libraryHandle = nullptr;
    boundEntries = {};
    SteamLibraryFiles = DefaultSteamLibraryFiles();
}

} // namespace vq
