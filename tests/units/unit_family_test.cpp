#include "units/unit_catalogue.h"
#include "units/unit_family.h"

#include "catalogue_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace vq {
namespace {

std::vector<std::string> NamesOf(const CUnitFamily& family)
{
    std::vector<std::string> names;
    for (int i = 1; i <= family.NumUnits(); ++i)
        names.push_back(family.UnitType(i)->Name);
    return names;
}

CUnitFamily FamilyOf(std::initializer_list<const char*> names)
{
    CUnitFamily family;
    for (const char* name : names)
        family.AddUnitType(name, UnitSystemEnglish, UnitInUse, "", 0);
    return family;
}

TEST(UnitFamilyRecord, AddKeepsUnitsSortedByUpperCaseNameAndRefusesExactDuplicates)
{
    CUnitFamily family = FamilyOf({"psia", "bar"});
    EXPECT_EQ(family.NewUnitTypeIndex(), 1);

    family.AddUnitType("psia", UnitSystemSI, UnitNotInUse, "other", 1);
    EXPECT_EQ(family.NumUnits(), 2);
    EXPECT_EQ(family.NewUnitTypeIndex(), 1) << "an exact duplicate keeps the last insertion point";
    EXPECT_EQ(family.UnitType(2)->UnitSystem, UnitSystemEnglish);

    family.AddUnitType("PSIA", UnitSystemEnglish, UnitInUse, "", 0);
    EXPECT_EQ(NamesOf(family), (std::vector<std::string>{"bar", "psia", "PSIA"}));
    EXPECT_EQ(family.NewUnitTypeIndex(), 3);

    CUnitFamily power = FamilyOf({"Btu/day", "Btu/hr", "Btu/min"});
    power.AddUnitType("Btu/s", UnitSystemEnglish, UnitInUse, "", 0);
    EXPECT_EQ(power.NewUnitTypeIndex(), 4);

    CUnitFamily conductivity = FamilyOf({"Btu/hr-ft-R"});
    conductivity.AddUnitType("Btu-in/s-ft2-R", UnitSystemEnglish, UnitInUse, "", 0);
    EXPECT_EQ(conductivity.NewUnitTypeIndex(), 1) << "'-' sorts before '/'";

    CUnitFamily mixed = FamilyOf({"psfa", "MMNcfd", "kPa/m", "ft. H2O std. (g)", "m-ton/sec", "kPa", "Pascals",
                                  "ft. H2O std."});
    EXPECT_EQ(NamesOf(mixed), (std::vector<std::string>{"ft. H2O std.", "ft. H2O std. (g)", "kPa", "kPa/m",
                                                        "m-ton/sec", "MMNcfd", "Pascals", "psfa"}));
}

TEST(UnitFamilyRecord, DefaultsFollowTheirUnitsThroughInsertionAndDeletion)
{
    CUnitFamily family = FamilyOf({"b", "d", "f", "h", "j"});
    family.SetDefaultUnitType("f", -1); // general and English at 3
    family.SetDefaultUnitType("j", 2);  // SI at 5

    family.AddUnitType("c", UnitSystemEnglish, UnitInUse, "", 0); // lands at 2
    EXPECT_EQ(family.DefaultUnits(0), "f");
    EXPECT_EQ(family.DefaultUnits(1), "f");
    EXPECT_EQ(family.DefaultUnits(2), "j");
    family.AddUnitType("z", UnitSystemEnglish, UnitInUse, "", 0); // after both defaults
    EXPECT_EQ(family.DefaultUnits(1), "f");
    EXPECT_EQ(family.DefaultUnits(2), "j");

    // Deleting position 2 moves later defaults down; a default at the deleted position
    // keeps its number and names the unit that moved into it.
    CUnitFamily five = FamilyOf({"a", "b", "c", "d", "e"});
    five.SetDefaultUnitType("b", 2);
    five.SetDefaultUnitType("d", -1);
    five.DeleteUnitType("b");
    EXPECT_EQ(five.DefaultUnits(1), "d");
    EXPECT_EQ(five.DefaultUnits(2), "c");
    five.DeleteUnitType("B");
    EXPECT_EQ(five.NumUnits(), 4) << "the family's own lookups match case exactly";
}

TEST(UnitFamilyRecord, DeletingTheLastOrOnlyUnitLeavesNoDefaultPastTheEnd)
{
    CUnitFamily family = FamilyOf({"a", "b", "c"});
    family.SetDefaultUnitType("c", -1);
    family.SetDefaultUnitType("c", 2);
    family.DeleteUnitType("c");
    EXPECT_EQ(family.DefaultUnits(1), "b");
    EXPECT_EQ(family.DefaultUnits(2), "b");
    EXPECT_EQ(family.UnitType(3), nullptr);

    CUnitFamily single = FamilyOf({"feet"});
    single.SetDefaultUnitType("feet", -1);
    single.DeleteUnitType("feet");
    EXPECT_EQ(single.NumUnits(), 0);
    EXPECT_EQ(single.DefaultUnits(0), NoUnitsMarker);
    EXPECT_EQ(single.DefaultUnits(1), NoUnitsMarker);
}

TEST(UnitFamilyRecord, LookupsAndDefaultsFollowTheirContracts)
{
    CUnitFamily family = FamilyOf({"feet", "meters", "psia"});
    family.SetDefaultUnitType("Feet", -1);
    EXPECT_EQ(family.DefaultUnits(1), "feet") << "unset default gives the first unit";
    family.SetDefaultUnitType("meters", 2);
    EXPECT_EQ(family.DefaultUnits(0), "feet");
    EXPECT_EQ(family.DefaultUnits(2), "meters");
    family.SetDefaultUnitType("psia", -1);
    EXPECT_EQ(family.DefaultUnits(0), "psia");
    EXPECT_EQ(family.DefaultUnits(1), "psia");
    EXPECT_EQ(family.DefaultUnits(2), "meters");
    EXPECT_EQ(family.DefaultUnits(7), "feet") << "a system outside 0..2 falls back to the first unit";

    EXPECT_EQ(family.GetCustomIndex("psia"), 3);
    EXPECT_EQ(family.GetCustomIndex("PSIA"), 0);
    EXPECT_EQ(family.UnitType(0), nullptr);
    EXPECT_EQ(family.UnitType(4), nullptr);
    EXPECT_EQ(family.UnitType(-1), nullptr);
    EXPECT_EQ(CUnitFamily().DefaultUnits(2), "None");

    auto replacement = std::make_unique<CUnitType>();
    replacement->Name = "yards";
    family.SetUnitType(9, std::move(replacement));
    EXPECT_EQ(family.UnitType(1)->Name, "feet");
}

TEST(UnitFamilyRecord, CopyTakesUnitsFieldsAndDefaults)
{
    CUnitFamily source = FamilyOf({"x", "a"});
    source.Name = "Test Units";
    source.Flag = 1;
    source.BaseUnits = "a";
    source.UnitType(2)->Factor = 2.5;
    source.UnitType(2)->ExtraText = "extra";

    CUnitFamily copy = FamilyOf({"old"});
    copy.CopyMeFrom(source);
    EXPECT_EQ(copy.Name, "Test Units");
    EXPECT_EQ(copy.Flag, 1);
    EXPECT_EQ(copy.BaseUnits, "a");
    EXPECT_EQ(NamesOf(copy), (std::vector<std::string>{"a", "x"}));
    EXPECT_EQ(copy.UnitType(2)->Factor, 2.5);
    EXPECT_EQ(copy.UnitType(2)->ExtraText, "extra");
    for (int system = 0; system < 3; ++system)
        EXPECT_EQ(copy.DefaultUnits(system), "a") << "never-set defaults become position 1";

    copy.CopyMeFrom(copy);
    EXPECT_EQ(copy.NumUnits(), 2) << "copying a family onto itself keeps it";
}

using CatalogueFamilies = test::CatalogueTest;

TEST_F(CatalogueFamilies, ModuleLookupsIgnoreCaseAndReportNotOfferedUnits)
{
    EXPECT_EQ(FindUnitIndex(PressureFamily, "psia"), 26);
    EXPECT_EQ(FindUnitIndex(PressureFamily, " PSIA "), 26);
    EXPECT_EQ(FindUnitIndex(PressureFamily, "psi"), -1);
    EXPECT_EQ(FindUnitIndex(DensityFamily, "s.g. air"), 0);
    EXPECT_EQ(FindUnitIndex(36, "psia"), -1);
    EXPECT_EQ(FindUnitIndex(-1, "psia"), -1);

    EXPECT_EQ(FindUnitFamily("heat rate"), HeatRateFamily);
    EXPECT_EQ(FindUnitFamily("Pressure Units"), PressureFamily);
    EXPECT_EQ(FindUnitFamily("Pressure"), -1);
    EXPECT_EQ(GetUnitFamily(36), nullptr);
}

TEST_F(CatalogueFamilies, RemovingCustomUnitsRestoresDefaultsAndPreferredUnit)
{
    CUnitFamily& pressure = *GetUnitFamily(PressureFamily);
    pressure.AddUnitType("aaa", UnitSystemEnglish, UnitInUse, "custom", 1);
    pressure.AddUnitType("zzz", UnitSystemSI, UnitInUse, "custom", 1);
    pressure.SetDefaultUnitType("aaa", -1);
    UnitPrefs.UnitSystem = UnitSystemSI;
    UnitPrefs.PreferredUnits[PressureFamily] = "zzz";
    ASSERT_EQ(pressure.NumUnits(), 29);

    pressure.RemoveCustomUnits();
    EXPECT_EQ(pressure.NumUnits(), 27);
    EXPECT_EQ(pressure.DefaultUnits(1), "atm") << "a removed default falls back to position 1";
    EXPECT_EQ(pressure.DefaultUnits(2), "MPa");
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "MPa");

    UnitPrefs.PreferredUnits[PressureFamily] = "kPa";
    pressure.AddUnitType("custom", UnitSystemSI, UnitInUse, "", 1);
    pressure.RemoveCustomUnits();
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "kPa") << "a preferred unit still in use stays";
}

} // namespace
} // namespace vq
