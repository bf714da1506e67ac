#include "app/start_form.h"
#include "app/thermix_main.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "common/user_interface.h"
#include "common/program_identity.h"
#include "temp_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace vq {
namespace {

TEST(StartUp, LogoScreenAndSettingsFile)
{
    const LogoPlacement logo = PositionLogo(100, 8, 1234, 567);
    EXPECT_EQ(logo.left, 405);
    EXPECT_EQ(logo.top, 465);
    EXPECT_EQ(logo.width, 960);
    EXPECT_EQ(logo.height, 960);
    const LogoPlacement half = PositionLogo(50, 1, 1205, 65);
    EXPECT_EQ(half.left, 805);
    EXPECT_EQ(half.top, 265);
    EXPECT_EQ(half.width, 720);

    EXPECT_NE(ScreenRefusal(640, 15, 15).find("SVGA (800x600)"), std::string::npos);
    EXPECT_NE(ScreenRefusal(800, 12, 12).find("Small Fonts"), std::string::npos);
    EXPECT_EQ(ScreenRefusal(800, 15, 15), "");
    EXPECT_EQ(ScreenRefusal(1024, 12, 12), "");

    SetProgramIdentity();
    test::TempFolder folder;
    const std::string path = folder.File("Thermix2.ini");
    ASSERT_TRUE(CreateSettingsFileIfMissing(path));
    EXPECT_EQ(test::ReadFileBytes(path), SettingsFileHeaderLine() + "\r\n");
    EXPECT_NE(SettingsFileHeaderLine().find(" INI FILE"), std::string::npos);
    // An existing file, even an empty one, stays as it is.
    const std::string empty = folder.File("empty.ini");
    test::WriteFileBytes(empty, "");
    ASSERT_TRUE(CreateSettingsFileIfMissing(empty));
    EXPECT_EQ(test::ReadFileBytes(empty), "");
}

TEST(StartUp, CreatingTheSettingsFileNeverCutsAnExistingOne)
{
    SetProgramIdentity();
    test::TempFolder folder;
    // A settings folder whose name is no UTF-8 text.
    const std::string config = folder.File("Einstellungen-\xe9");
    std::filesystem::create_directory(config);
    const std::string path = config + "/Thermix2.ini";
    test::WriteFileBytes(path, "[Last Files]\r\n1=/data/x.vpq\r\n");
    EXPECT_TRUE(CreateSettingsFileIfMissing(path));
    EXPECT_EQ(test::ReadFileBytes(path), "[Last Files]\r\n1=/data/x.vpq\r\n");
}

TEST(StartUp, SequenceReachesTheMainWindowWithANewDocument)
{
    test::TempFolder config;
    qputenv("VAPOQUANT_CONFIG_DIR", QByteArray::fromStdString(config.Path().string()));
    StartupOptions options;
    options.splashSeconds = 0.0;
    options.commandLineDocument = "plant.vpq";
    ThermixMain* main = StartProgram(options);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    // The argument is replaced by the new untitled document.
    EXPECT_EQ(main->windowTitle().toStdString(), ProgramTitle + " - Untitled");
    EXPECT_EQ(DocumentName, "Untitled");
    EXPECT_TRUE(DocumentSaved);
    EXPECT_EQ(main->GetInputMode(), 0);
    EXPECT_EQ(main->CMB_State1->currentData().toInt(), 1);
    EXPECT_EQ(main->CMB_State2->currentData().toInt(), 2);
    EXPECT_EQ(main->LBL_PropertySourceName->text().toStdString(), IF97DatabaseCaption);
    EXPECT_TRUE(UseIF97);
    EXPECT_TRUE(main->Sections().PrintFormatGeneralUse(0) && main->Sections().PrintFormatGeneralUse(1));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(test::ReadFileBytes(SettingsFilePath), SettingsFileHeaderLine() + "\r\n");
    EXPECT_EQ(CurrentUserInterface().InputMode(), 0);

    main->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    InstallUserInterface(nullptr);
    qunsetenv("VAPOQUANT_CONFIG_DIR");
}

TEST(StartUp, ASettingsFileMessageShowsInAMessageBox)
{
    test::TempFolder config;
    qputenv("VAPOQUANT_CONFIG_DIR", QByteArray::fromStdString(config.Path().string()));
    const std::string settings = config.File("Thermix2.ini");
    test::WriteFileBytes(settings, "[INI Controls]\r\n[Toolbar]\r\n");
    // Every box that opens during the start is read and closed.
    std::vector<std::pair<std::string, QMessageBox::Icon>> boxes;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes.emplace_back(box->text().toStdString(), box->icon());
            box->accept();
        }
    });
    answer.start(0);
    StartupOptions options;
    options.splashSeconds = 0.0;
    ThermixMain* main = StartProgram(options);
    answer.stop();
    ASSERT_NE(main, nullptr);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].first, "Error reading " + settings + " [INI Controls] section." + AppName +
                                  " default parameters were used.\r\nOpening " + settings);
    EXPECT_EQ(boxes[0].second, QMessageBox::Warning);

    main->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    InstallUserInterface(nullptr);
    qunsetenv("VAPOQUANT_CONFIG_DIR");
}

} // namespace
} // namespace vq
