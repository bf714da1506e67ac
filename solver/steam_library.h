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

// The files tried in order when the library is loaded: the program folder's
// libkelvra32.so, then the bare name, which the system's library path resolves.
// A name with a "/" is a path.
extern std::vector<std::string> SteamLibraryFiles;

// The bound entries, loading the library first when it is not loaded yet from the
// first of SteamLibraryFiles that loads. Returns null when no file loads or the one
// that loads lacks an entry (it is released again); errorText then says why, naming
// the library.
const SteamLibraryEntries* SteamLibrary(std::string& errorText);

// The entries when the library is loaded, else null; never loads.
const SteamLibraryEntries* LoadedSteamLibrary();

// Releases the library, so that the next use loads it afresh, and restores the
// default SteamLibraryFiles (for tests).
void ResetSteamLibrary();

} // namespace vq
