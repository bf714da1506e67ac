// What the graph plots: unit conversion of the range and the values, the cells that
// become points, label formats, spans and titles.
#include "printing/graph_logic.h"

#include "common/number_parsing.h"
#include "equations/flag_values.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "units/pressure_temperature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

namespace vq {
namespace {

class GraphLogicTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpProgramTables(); }
    test::RecordingUserInterface ui;
};

// A grid of texts keyed by (row, col); missing cells read as "".
struct FakeGrid {
    std::map<std::pair<int, int>, std::string> cells;
    GridCellText Reader() const
    {
        return [this](int r, int c) {
            const auto it = cells.find({r, c});
            return it == cells.end() ? std::string() : it->second;
        };
    }
};

TEST_F(GraphLogicTest, GaugePressureRangeShiftsEveryPoint)
{
    const double atm = UnitPrefs.AtmosphericPressurePsia;
    ASSERT_GT(atm, 14.0);
    GraphRequest r{{}, 2, 1, false, "deg. F", "deg. F"};
    for (double psig : {0.0, 3.0, 6.0, 9.0})
        r.x.push_back(ConvertGraphRangePoint(1, psig, "psig", "psia"));
    EXPECT_NEAR(r.x[0], atm, 1e-12);
    FakeGrid g;
    for (int i = 1; i <= 4; ++i)
        g.cells[{1, i}] = "100";
    const GraphSeries s = CollectGraphPoints(r, g.Reader());
    ASSERT_EQ(s.x.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(s.x[static_cast<std::size_t>(i)], atm + 3.0 * i, 1e-4);
    EXPECT_NEAR(s.xMin, atm, 1e-12);
    EXPECT_NEAR(s.xMax, atm + 9.0, 1e-12);

    EXPECT_NEAR(ConvertGraphRangePoint(1, 1.0, "MPa", "psia"), ConvertPressure(1.0, "MPa", "psia"), 1e-9);
}

TEST_F(GraphLogicTest, TemperatureRangePointsConvertAbsolutely)
{
    EXPECT_NEAR(ConvertGraphRangePoint(2, 212.0, "deg. F", "deg. C"), 100.0, 1e-9);
    EXPECT_NEAR(ConvertGraphRangePoint(2, 0.0, "deg. C", "deg. K"), 273.15, 1e-9);
}

TEST_F(GraphLogicTest, FactorFamiliesOfTheRangeAndOtherCodesUnchanged)
{
    // 1 Btu/lbm = 2.326 kJ/kg exactly.
    EXPECT_NEAR(ConvertGraphRangePoint(3, 1.0, "Btu/lbm", "kJ/kg"), 2.326, 1e-6);
    EXPECT_NEAR(ConvertGraphRangePoint(6, 1.0, "Btu/lbm-R", "kJ/kg-K"), 4.1868, 1e-5);
    // Round trips through each family's factors.
    for (int code : {3, 4, 5, 6}) {
        const char* a = code == 3 ? "kJ/kg" : code == 4 ? "kg/m3" : code == 5 ? "m3/kg" : "kJ/kg-K";
        const char* b = code == 3 ? "Btu/lbm" : code == 4 ? "lbm/ft3" : code == 5 ? "ft3/lbm" : "Btu/lbm-R";
        const double there = ConvertGraphRangePoint(code, 123.25, a, b);
        EXPECT_NE(there, 123.25) << code;
        EXPECT_NEAR(ConvertGraphRangePoint(code, there, b, a), 123.25, 1e-9) << code;
    }
    EXPECT_EQ(ConvertGraphRangePoint(9, 0.5, "Percent", "Decimal"), 0.5);
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
}

TEST_F(GraphLogicTest, PlottedValuesConvertByTheirFamilyOrStayAsShown)
{
    EXPECT_NEAR(ConvertGraphValue(2, 212.0, "deg. F", "deg. C"), 100.0, 1e-9);
    EXPECT_NEAR(ConvertGraphValue(22, 32.0, "deg. F", "deg. C"), 0.0, 1e-9);
    EXPECT_NEAR(ConvertGraphValue(23, 0.0, "psig", "psia"), UnitPrefs.AtmosphericPressurePsia, 1e-12);
    EXPECT_NEAR(ConvertGraphValue(21, 1.0, "MPa", "psia"), ConvertPressure(1.0, "MPa", "psia"), 1e-9);
    // Subcooling and superheat are differences.
    EXPECT_NEAR(ConvertGraphValue(24, 9.0, "deg. F", "deg. C"), 5.0, 1e-9);
    EXPECT_NEAR(ConvertGraphValue(25, 9.0, "deg. F", "deg. C"), 5.0, 1e-9);
    EXPECT_NEAR(ConvertGraphValue(14, 1.0, "Btu/lbm-R", "kJ/kg-K"), 4.1868, 1e-5);
    // Quality converts between Percent and a fraction ("Decimal") both ways.
    EXPECT_NEAR(ConvertGraphValue(8, 96.17, "Percent", "Decimal"), 0.9617, 1e-12);
    EXPECT_NEAR(ConvertGraphValue(8, 0.0185, "Decimal", "Percent"), 1.85, 1e-12);
    EXPECT_NEAR(ConvertGraphRangePoint(8, 50.0, "Percent", "Decimal"), 0.5, 1e-12);
    EXPECT_NEAR(ConvertGraphRangePoint(8, 0.1, "Decimal", "Percent"), 10.0, 1e-12);
    for (int code : {9, 10, 11, 17, 18, 19})
        EXPECT_EQ(ConvertGraphValue(code, 0.75, "Percent", "Decimal"), 0.75) << code;
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
}

TEST_F(GraphLogicTest, CellsOfTheChosenParameterBecomePointsAtTheirOwnPositions)
{
    FakeGrid g;
    // Parameters in rows: parameter at position 2, five points; the first two N/A,
    // one a flag value, one empty.
    g.cells[{2, 1}] = "N/A";
    g.cells[{2, 2}] = "N/A";
    g.cells[{2, 3}] = "1,234.5";
    g.cells[{2, 4}] = "";
    g.cells[{2, 5}] = "-9.0E+29";
    g.cells[{2, 6}] = "2.5E+02";
    g.cells[{1, 3}] = "99"; // another parameter
    GraphRequest r{{10.0, 10.5, 11.0, 11.5, 12.0, 12.5}, 3, 2, false, "kJ/kg", "kJ/kg"};
    const GraphSeries s = CollectGraphPoints(r, g.Reader());
    ASSERT_EQ(s.y.size(), 2u);
    EXPECT_FLOAT_EQ(s.y[0], 1234.5f);
    EXPECT_FLOAT_EQ(s.x[0], 11.0f);
    EXPECT_FLOAT_EQ(s.y[1], 250.0f);
    EXPECT_FLOAT_EQ(s.x[1], 12.5f);
    EXPECT_DOUBLE_EQ(s.yMin, 250.0);
    EXPECT_DOUBLE_EQ(s.yMax, 1234.5);
    EXPECT_EQ(s.xMin, 11.0);
    EXPECT_EQ(s.xMax, 12.5);

    // Points in rows: the same values transposed.
    FakeGrid t;
    for (const auto& [key, text] : g.cells)
        t.cells[{key.second, key.first}] = text;
    r.pointsInRows = true;
    const GraphSeries st = CollectGraphPoints(r, t.Reader());
    EXPECT_EQ(st.y, s.y);
    EXPECT_EQ(st.x, s.x);

    // Values are converted to the vertical unit.
    r.targetUnits = "Btu/lbm";
    const GraphSeries sc = CollectGraphPoints(r, t.Reader());
    ASSERT_EQ(sc.y.size(), 2u);
    EXPECT_NEAR(sc.y[1], 250.0 / 2.326, 1e-3);

    // A parameter not shown, or no valid cell, gives no points.
    r.position = 0;
    EXPECT_TRUE(CollectGraphPoints(r, t.Reader()).y.empty());
    r.position = 7;
    EXPECT_TRUE(CollectGraphPoints(r, t.Reader()).y.empty());
}

TEST_F(GraphLogicTest, CellTextsInTheLocalesNotation)
{
    EXPECT_EQ(GraphCellValue("N/A"), NotApplicableValue);
    EXPECT_EQ(GraphCellValue(""), NotApplicableValue);
    EXPECT_EQ(GraphCellValue("Liquid"), NotApplicableValue);
    EXPECT_EQ(GraphCellValue("1.5E+400"), NotApplicableValue);
    EXPECT_EQ(GraphCellValue("-1.25E-03"), -0.00125);
    const ScopedLocaleSeparators german(LocaleSeparators::German());
    EXPECT_EQ(GraphCellValue("1.234,5"), 1234.5);
    EXPECT_EQ(GraphCellValue("0,25"), 0.25);
}

TEST_F(GraphLogicTest, CellsThatAreNotWhollyANumberAreSkipped)
{
    FakeGrid g;
    g.cells[{1, 1}] = "12abc";
    g.cells[{1, 2}] = "1.2.3";
    g.cells[{1, 3}] = " 7 ";
    GraphRequest r{{0.0, 1.0, 2.0}, 17, 1, false, "", ""};
    const GraphSeries s = CollectGraphPoints(r, g.Reader());
    ASSERT_EQ(s.y.size(), 1u);
    EXPECT_EQ(s.y[0], 7.0f);
    EXPECT_EQ(s.x[0], 2.0f);
}

TEST_F(GraphLogicTest, ValuesBeyondSinglePrecisionAreSkipped)
{
    FakeGrid g;
    g.cells[{1, 1}] = "1E+39";
    g.cells[{1, 2}] = "7";
    GraphRequest r{{0.0, 1.0}, 17, 1, false, "", ""};
    const GraphSeries s = CollectGraphPoints(r, g.Reader());
    ASSERT_EQ(s.y.size(), 1u);
    EXPECT_EQ(s.y[0], 7.0f);
    EXPECT_EQ(s.x[0], 1.0f);
    EXPECT_EQ(s.yMax, 7.0);
}

TEST_F(GraphLogicTest, PositionOfAParameterInTheShownOrder)
{
    OutputPreferences prefs;
    prefs.NumParams = 3;
    prefs.ParamIds[0] = 2;
    prefs.ParamIds[1] = 1;
    prefs.ParamIds[2] = 3;
    prefs.ParamIds[3] = 4; // beyond the count
    EXPECT_EQ(GraphParameterPosition(prefs, 1), 2);
    EXPECT_EQ(GraphParameterPosition(prefs, 3), 3);
    EXPECT_EQ(GraphParameterPosition(prefs, 4), 0);
    prefs.NumParams = 99;
    EXPECT_EQ(GraphParameterPosition(prefs, 4), 4);
}

TEST_F(GraphLogicTest, LabelFormatBySpanAndSpanByScaleMode)
{
    EXPECT_EQ(GraphAxisLabelFormat(100000), "0.00E+00");
    EXPECT_EQ(GraphAxisLabelFormat(99999.9), "###,###,##0");
    EXPECT_EQ(GraphAxisLabelFormat(10), "###,###,##0");
    EXPECT_EQ(GraphAxisLabelFormat(9.99), "#0.0");
    EXPECT_EQ(GraphAxisLabelFormat(1), "#0.0");
    EXPECT_EQ(GraphAxisLabelFormat(0.1), "#0.00");
    EXPECT_EQ(GraphAxisLabelFormat(0.0999), "0.00E-00");
    EXPECT_EQ(GraphAxisLabelFormat(0), "0.00E-00");
    EXPECT_EQ(GraphAxisLabelFormat(-5), "0.00E-00");

    EXPECT_EQ(GraphAxisSpan(1, 30, 10, 40, 0), 20);
    EXPECT_EQ(GraphAxisSpan(2, 30, 10, 40, 0), 40);
    EXPECT_EQ(GraphAxisSpan(0, 30, 10, 40, 0), 30);
    EXPECT_EQ(GraphAxisSpan(7, 30, 10, 40, 0), 30);
}

TEST_F(GraphLogicTest, Titles)
{
    EXPECT_EQ(GraphAxisTitle("Enthalpy", "kJ/kg"), "Enthalpy (kJ/kg)");
    EXPECT_EQ(GraphAxisTitle("Quality", ""), "Quality");

    GraphTitleParts p{2, "Enthalpy", "Temperature", "pressure", true, "1,000", "psia"};
    EXPECT_EQ(GraphTitle(p), "Enthalpy vs. Temperature - Pressure = 1,000 psia");

    // A hidden value box leaves the name alone.
    p.conditionName = "Saturated Liquid";
    p.conditionValueShown = false;
    EXPECT_EQ(GraphTitle(p), "Enthalpy vs. Temperature - Saturated Liquid");

    // Both parts: 77 characters still fit, 78 do not.
    p.conditionValueShown = true;
    p.dependent = std::string(30, 'd');
    p.independent = std::string(10, 'i');
    p.conditionName = "Pressure";
    p.conditionValue = std::string(15, '9');
    p.conditionUnits = "MPa"; // main 45, cond 8 + 3 + 15 + 1 + 3 = 30: 75
    EXPECT_EQ(GraphTitle(p), p.dependent + " vs. " + p.independent + " - Pressure = " + p.conditionValue + " MPa");
    p.conditionValue = std::string(17, '9'); // 77
    EXPECT_EQ(GraphTitle(p).substr(0, 30), p.dependent);
    p.conditionValue = std::string(18, '9'); // 78
    EXPECT_EQ(GraphTitle(p), "Pressure = " + p.conditionValue + " MPa");

    // Characters, not bytes, are counted: 17 two-byte characters still fit.
    p.conditionValue = "";
    for (int i = 0; i < 17; ++i)
        p.conditionValue += "\xC2\xB0";
    EXPECT_NE(GraphTitle(p).find(" vs. "), std::string::npos);

    // Outside Range the parts are empty.
    p.mode = 1;
    EXPECT_EQ(GraphTitle(p), " - ");
}

} // namespace
} // namespace vq
