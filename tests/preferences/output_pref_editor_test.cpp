#include "preferences/output_pref_editor.h"

#include "program_tables.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vq {
namespace {

class OutputPrefEditorTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpProgramTables(); }
    void TearDown() override { ReleaseOutputParams(); }
    test::RecordingUserInterface ui;
};

TEST_F(OutputPrefEditorTest, LoadsTheDefaultListsAndNeverOffersTheSaturatedInputs)
{
    const OutputPrefsDraft d = LoadPrefsIntoDraft();
    EXPECT_EQ(d.shown, (std::vector<int>{11, 1, 2, 4, 3, 14, 13, 12, 8, 23}));
    ASSERT_EQ(d.unused.size(), 13u);
    EXPECT_TRUE(std::is_sorted(d.unused.begin(), d.unused.end(),
                               [](int a, int b) { return OutputParams(a).Name < OutputParams(b).Name; }));
    for (const std::vector<int>* list : {&d.shown, &d.unused}) {
        EXPECT_EQ(std::count(list->begin(), list->end(), PropSaturatedLiquid), 0);
        EXPECT_EQ(std::count(list->begin(), list->end(), PropSaturatedVapor), 0);
    }
    EXPECT_EQ(ShownEntryText(PropPressure), "Pressure\tpsia");
    EXPECT_EQ(ShownEntryText(PropPhase), "Phase");
    EXPECT_EQ(OutputParams(PropTemperature).EditPosition, 3);
    EXPECT_EQ(OutputParams(PropEntropy).EditPosition, 0);

    OutputPrefsDraft all = d;
    AddShownParams(all, all.unused);
    EXPECT_EQ(all.shown.size(), 23u);
    EXPECT_TRUE(all.unused.empty());
}

TEST_F(OutputPrefEditorTest, RemoveAllThenStoreLeavesNoParameterShownAndNoUnits)
{
    OutputPrefsDraft d = LoadPrefsIntoDraft();
    RemoveAllShownParams(d);
    StorePrefsFromDraft(d);
    EXPECT_EQ(OutputPrefs.NumParams, 0);
    for (int id = 1; id <= NumOutputParams; ++id) {
        const COutputParam& p = OutputParams(id);
        if (id == PropSaturatedLiquid || id == PropSaturatedVapor) {
            EXPECT_EQ(p.ListPosition, -1);
            continue;
        }
        EXPECT_EQ(p.ListPosition, 0) << id;
        if (p.HasUnits) {
            EXPECT_EQ(p.Units, NoUnitsMarker) << id;
        }
    }
}

TEST_F(OutputPrefEditorTest, AddingMovingAndChangingUnitsCommitOnlyOnStore)
{
    UnitPrefs.PreferredUnits[VelocityFamily] = "meters/sec";
    const OutputPreferences before = OutputPrefs;
    OutputPrefsDraft d = LoadPrefsIntoDraft();

    // A parameter never shown takes its family's preferred unit, not "None".
    AddShownParams(d, {PropSonicVelocity, PropSaturatedLiquid});
    EXPECT_EQ(d.shown.back(), PropSonicVelocity);
    EXPECT_EQ(ShownEntryText(PropSonicVelocity), "Sonic Velocity\tmeters/sec");
    EXPECT_EQ(OutputParams(PropSonicVelocity).EditPosition, 11);

    // A changed unit survives a trip to the unused list and back.
    ASSERT_TRUE(SetShownParamUnits(d, 1, " kPa "));
    ASSERT_TRUE(RemoveShownParam(d, 1));
    EXPECT_EQ(OutputParams(PropPressure).EditPosition, 0);
    AddShownParams(d, {PropPressure});
    EXPECT_EQ(ShownEntryText(PropPressure), "Pressure\tkPa");
    EXPECT_FALSE(SetShownParamUnits(d, 0, "kPa")) << "Phase has no units";

    ASSERT_TRUE(MoveShownParam(d, static_cast<int>(d.shown.size()) - 1, 0));
    EXPECT_FALSE(MoveShownParam(d, 0, static_cast<int>(d.shown.size())));
    EXPECT_FALSE(RemoveShownParam(d, -1));
    EXPECT_EQ(OutputPrefs, before) << "nothing is committed before the store";

    d.digits = 3;
    d.rowColOrder = {1, 0};
    StorePrefsFromDraft(d);
    EXPECT_EQ(OutputPrefs.NumParams, 11);
    EXPECT_EQ(OutputPrefs.ParamIds[0], PropPressure);
    EXPECT_EQ(OutputPrefs.ParamIds[1], PropPhase);
    EXPECT_EQ(OutputPrefs.ParamIds[10], PropSonicVelocity);
    EXPECT_EQ(OutputParams(PropPressure).Units, "kPa");
    EXPECT_EQ(OutputParams(PropPressure).ListPosition, 1);
    EXPECT_EQ(OutputParams(PropSonicVelocity).Units, "meters/sec");
    EXPECT_EQ(OutputPrefs.Digits, 3);
    EXPECT_EQ(OutputPrefs.RowColOrder[0], 1);
}

TEST_F(OutputPrefEditorTest, ProgramDefaultsChangeTheDraftOnly)
{
    OutputPrefsDraft d = LoadPrefsIntoDraft();
    RemoveAllShownParams(d);
    d.digits = 2;
    d.wrapHeaders = {1, 0};
    StorePrefsFromDraft(d);
    const OutputPreferences stored = OutputPrefs;

    const OutputPrefsDraft defaults = AppDefaultsDraft();
    EXPECT_EQ(defaults.shown, (std::vector<int>{11, 1, 2, 4, 3, 14, 13, 12, 8, 23}));
    EXPECT_EQ(defaults.digits, 6);
    EXPECT_EQ(defaults.magnitudeLimit, 6);
    EXPECT_EQ(defaults.wrapHeaders, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(defaults.rowColOrder, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(ShownEntryText(PropTemperature), "Temperature\tdeg. F");
    EXPECT_EQ(OutputPrefs, stored);
}

TEST_F(OutputPrefEditorTest, PreferredUnitsApplyOnlyToTheChosenFamilies)
{
    const std::vector<UnitListItem> choices = PreferredUnitChoices();
    ASSERT_FALSE(choices.empty());
    EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(),
                               [](const UnitListItem& a, const UnitListItem& b) { return a.Text < b.Text; }));
    const auto pressure = std::find_if(choices.begin(), choices.end(),
                                       [](const UnitListItem& i) { return i.ItemData == PressureFamily; });
    ASSERT_NE(pressure, choices.end());
    EXPECT_EQ(pressure->Text, "Pressure Units (psia) ");
    EXPECT_TRUE(pressure->Selected);
    EXPECT_EQ(std::count_if(choices.begin(), choices.end(),
                            [](const UnitListItem& i) { return i.ItemData == PressureAbsoluteFamily; }),
              0);

    OutputPrefsDraft d = LoadPrefsIntoDraft();
    SetShownParamUnits(d, 1, "kPa");
    SetShownParamUnits(d, 2, "deg. C");
    ApplyPreferredUnits(d, {});
    EXPECT_EQ(OutputParams(PropPressure).EditUnits, "kPa");
    ApplyPreferredUnits(d, {PressureFamily});
    EXPECT_EQ(OutputParams(PropPressure).EditUnits, "psia");
    EXPECT_EQ(OutputParams(PropTemperature).EditUnits, "deg. C");

    // A preferred unit out of use gives the family's default unit.
    UnitPrefs.PreferredUnits[TemperatureFamily] = "deg. R";
    SelectUnit(TemperatureFamily, FindUnitIndex(TemperatureFamily, "deg. R"));
    std::vector<int> all;
    for (const UnitListItem& i : choices)
        all.push_back(i.ItemData);
    ApplyPreferredUnits(d, all);
    EXPECT_EQ(OutputParams(PropTemperature).EditUnits, "deg. F");
    EXPECT_EQ(ShownEntryText(PropPhase), "Phase");
}

TEST_F(OutputPrefEditorTest, DescriptionPanelTexts)
{
    OutputParams(PropPressure).Units = "psia";
    const ParamDescription p = GetParamDescription(PropPressure);
    EXPECT_EQ(p.header, "Pressure  (psia)");
    EXPECT_EQ(p.shortName, "P");
    EXPECT_EQ(GetParamDescription(PropDensity).description, "Density (inverse of Specific Volume).");

    const auto chars = [](const std::string& s) { return static_cast<int>(s.size()); };
    std::string first;
    std::string rest;
    SplitToFit("one two three", 20, chars, first, rest);
    EXPECT_EQ(first, "one two three");
    EXPECT_EQ(rest, "");
    SplitToFit("one two  three four", 9, chars, first, rest);
    EXPECT_EQ(first, "one two ");
    EXPECT_EQ(rest, "three four");
    SplitToFit("unbreakable words", 5, chars, first, rest);
    EXPECT_EQ(first, "");
    EXPECT_EQ(rest, "unbreakable words");
}

} // namespace
} // namespace vq
