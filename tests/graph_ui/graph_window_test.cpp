// The graph window over a main window with a scripted Range calculation: the lists it
// offers and the points, titles and label formats it draws.
#include "graph_window_fixture.h"

#include "common/program_identity.h"
#include "printing/graph_logic.h"

namespace vq {
namespace {

using test::GraphWindowTest;

TEST_F(GraphWindowTest, OpeningOffersTheRangePropertyAndTheShownParameters)
{
    CalculateRange("100", "400", "100");
    const int rangeUnit = main->CMB_State2Units->currentIndex();

    GraphPropertiesForm form(*main);
    EXPECT_EQ(form.windowTitle(), "Graph Properties");
    EXPECT_TRUE(form.SettingUp);
    EXPECT_FALSE(form.BTN_Print->isEnabled() || form.BTN_Save->isEnabled() || form.BTN_Copy->isEnabled());
    EXPECT_FALSE(form.GRA_Curve->IsDrawn());
    form.LoadFromMain();

    ASSERT_EQ(form.CMB_StateIndependent->count(), 1);
    EXPECT_EQ(form.CMB_StateIndependent->currentData().toInt(), PropTemperature);
    EXPECT_EQ(form.CMB_StateIndependent->currentText().toStdString(), OutputParams(PropTemperature).Name);
    EXPECT_EQ(form.CMB_StateIndependentUnits->currentIndex(), rangeUnit);
    EXPECT_EQ(form.CMB_StateIndependentUnits->currentText(), "deg. F");

    std::vector<int> expected;
    for (int i = 0; i < OutputPrefs.NumParams; ++i) {
        const int id = OutputPrefs.ParamIds[static_cast<std::size_t>(i)];
        if (id != PropTemperature && id != PropSaturatedLiquid && id != PropSaturatedVapor && id != PropPhase)
            expected.push_back(id);
    }
    EXPECT_EQ(Codes(form.CMB_StateDependent), expected);
    EXPECT_EQ(form.CMB_StateDependent->currentIndex(), 0);
    EXPECT_GT(form.CMB_StateDependentUnits->count(), 0);
    EXPECT_FALSE(ResultButtons(form));
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
}

TEST_F(GraphWindowTest, ShowGraphPlotsTheGridTextsAgainstTheSteppedProperty)
{
    CalculateRange("100", "400", "100");
    const int n = main->NumberOfRangeCalcs();
    ASSERT_EQ(n, 4);
    auto form = OpenForm();
    Choose(form->CMB_StateDependent, PropEnthalpy);
    const COutputParam& h = OutputParams(PropEnthalpy);
    EXPECT_EQ(form->CMB_StateDependentUnits->currentText().toStdString(), h.Units);
    form->CMB_StateIndependentUnits->setCurrentIndex(form->CMB_StateIndependentUnits->findText("deg. C"));

    form->BTN_UpdateGraph->click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    const GraphChart& chart = *form->GRA_Curve;
    EXPECT_TRUE(chart.IsDrawn());
    EXPECT_EQ(chart.Action(), GraphActionDraw);
    EXPECT_TRUE(ResultButtons(*form));
    ASSERT_EQ(chart.PointCount(), n);
    const int k = GraphParameterPosition(OutputPrefs, PropEnthalpy);
    for (int i = 1; i <= n; ++i) {
        EXPECT_FLOAT_EQ(chart.DataValue(i), static_cast<float>(100.0 * i + k)) << i;
        // 100 deg. F stepped by 100: (100 (i - 1) + 68) / 1.8 deg. C.
        EXPECT_NEAR(chart.XPosition(i), (100.0 * (i - 1) + 68.0) / 1.8, 1e-4) << i;
    }
    EXPECT_EQ(chart.BottomTitle(), "Temperature (deg. C)");
    EXPECT_EQ(chart.LeftTitle().toStdString(), "Enthalpy (" + h.Units + ")");
    EXPECT_EQ(chart.GraphTitle(), "Enthalpy vs. Temperature - Pressure = 150 psia");
    // Rounded axis bounds decide the formats: the horizontal axis spans more than 10.
    EXPECT_EQ(chart.BottomLabelFormat(), "###,###,##0");
    EXPECT_EQ(chart.LeftLabelFormat(), "###,###,##0");

    // A change of the horizontal unit clears the chart; the buttons stay.
    form->CMB_StateIndependentUnits->setCurrentIndex(form->CMB_StateIndependentUnits->findText("deg. K"));
    EXPECT_FALSE(chart.IsDrawn());
    EXPECT_TRUE(ResultButtons(*form));
    form->GRA_Curve_DblClick();
    EXPECT_TRUE(chart.IsDrawn());
    EXPECT_NEAR(chart.XPosition(1), 310.927777, 1e-3);

    // A change of the vertical unit converts the values and disables the buttons.
    const bool inBtu = h.Units == "Btu/lbm";
    const QString other = inBtu ? "kJ/kg" : "Btu/lbm";
    form->CMB_StateDependentUnits->setCurrentIndex(form->CMB_StateDependentUnits->findText(other));
    EXPECT_FALSE(chart.IsDrawn());
    EXPECT_FALSE(ResultButtons(*form));
    form->BTN_UpdateGraph->click();
    EXPECT_NEAR(chart.DataValue(1), (100.0 + k) * (inBtu ? 2.326 : 1.0 / 2.326), 1e-3);
    EXPECT_EQ(chart.LeftTitle(), "Enthalpy (" + other + ")");

    // Choosing another parameter shows it in its display unit.
    form->CMB_StateDependentUnits->setCurrentIndex(0);
    Choose(form->CMB_StateDependent, PropPressure);
    EXPECT_EQ(form->CMB_StateDependentUnits->currentText().toStdString(), OutputParams(PropPressure).Units);
    EXPECT_FALSE(ResultButtons(*form));
}

TEST_F(GraphWindowTest, QualityAxisInPercentAndAsAFraction)
{
    CalculateRange("100", "400", "100");
    auto form = OpenForm();
    Choose(form->CMB_StateDependent, PropQuality);
    ASSERT_EQ(OutputParams(PropQuality).Units, "Percent");
    const int k = GraphParameterPosition(OutputPrefs, PropQuality);
    const GraphChart& chart = *form->GRA_Curve;
    for (const std::string units : {"Percent", "Decimal"}) {
        form->CMB_StateDependentUnits->setCurrentIndex(
            form->CMB_StateDependentUnits->findText(QString::fromStdString(units)));
        form->BTN_UpdateGraph->click();
        ASSERT_TRUE(chart.IsDrawn()) << units;
        const double scale = units == "Percent" ? 1.0 : 0.01;
        EXPECT_EQ(chart.LeftTitle().toStdString(), "Quality (" + units + ")");
        EXPECT_FLOAT_EQ(chart.DataValue(1), static_cast<float>((100.0 + k) * scale)) << units;
        EXPECT_FLOAT_EQ(chart.DataValue(4), static_cast<float>((400.0 + k) * scale)) << units;
    }
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
}

TEST_F(GraphWindowTest, NotApplicableCellsAreSkippedAndNoneLeftIsSaid)
{
    notApplicable = {{PropEnthalpy, 1}, {PropEnthalpy, 2}};
    Calculate(PropTemperature, "300", "deg. F", PropPressure, "0", "10", "3", "psig");
    ASSERT_EQ(main->NumberOfRangeCalcs(), 4);
    auto form = OpenForm();
    EXPECT_EQ(form->CMB_StateIndependentUnits->currentText(), "psig");
    form->CMB_StateIndependentUnits->setCurrentIndex(form->CMB_StateIndependentUnits->findText("psia"));
    Choose(form->CMB_StateDependent, PropEnthalpy);
    form->BTN_UpdateGraph->click();
    const GraphChart& chart = *form->GRA_Curve;
    ASSERT_EQ(chart.PointCount(), 2);
    const double atm = UnitPrefs.AtmosphericPressurePsia;
    EXPECT_NEAR(chart.XPosition(1), atm + 6.0, 1e-4);
    EXPECT_NEAR(chart.XPosition(2), atm + 9.0, 1e-4);
    const int k = GraphParameterPosition(OutputPrefs, PropEnthalpy);
    EXPECT_FLOAT_EQ(chart.DataValue(1), static_cast<float>(300.0 + k));
    // Title of the fixed property with its value and unit.
    EXPECT_EQ(chart.GraphTitle().toStdString(),
              "Enthalpy vs. Pressure - Temperature = 300 deg. F");

    // Nothing valid left: said once, the chart stays cleared, the buttons enabled.
    GridModel& grid = main->GRD_Output->Model();
    ASSERT_EQ(OutputPrefs.RowColOrder[1], 1) << "points in rows";
    for (int i = 1; i <= 4; ++i)
        grid.SetTextMatrix(i, k, "N/A");
    form->BTN_UpdateGraph->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "There are no data points to plot.");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    EXPECT_FALSE(chart.IsDrawn());
    EXPECT_TRUE(ResultButtons(*form));
}

TEST_F(GraphWindowTest, ParametersInRowsAndTheTitleOfASaturatedState)
{
    OutputPrefs.RowColOrder[1] = 0;
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    Choose(main->CMB_State1, PropSaturatedLiquid);
    Choose(main->CMB_State2, PropTemperature);
    ASSERT_FALSE(main->TXT_State1->isVisibleTo(main.get()));
    main->CMB_State2Units->setCurrentIndex(main->CMB_State2Units->findText("deg. F"));
    main->TXT_State2->setText("100");
    main->TXT_State2End->setText("300");
    main->TXT_State2Inc->setText("50");
    ui.mode = RangeMode;
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_EQ(main->GRD_Output->Model().Cols(), 6) << "points in columns";

    auto form = OpenForm();
    Choose(form->CMB_StateDependent, PropDensity);
    form->BTN_UpdateGraph->click();
    const GraphChart& chart = *form->GRA_Curve;
    ASSERT_EQ(chart.PointCount(), 5);
    const int k = GraphParameterPosition(OutputPrefs, PropDensity);
    EXPECT_FLOAT_EQ(chart.DataValue(5), static_cast<float>(500.0 + k));
    EXPECT_FLOAT_EQ(chart.XPosition(5), 300.0f);
    EXPECT_EQ(chart.GraphTitle().toStdString(),
              "Density vs. Temperature - " + OutputParams(PropSaturatedLiquid).Name);
}

} // namespace
} // namespace vq
