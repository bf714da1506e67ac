// The outside NBS 1984 steam-property library: loaded by name at its first use and
// kept loaded afterwards. Every argument of both entries is passed by address.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vq {

inline constexpr int NumLibSlots = 22;

// STMPROP(pair code, units flag, slots 1..22, error code).
using StmPropEntry = void (*)(std::int16_t*, std::int16_t*,
                              double*, double*, double*, double*, double*, double*, double*, double*,
                              double*, double*, double*, double*, double*, double*, double*, double*,
                              double*, double*, double*, double*, double*, double*,
                              std::int16_t*);
// THERMIX(0, -1, 2, 0.0, pressure in psia) -> saturation temperature in deg. R.
using ThermixEntry = double (*)(std::int16_t*, std::int16_t*, std::int16_t*, double*, double*);

inline constexpr const char* SteamLibraryFileName = "libkelvra32.so";

struct SteamLibraryEntries {
    StmPropEntry stmprop = nullptr;
    ThermixEntry thermix = nullptr;
};

// The bound entries, loading the library first when it is not loaded yet: from the
// program folder, then the system's library path. Returns null when the library
// cannot be loaded or lacks an entry; errorText then says why, naming the library.
const SteamLibraryEntries* SteamLibrary(std::string& errorText);

// As SteamLibrary, but tries the given file names (a name with a "/" is a path, a
// bare name goes through the system's search) in order. The first file that loads
// decides; a file that lacks an entry is released again.
const SteamLibraryEntries* SteamLibraryFrom(const std::vector<std::string>& candidates,
                                            std::string& errorText);

// The entries when the library is loaded, else null; never loads.
const SteamLibraryEntries* LoadedSteamLibrary();

// Releases the library so that the next use loads it afresh (for tests).
void ResetSteamLibrary();

} // namespace vq
