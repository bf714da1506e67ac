// Calculate through the IF97 driver: typed inputs, chosen units, grid texts.
#include "app/shell_windows.h"
#include "app/thermix_main.h"
#include "common/ui/qt_user_interface.h"
#include "common/number_format.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "equations/flag_values.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "solver/asme_error_messages.h"
#include "solver/asme_property.h"
#include "solver/result_table.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vq {
namespace {

class If97Calculation : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables(UnitSystemSI);
        UseIF97 = true;
        main = std::make_unique<ThermixMain>();
        main->NewInputFile();
    }
    void Type(QLineEdit* box, const char* text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    // Types the start, end and increment of a range.
    void TypeRange(const char* start, const char* end, const char* increment)
    {
        Type(main->TXT_State2, start);
        Type(main->TXT_State2End, end);
        Type(main->TXT_State2Inc, increment);
    }
    void Choose(QComboBox* list, int code) { list->setCurrentIndex(list->findData(code)); }
    void Units(QComboBox* list, const char* name)
    {
        const int i = list->findText(name);
        ASSERT_GE(i, 0) << name;
        list->setCurrentIndex(i);
    }
    // Row (parameters in rows) or column (in columns) of a shown parameter.
    int Line(int code)
    {
        for (int i = 0; i < OutputPrefs.NumParams; ++i)
            if (OutputPrefs.ParamIds[static_cast<std::size_t>(i)] == code)
                return i + 1;
        return -1;
    }
    const GridModel& Grid() { return main->GRD_Output->Model(); }

    test::RecordingUserInterface ui;
    std::unique_ptr<ThermixMain> main;
};

// The driver asks the seam for the mode; the recording seam answers what the test sets.
#define SYNC_MODE() ui.mode = main->GetInputMode()

TEST_F(If97Calculation, SinglePointSuperheatedSteam)
{
    Units(main->CMB_State1Units, "MPa");
    Units(main->CMB_State2Units, "deg. C");
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "200");
    SYNC_MODE();
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();

    EXPECT_EQ(Grid().TextMatrix(Line(PropPhase), 1), "Gas");
    // Enthalpy and density straight from the region-2 equation at 1 MPa, 473.15 K.
    const double h = CalcAsmeProperty(PropEnthalpy, 2, 2, 1.0, 473.15, 0.0, NotApplicableValue);
    const double rho = CalcAsmeProperty(PropDensity, 2, 2, 1.0, 473.15, 0.0, NotApplicableValue);
    EXPECT_NEAR(h, 2828.27, 0.01);
    EXPECT_EQ(OutputParams(PropEnthalpy).Units, "kJ/kg");
    EXPECT_EQ(Grid().TextMatrix(Line(PropEnthalpy), 1), FormatNumberText(h, h, h, OutputPrefs.Digits));
    EXPECT_EQ(Grid().TextMatrix(Line(PropDensity), 1), FormatNumberText(rho, rho, rho, OutputPrefs.Digits));
    EXPECT_EQ(Grid().TextMatrix(Line(PropQuality), 1), "N/A");
    EXPECT_NE(Grid().TextMatrix(Line(PropEnthalpy), 0).find("(kJ/kg)"), std::string::npos);
}

TEST_F(If97Calculation, TwoPointsSaturatedPairAndDifference)
{
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    Units(main->CMB_State1Units, "MPa");
    Choose(main->CMB_State2, PropSaturatedLiquid);
    Type(main->TXT_State1, "1");
    SYNC_MODE();
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();

    // Two-point tables have the points in rows.
    ASSERT_EQ(Grid().Rows(), 4);
    const int h = Line(PropEnthalpy);
    EXPECT_EQ(Grid().TextMatrix(1, Line(PropPhase)), "Saturated Liquid");
    EXPECT_EQ(Grid().TextMatrix(2, Line(PropPhase)), "Saturated Vapor");
    EXPECT_EQ(Grid().TextMatrix(3, Line(PropPhase)), "N/A");
    const double hf = ResultTable(1, h), hg = ResultTable(2, h);
    EXPECT_NEAR(hf, 762.68, 0.05);
    EXPECT_NEAR(hg, 2777.1, 0.1);
    EXPECT_DOUBLE_EQ(ResultTable(3, h), hg - hf);
    EXPECT_EQ(ResultTable(3, Line(PropTemperature)), 0.0);
}

TEST_F(If97Calculation, RangeOfTemperatures)
{
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    Units(main->CMB_State1Units, "MPa");
    Units(main->CMB_State2Units, "deg. C");
    Type(main->TXT_State1, "1");
    TypeRange("0", "10", "4");
    SYNC_MODE();
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_EQ(Grid().Rows(), 4) << "no point beyond the end";
    EXPECT_EQ(Grid().TextMatrix(1, 0), "= 0");
    EXPECT_EQ(Grid().TextMatrix(3, 0), "= 8");
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(Grid().TextMatrix(r, Line(PropPhase)), "Liquid") << r;
    // Temperatures come back as typed, in one common pattern.
    const std::string t3 = Grid().TextMatrix(3, Line(PropTemperature));
    EXPECT_EQ(t3.substr(0, 1), "8") << t3;
    EXPECT_TRUE(main->IsToolEnabled(ToolCreateGraph));

    // More points than are calculated: said before calculating.
    TypeRange("100", "5000", "1");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "The range holds 4901 points. Only the first 1000 are calculated, up to 1099 deg. C.");
    EXPECT_EQ(Grid().Rows(), 1001);

    // An increment that cannot move the value is refused, naming its box.
    ui.Clear();
    Type(main->TXT_State2Inc, "1E-300");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "The Temperature Increment box holds \"1E-300\", which is too small to change the "
                                "Temperature.");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(main->IsToolEnabled(ToolCreateGraph));
}

TEST_F(If97Calculation, RangePointsAreTheDecimalsOfTheTypedValues)
{
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    Units(main->CMB_State1Units, "psia");
    Units(main->CMB_State2Units, "deg. F");
    Type(main->TXT_State1, "14.7");
    TypeRange("300", "400", "0.2");
    SYNC_MODE();
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_EQ(Grid().Rows(), 502);
    for (int r = 1; r <= 501; ++r) {
        const int tenths = 3000 + 2 * (r - 1);
        const std::string value = std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
        ASSERT_EQ(Grid().TextMatrix(r, 0), "= " + value) << r;
    }

    Units(main->CMB_State2Units, "deg. C");
    TypeRange("20", "120", "0.1");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "The range holds 1001 points. Only the first 1000 are calculated, up to 119.9 deg. C.");

    // Points that differ beyond the 15 digits shown are refused.
    ui.Clear();
    TypeRange("1000", "1000.00000000005", "1E-13");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "The Temperature Increment box holds \"1E-13\", which is too small to change the "
                                "Temperature.");
}

TEST_F(If97Calculation, PressureAboveTheEquationsIsRefused)
{
    Units(main->CMB_State1Units, "MPa");
    Units(main->CMB_State2Units, "deg. C");
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "200");
    SYNC_MODE();
    main->BTN_Calculate_Click();
    ASSERT_GT(Grid().Rows(), 0);
    Type(main->TXT_State1, "150");
    main->BTN_Calculate_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(AsmeErrorMessage(ErrPressureOutOfRange)));
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    EXPECT_EQ(Grid().Rows(), 0);
    EXPECT_FALSE(main->IsToolEnabled(ToolPrint));
}

TEST_F(If97Calculation, NoSaturationStateBelowTheLinesFirstPressure)
{
    // psat(273.15 K) is 0.000611212677 MPa; below it only vapour exists.
    Units(main->CMB_State1Units, "MPa");
    Choose(main->CMB_State2, PropEnthalpy);
    Units(main->CMB_State2Units, "kJ/kg");
    Type(main->TXT_State1, "0.0006112");
    Type(main->TXT_State2, "1000");
    SYNC_MODE();
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "Invalid Input Property - Enthalpy Out of Range");
    EXPECT_EQ(Grid().Rows(), 0);

    ui.Clear();
    Choose(main->CMB_State2, PropSaturatedLiquid);
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "Invalid Saturation Property - Invalid Saturation Pressure");

    // The vapour at that pressure is calculated as before.
    ui.Clear();
    Choose(main->CMB_State2, PropEnthalpy);
    Units(main->CMB_State2Units, "kJ/kg");
    Type(main->TXT_State2, "2600");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(Grid().TextMatrix(Line(PropPhase), 1), "Gas");
}

TEST_F(If97Calculation, TwoSaturationSolutionsAreOfferedInTheWindow)
{
    // Saturated vapour of 2700 kJ/kg lies near 117 C and near 320 C.
    Choose(main->CMB_State1, PropEnthalpy);
    Choose(main->CMB_State2, PropSaturatedVapor);
    Units(main->CMB_State1Units, "kJ/kg");
    Type(main->TXT_State1, "2700");
    OutputParams(PropTemperature).Units = "deg. C";

    QtUserInterface qt;
    qt.SetOwner(main.get());
    qt.SetSolutionChooser([this](const SolutionChoice& c) { return ChooseSaturationSolution(c, main.get()); });
    qt.SetInputModeSource([this] { return main->GetInputMode(); });
    InstallUserInterface(&qt);
    QString first, second;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<MultipleSolutionResultsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        first = form->LBL_TSat[0]->text();
        second = form->LBL_TSat[1]->text();
        form->OPT_Select_Solution[1]->setChecked(true);
        form->close();
    });
    main->BTN_Calculate_Click();
    InstallUserInterface(&ui);

    EXPECT_TRUE(first.startsWith("TSat = 11")) << first.toStdString();
    EXPECT_TRUE(second.startsWith("TSat = 3")) << second.toStdString();
    ASSERT_GT(Grid().Rows(), 0);
    const double t = ResultTable(Line(PropTemperature), 1);
    EXPECT_GT(t, 300.0);
    EXPECT_LT(t, 340.0);
    EXPECT_EQ(Grid().TextMatrix(Line(PropPhase), 1), "Saturated Vapor");
}

} // namespace
} // namespace vq
