// Calculate through the NBS front end and the stand-in library beside the tests.
#include "app/thermix_main.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "solver/steam_mod.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace vq {
namespace {

class NbsCalculation : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables(UnitSystemSI);
        ResetSteamMod();
        OutputParams(PropTemperature).Units = "deg. K";
        UseIF97 = false;
        main = std::make_unique<ThermixMain>();
        main->NewInputFile();
        ASSERT_TRUE(SelectUnit(main->CMB_State1Units, "MPa"));
        ASSERT_TRUE(SelectUnit(main->CMB_State2Units, "deg. K"));
    }
    static bool SelectUnit(QComboBox* list, const char* name)
    {
        const int i = list->findText(name);
        list->setCurrentIndex(i);
        return i >= 0;
    }
    int Row(int code)
    {
        for (int i = 0; i < OutputPrefs.NumParams; ++i)
            if (OutputPrefs.ParamIds[static_cast<std::size_t>(i)] == code)
                return i + 1;
        return -1;
    }

    test::RecordingUserInterface ui;
    std::unique_ptr<ThermixMain> main;
};

TEST_F(NbsCalculation, SinglePointFromTheLibrary)
{
    main->TXT_State1->setText("1");
    main->TXT_State2->setText("400");
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    const GridModel& grid = main->GRD_Output->Model();
    ASSERT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.TextMatrix(Row(PropPhase), 1), "Gas");
    EXPECT_EQ(grid.TextMatrix(Row(PropTemperature), 1).substr(0, 3), "400");
    EXPECT_EQ(grid.TextMatrix(Row(PropPressure), 1).substr(0, 1), "1");
}

TEST_F(NbsCalculation, LibraryErrorClearsTheGrid)
{
    main->TXT_State1->setText("1");
    main->TXT_State2->setText("400");
    main->BTN_Calculate_Click();
    ASSERT_GT(main->GRD_Output->Model().Rows(), 0);
    main->TXT_State1->setText("150"); // above the library's 100 MPa
    main->BTN_Calculate_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);
}

} // namespace
} // namespace vq
