#include "preferences/unit_pref_editor.h"

#include "program_tables.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

#include <string>

namespace vq {
namespace {

class UnitPrefEditorTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpProgramTables(); }
    void TearDown() override { ReleaseOutputParams(); }
    test::RecordingUserInterface ui;
};

TEST_F(UnitPrefEditorTest, DefaultUnitStatesFollowTheUnitSystem)
{
    const int kpa = FindUnitIndex(PressureFamily, "kPa");
    const int psia = FindUnitIndex(PressureFamily, "psia");
    const int atm = FindUnitIndex(PressureFamily, "atm");
    ApplyDefaultUnitStates(UnitSystemEnglish);
    EXPECT_EQ(GetUnitListState(PressureFamily, kpa), UnitNotInUse);
    EXPECT_EQ(GetUnitListState(PressureFamily, psia), UnitInUse);
    EXPECT_EQ(GetUnitListState(PressureFamily, atm), UnitInUse) << "general units belong to both systems";
    ApplyDefaultUnitStates(UnitSystemSI);
    EXPECT_EQ(GetUnitListState(PressureFamily, kpa), UnitInUse);
    EXPECT_EQ(GetUnitListState(PressureFamily, psia), UnitNotInUse);
    ApplyDefaultUnitStates(-1);
    EXPECT_EQ(GetUnitListState(PressureFamily, psia), UnitNotInUse);
    ApplyDefaultUnitStates(UnitSystemGeneral);
    EXPECT_EQ(GetUnitListState(PressureFamily, psia), UnitInUse);
    EXPECT_EQ(GetUnitListState(PressureFamily, kpa), UnitInUse);

    EXPECT_EQ(DefaultPreferredUnits(UnitSystemGeneral, false)[TemperatureFamily], "deg. F");
    EXPECT_EQ(DefaultPreferredUnits(UnitSystemGeneral, true)[TemperatureFamily], "deg. C");
    EXPECT_EQ(DefaultPreferredUnits(UnitSystemEnglish, true)[TemperatureFamily], "deg. F");
    EXPECT_EQ(DefaultPreferredUnits(UnitSystemSI, false)[PressureFamily], "MPa");
}

TEST_F(UnitPrefEditorTest, StoringKeepsOnlyPreferredUnitsInUse)
{
    UnitPrefsDraft d = LoadUnitPrefsDraft();
    EXPECT_EQ(d.atmosphericText, "1");
    EXPECT_EQ(d.atmosphericUnits, "atm");
    EXPECT_EQ(FirstFamilyWithUnavailablePreferred(d), -1);

    d.preferred[PressureFamily] = "KPA";
    d.preferred[TemperatureFamily] = "deg. R";
    d.preferred[PressureAbsoluteFamily] = "nonsense"; // not shown: neither checked nor stored
    SelectUnit(TemperatureFamily, FindUnitIndex(TemperatureFamily, "deg. R"));
    EXPECT_EQ(FirstFamilyWithUnavailablePreferred(d), TemperatureFamily);
    EXPECT_EQ(PreferredUnitUnavailableMessage(GetFamilyName(TemperatureFamily)),
              "Thg prefered unit for Temperature Units is not currently available.\r\nPlease choose another perfered unit.");

    d.unitSystem = UnitSystemSI;
    d.atmosphericText = "101.325";
    d.atmosphericUnits = "kPa";
    StoreUnitPrefsDraft(d);
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "KPA");
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "");
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureAbsoluteFamily], "psia");
    EXPECT_NEAR(UnitPrefs.AtmosphericPressure, 101.325, 1e-4);
    EXPECT_NEAR(UnitPrefs.AtmosphericPressurePsia, 14.69595, 1e-4);
}

TEST_F(UnitPrefEditorTest, AnAtmosphericUnitNotInUseShowsOneAtmosphere)
{
    UnitPrefs.AtmosphericPressure = 100.0;
    UnitPrefs.AtmosphericPressureUnits = "kPa";
    AtmosphericPressureView v = GetAtmosphericPressureView();
    ASSERT_GE(v.selected, 0);
    EXPECT_EQ(v.units[static_cast<std::size_t>(v.selected)], "kPa");
    EXPECT_EQ(v.text, "100");

    UnitPrefs.AtmosphericPressureUnits = "psig";
    v = GetAtmosphericPressureView();
    EXPECT_EQ(v.text, "1");
    EXPECT_EQ(v.units[static_cast<std::size_t>(v.selected)], "atm");

    SelectUnit(PressureAbsoluteFamily, FindUnitIndex(PressureAbsoluteFamily, "atm"));
    v = GetAtmosphericPressureView();
    EXPECT_EQ(v.selected, static_cast<int>(v.units.size()) - 1);
    EXPECT_EQ(v.units.back(), "atm");
}

} // namespace
} // namespace vq
