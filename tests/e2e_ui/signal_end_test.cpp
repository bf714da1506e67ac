// The real program ended by the signals with which a desktop ends a session.
#include "default_signals.h"
#include "temp_folder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <thread>

namespace vq {
namespace {

// True once the process catches signal (the caught set of /proc/<pid>/status).
bool Catches(qint64 pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

TEST(SignalEnd, TermAndHangUpKeepTheSettingsThatExitWrites)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        test::TempFolder config;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VAPOQUANT_CONFIG_DIR", QString::fromStdString(config.Path().string()));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        // The program keeps a signal ignored that it inherits ignored, as under nohup.
        program.setChildProcessModifier([] { test::DefaultSignalActions({SIGTERM, SIGHUP}); });
        program.start(VQ_PROGRAM_PATH, {});
        ASSERT_TRUE(program.waitForStarted());
        // The program catches the signals once its main window is up.
        for (int i = 0; i < 300 && !Catches(program.processId(), signal); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_TRUE(Catches(program.processId(), signal)) << "signal " << signal;
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(5000)) << "signal " << signal;
        const std::string settings = test::ReadFileBytes(config.File("Thermix2.ini"));
        EXPECT_NE(settings.find("[Last Files]"), std::string::npos) << settings;
        EXPECT_NE(settings.find("[Toolbar]"), std::string::npos) << settings;
        EXPECT_NE(settings.find("[Property Database]"), std::string::npos) << settings;
    }
}

} // namespace
} // namespace vq
