// Entry point of the widget test suites: one offscreen QApplication for all tests.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// A home folder of the tests' own, removed at exit: what the program and Qt keep in the
// user's folders (settings, toolbar layouts, dialog history, data, caches) never reaches
// the real ones. Where the session has no runtime folder, one is made in it too, since Qt
// would otherwise make one of a fixed name in the temporary folder and leave it there.
class TemporaryHome {
public:
    TemporaryHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vq-test-home-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data()))
            return;
        path_ = name.data();
        ::setenv("HOME", path_.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (path_ / ".config").c_str(), 1);
        for (const char* other : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            ::unsetenv(other);
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if ((!runtime || !*runtime) && ::mkdir((path_ / "runtime").c_str(), 0700) == 0)
            ::setenv("XDG_RUNTIME_DIR", (path_ / "runtime").c_str(), 1);
    }
    ~TemporaryHome()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

private:
    std::filesystem::path path_;
};

} // namespace

int main(int argc, char** argv)
{
    // Offscreen, the widgets run on a screen of 800 x 600, the smallest the program is made for.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() || platform == "offscreen"
                                   ? QByteArray("offscreen:configfile=" VQ_OFFSCREEN_SCREEN)
                                   : platform);
    // The tests never reach the machine's printers: the print server is looked for on a
    // socket that does not exist, so no printer is installed and none is the default.
    qputenv("CUPS_SERVER", "/nonexistent/vapoquant-tests/cups.sock");
    const TemporaryHome home;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
