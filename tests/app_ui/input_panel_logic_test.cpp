#include "app/input_panel_logic.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

using Codes = std::vector<int>;

TEST(PropertyLists, OfferedCodesByFirstPropertyAndMode)
{
    EXPECT_EQ(PropertyList1Codes(), (Codes{1, 2, 3, 4, 5, 6, 8, 9, 10}));
    EXPECT_EQ(PropertyList2Codes(1, SinglePointMode), (Codes{2, 3, 4, 5, 6, 8, 9, 10}));
    EXPECT_EQ(PropertyList2Codes(8, SinglePointMode), (Codes{1, 2}));
    EXPECT_EQ(PropertyList2Codes(3, RangeMode), (Codes{1, 2, 6}));
    EXPECT_EQ(PropertyList2Codes(3, SinglePointMode), (Codes{1, 2, 6, 9, 10}));
    for (int mode : {SinglePointMode, TwoPointsMode, RangeMode}) {
        EXPECT_EQ(PropertyList2Codes(9, mode), (Codes{1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(PropertyList2Codes(10, mode), (Codes{1, 2, 3, 4, 5, 6, 7}));
    }
    EXPECT_EQ(PropertyList2Codes(-1, RangeMode), (Codes{1, 2, 3, 4, 5, 6, 8}));
    EXPECT_TRUE(PropertyList2Codes(7, SinglePointMode).empty());
}

TEST(PropertyLists, SecondSelectionKeepsThePreviousChoiceWhenOffered)
{
    // Entropy stays when property 1 changes from Pressure to Temperature.
    const Codes forTemperature = PropertyList2Codes(2, SinglePointMode);
    EXPECT_EQ(forTemperature[static_cast<std::size_t>(PropertyList2Selection(forTemperature, 6, 2))], 6);
    // Property 1 becomes Entropy: the first entry (Pressure).
    const Codes forEntropy = PropertyList2Codes(6, SinglePointMode);
    EXPECT_EQ(PropertyList2Selection(forEntropy, 6, 6), 0);
    // Saturated Vapor is not offered in Range mode.
    EXPECT_EQ(PropertyList2Selection(PropertyList2Codes(1, RangeMode), 10, 1), 0);
    EXPECT_EQ(PropertyList2Selection({}, 2, 1), -1);
}

TEST(PropertyLists, UnitListsOfProperties)
{
    EXPECT_EQ(UnitListForProperty(1).family, 6);
    EXPECT_EQ(UnitListForProperty(23).family, 6);
    EXPECT_EQ(UnitListForProperty(7).family, 21);
    EXPECT_EQ(UnitListForProperty(8).family, 22);
    EXPECT_EQ(UnitListForProperty(25).family, 26);
    EXPECT_FALSE(UnitListForProperty(10).visible);
    EXPECT_TRUE(UnitListForProperty(11).visible);
    EXPECT_EQ(UnitListForProperty(11).family, -1);
    EXPECT_TRUE(IsSaturationInputCode(9.0));
    EXPECT_FALSE(IsSaturationInputCode(9.5));
}

TEST(InputRows, LabelsPerModeAndSaturatedCodes)
{
    InputPanelLayout rows = LayoutInputRows(SinglePointMode, 1, 2);
    EXPECT_EQ(rows[0].label, "&Value:");
    EXPECT_EQ(rows[1].label, "V&alue:");
    EXPECT_FALSE(rows[0].raised || rows[0].endVisible || rows[1].incVisible);

    rows = LayoutInputRows(SinglePointMode, 9, 1);
    EXPECT_FALSE(rows[0].valueVisible || rows[0].labelVisible || rows[0].unitsVisible);

    rows = LayoutInputRows(TwoPointsMode, 1, 9);
    EXPECT_EQ(rows[0].label, "Sat. Value:");
    EXPECT_TRUE(rows[0].valueVisible);
    EXPECT_EQ(rows[1].label, "2nd Val&ue: Saturated Vapor");
    EXPECT_EQ(rows[1].labelWidth, 2100);
    EXPECT_FALSE(rows[1].valueVisible || rows[1].unitsVisible);
    EXPECT_EQ(LayoutInputRows(TwoPointsMode, 2, 10)[1].label, "2nd Valu&e: Saturated Liquid");
    EXPECT_EQ(LayoutInputRows(TwoPointsMode, 10, 2)[0].label, "1st Valu&e: Saturated Liquid");
    EXPECT_EQ(LayoutInputRows(TwoPointsMode, 10, 2)[1].label, "Sat. Value:");

    rows = LayoutInputRows(TwoPointsMode, 1, 2);
    for (const InputRowLayout& row : rows) {
        EXPECT_TRUE(row.raised);
        EXPECT_EQ(row.label, "1st Val&ue:");
        EXPECT_EQ(row.endLabel, "2nd Valu&e:");
        EXPECT_TRUE(row.endVisible);
        EXPECT_FALSE(row.incVisible);
    }

    rows = LayoutInputRows(RangeMode, 1, 2);
    EXPECT_FALSE(rows[0].raised);
    EXPECT_EQ(rows[1].label, "Start Val&ue:");
    EXPECT_EQ(rows[1].endLabel, "End Valu&e:");
    EXPECT_TRUE(rows[1].incVisible && rows[1].raised);
}

TEST(InputRows, CalculateNeedsTheShownBoxesFilled)
{
    FilledBoxes f;
    f.state1 = true;
    EXPECT_FALSE(CalcInputsComplete(SinglePointMode, 1, 2, f));
    f.state2 = true;
    EXPECT_TRUE(CalcInputsComplete(SinglePointMode, 1, 2, f));
    EXPECT_FALSE(CalcInputsComplete(SinglePointMode, -1, 2, f));
    EXPECT_TRUE(CalcInputsComplete(SinglePointMode, 1, 9, FilledBoxes{true, false, false, false, false}));

    EXPECT_FALSE(CalcInputsComplete(TwoPointsMode, 1, 2, f));
    f.state1End = f.state2End = true;
    EXPECT_TRUE(CalcInputsComplete(TwoPointsMode, 1, 2, f));
    EXPECT_TRUE(CalcInputsComplete(TwoPointsMode, 10, 1, FilledBoxes{false, false, true, false, false}));
    EXPECT_FALSE(CalcInputsComplete(TwoPointsMode, 10, 1, FilledBoxes{true, false, false, false, false}));

    EXPECT_FALSE(CalcInputsComplete(RangeMode, 1, 2, f));
    f.state2Inc = true;
    EXPECT_TRUE(CalcInputsComplete(RangeMode, 1, 2, f));
    f.state1 = false;
    EXPECT_FALSE(CalcInputsComplete(RangeMode, 1, 2, f));
    EXPECT_TRUE(CalcInputsComplete(RangeMode, 9, 2, f));
}

} // namespace
} // namespace vq
