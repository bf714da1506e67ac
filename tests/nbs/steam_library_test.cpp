#include "solver/steam_library.h"

#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace vq;

class SteamLibraryLoading : public ::testing::Test {
protected:
    void SetUp() override { ResetSteamLibrary(); }
    void TearDown() override { ResetSteamLibrary(); }
};

TEST_F(SteamLibraryLoading, FoundInProgramFolderAndKeptLoaded)
{
    EXPECT_EQ(LoadedSteamLibrary(), nullptr);
    std::string error = "stale";
    const SteamLibraryEntries* lib = SteamLibrary(error);
    ASSERT_NE(lib, nullptr) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_NE(lib->stmprop, nullptr);
    EXPECT_NE(lib->thermix, nullptr);
    EXPECT_EQ(LoadedSteamLibrary(), lib);

    // A later use binds nothing afresh, whatever it is asked to load.
    SteamLibraryFiles = {"/nonexistent/libkelvra32.so"};
    const SteamLibraryEntries* again = SteamLibrary(error);
    EXPECT_EQ(again, lib);
    EXPECT_EQ(again->stmprop, lib->stmprop);
}

TEST_F(SteamLibraryLoading, MissingLibraryOrEntryIsNamedAndNothingStaysBound)
{
    std::string error;
    ASSERT_EQ(SteamLibraryFiles.size(), 2u);
    EXPECT_NE(SteamLibraryFiles[0].find("/tests/libkelvra32.so"), std::string::npos) << "program folder first";
    EXPECT_EQ(SteamLibraryFiles[1], "libkelvra32.so") << "then the system's library path";

    SteamLibraryFiles = {"/nonexistent/libkelvra32.so", "libkelvra32-missing.so"};
    EXPECT_EQ(SteamLibrary(error), nullptr);
    EXPECT_EQ(error.rfind("The NBS steam property library libkelvra32.so could not be loaded.\n", 0), 0u) << error;
    EXPECT_NE(error.find("libkelvra32-missing.so"), std::string::npos) << "the loader's reason follows";
    EXPECT_EQ(LoadedSteamLibrary(), nullptr);

    // A shared library without the entry points is released again.
    SteamLibraryFiles = {VQ_ELIMORA_PATH};
    EXPECT_EQ(SteamLibrary(error), nullptr);
    EXPECT_EQ(error, std::string("The NBS steam property library libkelvra32.so (") + VQ_ELIMORA_PATH +
                         ") has no entry point STMPROP.");
    EXPECT_EQ(LoadedSteamLibrary(), nullptr);

    // A failure is not remembered: the next use loads the library.
    ResetSteamLibrary();
    EXPECT_NE(SteamLibrary(error), nullptr) << error;
}

TEST_F(SteamLibraryLoading, EntriesTakeEveryArgumentByAddress)
{
    std::string error;
    const SteamLibraryEntries* lib = SteamLibrary(error);
    ASSERT_NE(lib, nullptr) << error;

    double slot[23] = {};
    slot[1] = 1.0;   // MPa
    slot[2] = 300.0; // K
    std::int16_t pair = 12;
    std::int16_t units = 1;
    std::int16_t code = 99;
    lib->stmprop(&pair, &units, &slot[1], &slot[2], &slot[3], &slot[4], &slot[5], &slot[6], &slot[7], &slot[8],
                 &slot[9], &slot[10], &slot[11], &slot[12], &slot[13], &slot[14], &slot[15], &slot[16], &slot[17],
                 &slot[18], &slot[19], &slot[20], &slot[21], &slot[22], &code);
    EXPECT_EQ(code, 0);
    EXPECT_DOUBLE_EQ(slot[3], 1200.0);
    EXPECT_DOUBLE_EQ(slot[7], -1.0);
    EXPECT_DOUBLE_EQ(slot[8], 12.0);
    EXPECT_DOUBLE_EQ(slot[22], 0.0) << "the saturated-liquid set is only filled for such pairs";

    units = 2;
    lib->stmprop(&pair, &units, &slot[1], &slot[2], &slot[3], &slot[4], &slot[5], &slot[6], &slot[7], &slot[8],
                 &slot[9], &slot[10], &slot[11], &slot[12], &slot[13], &slot[14], &slot[15], &slot[16], &slot[17],
                 &slot[18], &slot[19], &slot[20], &slot[21], &slot[22], &code);
    EXPECT_EQ(code, -1);

    std::int16_t a = 0, b = -1, c = 2;
    double zero = 0.0;
    double psia = 1.0 / 0.006894757293168361; // 1 MPa
    EXPECT_NEAR(lib->thermix(&a, &b, &c, &zero, &psia), 310.0 * 1.8, 1e-9);
}

} // namespace
