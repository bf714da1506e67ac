// A picture of the main window after a Range calculation, kept as a build artefact
// (build/artefacts/range-calculation.png, or the file VAPOQUANT_SCREENSHOT names).
#include "app/thermix_main.h"
#include "input_panel_setups.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(Screenshot, MainWindowAfterARangeCalculation)
{
    test::RecordingUserInterface ui;
    test::SetUpProgramTables(UnitSystemSI);
    UseIF97 = true;

    ThermixMain main;
    main.NewInputFile();
    main.LBL_PropertySourceName->setText("ASME Steam Tables (IAPWS-IF97)");
    test::FillPanel(main, {RangeMode, 1, 2, "MPa", "deg. C", "1", "", "100", "300", "50"});
    ui.mode = RangeMode;
    main.resize(main.LoadSize().width() + 300, main.LoadSize().height());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_EQ(main.GRD_Output->Model().Rows(), 6);
    QApplication::processEvents();

    QString path = qEnvironmentVariable("VAPOQUANT_SCREENSHOT");
    if (path.isEmpty()) {
        QDir artefacts(QCoreApplication::applicationDirPath() + "/../artefacts");
        artefacts.mkpath(".");
        path = artefacts.filePath("range-calculation.png");
    }
    const QPixmap picture = main.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(path, "PNG")) << path.toStdString();
}

} // namespace
} // namespace vq
