#include "units/unit_lists.h"

#include "common/safe_file.h"
#include "common/section_reader.h"
#include "units/unit_catalogue.h"

#include "catalogue_fixture.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

class UnitLists : public test::CatalogueTest {
protected:
    static int Index(int family, const char* name) { return FindUnitIndex(family, name); }
    static int State(int family, const char* name) { return GetUnitListState(family, Index(family, name)); }
    static std::vector<std::string> Texts(const UnitListContents& list)
    {
        std::vector<std::string> texts;
        for (const UnitListItem& item : list.Items)
            texts.push_back(item.Text);
        return texts;
    }

    // Loads lines as the "[Unit Preferences]" section and applies its family lines.
    static std::string Apply(const std::vector<std::string>& lines)
    {
        std::vector<std::string> file = {"[Unit Preferences]"};
        file.insert(file.end(), lines.begin(), lines.end());
        TextFileReader reader;
        reader.SetText(JoinFileLines(file));
        int count = 0;
        ReadSection(reader, "[Unit Preferences]", count, false);
        std::string errorText;
        ApplyFamilyUnitLists(errorText);
        return errorText;
    }
};

TEST_F(UnitLists, ListStatesMoveOnlyBetweenInUseAndNotInUse)
{
    const int air = Index(DensityFamily, "S.G. air");
    EXPECT_EQ(air, 0);
    const int water = Index(DensityFamily, "S.G. water");
    SelectUnit(DensityFamily, water);
    EXPECT_EQ(GetUnitListState(DensityFamily, water), UnitNotInUse);
    SelectUnit(DensityFamily, water);
    EXPECT_EQ(GetUnitListState(DensityFamily, water), UnitNotInUse);
    DeselectUnit(DensityFamily, water);
    EXPECT_EQ(GetUnitListState(DensityFamily, water), UnitInUse);

    SelectFamilyUnits(DensityFamily);
    EXPECT_EQ(State(DensityFamily, "S.G. air"), UnitNotOffered) << "a unit never offered stays so";
    EXPECT_EQ(FillUnitCombo(DensityFamily).Items.size(), 0u);
    EXPECT_EQ(FillUnitCombo(DensityFamily).SelectedIndex, -1);
    EXPECT_EQ(FindNextFlaggedFamily(-1), DensityFamily);
    EXPECT_EQ(FindNextFlaggedFamily(DensityFamily), DensityFamily);
    EXPECT_EQ(FindNextFlaggedFamily(PressureFamily), -1);

    SelectFamilyUnits(PressureFamily);
    AddEnglishUnits(PressureFamily);
    const CUnitFamily& pressure = *GetUnitFamily(PressureFamily);
    for (int i = 1; i <= pressure.NumUnits(); ++i) {
        const CUnitType& unit = *pressure.UnitType(i);
        EXPECT_EQ(unit.ListState == UnitInUse, unit.UnitSystem != UnitSystemSI) << unit.Name;
    }
    SelectFamilyUnits(PressureFamily);
    AddSIUnits(PressureFamily);
    EXPECT_EQ(State(PressureFamily, "atm"), UnitInUse);
    EXPECT_EQ(State(PressureFamily, "kPa (g)"), UnitInUse);
    EXPECT_EQ(State(PressureFamily, "psia"), UnitNotInUse);

    EXPECT_TRUE(SetFamilyUnitState(PressureFamily, "KPA"));
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "psia"));
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "psi"));
    EXPECT_EQ(GetUnitListState(PressureFamily, 99), UnitNotOffered);
    EXPECT_EQ(GetFamilyName(36), "");
    EXPECT_EQ(GetFamilyName(-1), "");
    EXPECT_EQ(GetFamilyName(25), "Heat Rate");
    EXPECT_EQ(GetDefaultUnits(KinematicViscosityFamily, UnitSystemSI), "centistokes");
}

TEST_F(UnitLists, UnitComboSelectsPreferredThenDefaultThenFirst)
{
    UnitPrefs.UnitSystem = UnitSystemSI;
    UnitPrefs.PreferredUnits[PressureFamily] = "psi";
    UnitListContents list = FillPressureCombo();
    ASSERT_EQ(list.Items.size(), 27u);
    EXPECT_EQ(list.Items[list.SelectedIndex].Text, "psia") << "the first unit that begins with psi";
    EXPECT_EQ(list.Items[list.SelectedIndex].ItemData, Index(PressureFamily, "psia"));

    SelectUnit(PressureFamily, Index(PressureFamily, "psia"));
    list = FillPressureCombo();
    EXPECT_EQ(list.Items[list.SelectedIndex].Text, "psig");
    UnitPrefs.PreferredUnits[PressureFamily] = "psf";
    list = FillPressureCombo();
    EXPECT_EQ(list.Items[list.SelectedIndex].Text, "psfa");

    UnitPrefs.PreferredUnits[PressureFamily] = " kPa ";
    EXPECT_EQ(FillPressureCombo().Items[FillPressureCombo().SelectedIndex].Text, "kPa");

    UnitPrefs.PreferredUnits[PressureFamily] = "bar";
    SelectUnit(PressureFamily, Index(PressureFamily, "bar"));
    list = FillPressureCombo();
    EXPECT_EQ(list.Items[list.SelectedIndex].Text, "MPa") << "SI default when the preferred unit is out of use";

    SelectUnit(PressureFamily, Index(PressureFamily, "MPa"));
    list = FillPressureCombo();
    EXPECT_EQ(list.SelectedIndex, 0);
    EXPECT_EQ(list.Items[0].Text, "atm");

    EXPECT_TRUE(FillUnitCombo(36).Items.empty());
    EXPECT_EQ(FillUnitCombo(36).SelectedIndex, -1);
    EXPECT_TRUE(FillUnitCombo(-1).Items.empty());

    list = FillPercentCombo(true);
    ASSERT_EQ(list.Items.size(), 1u);
    EXPECT_EQ(list.Items[0], (UnitListItem{"Percent", 2, false}));
    EXPECT_EQ(list.SelectedIndex, 0);
    UnitPrefs.PreferredUnits[PercentFractionalFamily] = "Decimal";
    list = FillPercentCombo(false);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Decimal", "Percent"}));
    EXPECT_EQ(list.SelectedIndex, 0);

    EXPECT_EQ(Texts(FillTemperatureCombo()), (std::vector<std::string>{"deg. C", "deg. F", "deg. K", "deg. R"}));
    EXPECT_EQ(FillKinematicViscosityCombo().Items.size(), 14u);
    EXPECT_EQ(FillDensityCombo().Items.size(), 10u) << "S.G. air is never listed";
}

TEST_F(UnitLists, UnitsUsedListAndFamilyList)
{
    SelectUnit(TemperatureFamily, Index(TemperatureFamily, "deg. K"));
    const UnitListContents used = FillUnitsUsedList(TemperatureFamily);
    EXPECT_EQ(used.SelectedIndex, -1);
    EXPECT_EQ(used.Items, (std::vector<UnitListItem>{{"deg. C", 1, true}, {"deg. F", 2, true},
                                                       {"deg. K", 3, false}, {"deg. R", 4, true}}));
    EXPECT_EQ(FillUnitsUsedList(DensityFamily).Items.size(), 10u);

    UnitPrefs.PreferredUnits[PressureFamily] = "kPa";
    const UnitListContents families = FillUnitList(true);
    ASSERT_EQ(families.Items.size(), 14u);
    EXPECT_EQ(families.Items[0], (UnitListItem{"Velocity Units\t", VelocityFamily, false}));
    EXPECT_EQ(families.Items[1], (UnitListItem{"Pressure Units\tkPa", PressureFamily, false}));
    EXPECT_EQ(families.Items.back().ItemData, KinematicViscosityFamily);
    EXPECT_EQ(FillUnitList(false).Items[1].Text, "Pressure Units");
}

TEST_F(UnitLists, PreferenceLinesAreWrittenExactlyAndReadBackUnchanged)
{
    SelectUnit(TemperatureFamily, Index(TemperatureFamily, "deg. K"));
    SelectUnit(TemperatureFamily, Index(TemperatureFamily, "deg. R"));
    SelectUnit(PressureFamily, Index(PressureFamily, "psig"));
    std::vector<std::string> lines;
    WriteUnitPreferences(lines);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[TemperatureFamily], "Temperature Units=deg. C,deg. F,*deg. K,*deg. R ");
    EXPECT_EQ(lines[20], "Monetary Units=U.S. Dollars ");
    EXPECT_EQ(lines[DensityFamily], "Density Units=gram/cm3,gram/liter,kg/cm3,kg/liter,kg/m3,lbm/ft3,lbm/gal,"
                                    "lbm/in3,S.G. water,slug/ft3 ");
    EXPECT_EQ(lines[MassFlowRateFamily].find("scf"), std::string::npos);
    EXPECT_TRUE(lines[PressureFamily].ends_with(",psia,*psig "));
    EXPECT_TRUE(JoinFileLines(lines).ends_with("stokes \r\n"));

    // Read back into a fresh catalogue: the same states, and the same lines again.
    BuildUnitFamilies();
    EXPECT_EQ(Apply(lines), "");
    std::vector<std::string> again;
    WriteUnitPreferences(again);
    EXPECT_EQ(again, lines);
}

TEST_F(UnitLists, FamilyLinesOnlyMoveOfferedUnitsAndIgnoreWhatTheyDoNotKnow)
{
    SelectUnit(LengthFamily, Index(LengthFamily, "meters"));
    Apply({"length units = *FEET,meters,yards,,*mm", "Density Units=S.G. air,*S.G. water"});
    EXPECT_EQ(State(LengthFamily, "feet"), UnitNotInUse);
    EXPECT_EQ(State(LengthFamily, "meters"), UnitInUse);
    EXPECT_EQ(State(LengthFamily, "mm"), UnitNotInUse) << "an empty item does not end the line";
    EXPECT_EQ(State(LengthFamily, "cm"), UnitInUse) << "a unit missing from the line keeps its state";
    EXPECT_EQ(State(DensityFamily, "S.G. air"), UnitNotOffered);
    EXPECT_EQ(State(DensityFamily, "S.G. water"), UnitNotInUse);

    // Only the first 46 items of a line count: the 47th would take "feet" out of use.
    std::string line = "Length Units=";
    for (int i = 0; i < 46; ++i)
        line += "meters,";
    line += "*feet";
    BuildUnitFamilies();
    Apply({line});
    EXPECT_EQ(State(LengthFamily, "feet"), UnitInUse);
}

TEST_F(UnitLists, AFamilyLeftWithoutUnitsInUseGetsOneBack)
{
    UnitPrefs.UnitSystem = UnitSystemSI;
    UnitPrefs.PreferredUnits[PressureFamily] = "kPa";
    UnitPrefs.PreferredUnits[TemperatureFamily] = "no such unit";
    std::vector<std::string> lines;
    SelectFamilyUnits(PressureFamily);
    SelectFamilyUnits(TemperatureFamily);
    SelectFamilyUnits(PowerFamily);
    WriteUnitPreferences(lines);
    BuildUnitFamilies();
    Apply(lines);

    EXPECT_EQ(FindNextFlaggedFamily(-1), -1);
    EXPECT_EQ(Texts(FillPressureCombo()), (std::vector<std::string>{"kPa"}));
    EXPECT_EQ(Texts(FillTemperatureCombo()), (std::vector<std::string>{"deg. C"})) << "SI default";
    EXPECT_EQ(Texts(FillUnitCombo(PowerFamily)), (std::vector<std::string>{"kW"}));
}

} // namespace
} // namespace vq
