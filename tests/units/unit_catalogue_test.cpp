#include "units/unit_catalogue.h"
#include "units/unit_family.h"

#include "common/number_parsing.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace vq {
namespace {

class UnitCatalogue : public ::testing::Test {
protected:
    void SetUp() override { BuildUnitFamilies(); }
    void TearDown() override { ReleaseUnitFamilies(); }

    static const CUnitFamily& Family(int code) { return *GetUnitFamily(code); }
    static const CUnitType& Unit(int code, std::string_view name)
    {
        const CUnitFamily& family = Family(code);
        return *family.UnitType(family.GetCustomIndex(std::string(name)));
    }
};

TEST_F(UnitCatalogue, HoldsThirtySixFamiliesOf385SortedUnits)
{
    const int counts[NumUnitFamilies] = {8,  5, 11, 19, 36, 46, 27, 4,  11, 22, 6, 14, 14, 12, 14, 8, 4, 4,
                                         12, 14, 1, 3,  2,  4,  5,  22, 4,  4,  5, 9,  4,  1,  9,  4, 3, 14};
    int total = 0;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily& family = Family(code);
        EXPECT_EQ(family.NumUnits(), counts[code]) << family.Name;
        total += family.NumUnits();
        for (int i = 2; i <= family.NumUnits(); ++i) {
            EXPECT_LT(ToUpperAscii(family.UnitType(i - 1)->Name), ToUpperAscii(family.UnitType(i)->Name))
                << family.Name << " position " << i;
        }
        for (int i = 1; i <= family.NumUnits(); ++i) {
            const CUnitType& unit = *family.UnitType(i);
            EXPECT_EQ(unit.IsCustom, 0);
            EXPECT_EQ(unit.Factor, 1.0);
            EXPECT_EQ(unit.ExtraText, "None");
        }
    }
    EXPECT_EQ(total, 385);
}

TEST_F(UnitCatalogue, FamilyNamesFlagsAndDefaultsPerUnitSystem)
{
    struct Expected {
        const char* name;
        int flag;
        const char* base;
        const char* english;
        const char* si;
    };
    const Expected table[NumUnitFamilies] = {
        {"Length Units", 0, "feet", "feet", "meters"},
        {"Area Units", 0, "feet2", "feet2", "meters2"},
        {"Volume Units", 0, "feet3", "feet3", "meters3"},
        {"Velocity Units", 1, "feet/sec", "feet/sec", "meters/sec"},
        {"Volumetric Flow Rate Units", 0, "ft3/sec", "gal/min", "m3/sec"},
        {"Mass Flow Rate Units", 0, "lbm/sec", "lbm/sec", "kg/sec"},
        {"Pressure Units", 1, "psia", "psia", "MPa"},
        {"Temperature Units", 1, "deg. F", "deg. F", "deg. C"},
        {"Density Units", 1, "lbm/ft3", "lbm/ft3", "kg/m3"},
        {"Power Units", 0, "Btu/s", "hp", "kW"},
        {"Diameter Units", 0, "feet", "inches", "cm"},
        {"Pressure Differential Units", 0, "psid", "psid", "MPa"},
        {"Pressure Absolute Units", 0, "psia", "psia", "MPa"},
        {"Pressure Gradient Units", 0, "psi/ft", "psi/100 ft", "kPa/m"},
        {"Heat Flux Units", 0, "Btu/s-ft2", "Btu/s-ft2", "kW/m2"},
        {"Conductivity Units", 1, "Btu/hr-ft-R", "Btu/hr-ft-R", "W/m-K"},
        {"Specific Heat Units", 1, "Btu/lbm-R", "Btu/lbm-R", "kJ/kg-K"},
        {"Convection Coefficient Units", 0, "Btu/hr-ft2-R", "Btu/hr-ft2-R", "W/m2-K"},
        {"Resistance Units", 0, "sec2/ft5", "sec2/ft5", "sec2/m5"},
        {"Viscosity Units", 1, "lbm/s-ft", "lbm/hr-ft", "kg/sec-m"},
        {"Monetary Units", 0, "U.S. Dollars", "U.S. Dollars", "U.S. Dollars"},
        {"Enthalpy Units", 1, "Btu/lbm", "Btu/lbm", "kJ/kg"},
        {"Percent/Fractional Units", 1, "Decimal", "Percent", "Percent"},
        {"Thermal Resistance Units", 0, "hr-R/Btu", "hr-R/Btu", "K/W"},
        {"Time Units", 0, "hours", "years", "years"},
        {"Heat Rate", 0, "Btu/s", "Btu/s", "kW"},
        {"Temperature Differential Units", 1, "deg. F", "deg. F", "deg. C"},
        {"Weight per Length Units", 0, "lbm/ft", "lbm/ft", "kg/m"},
        {"Mass Units", 0, "lbm", "lbm", "kg"},
        {"Energy Units", 0, "kW-hr", "kW-hr", "kW-hr"},
        {"Head Gradient Units", 0, "ft/100 ft", "ft/100 ft", "m/100 m"},
        {"Valve Cv Units", 0, "gpm/psid^0.5", "gpm/psid^0.5", "gpm/psid^0.5"},
        {"Specific Volume Units", 1, "", "ft3/lbm", "m3/kg"},
        {"Entropy Units", 1, "Btu/lbm-R", "Btu/lbm-R", "kJ/kg-K"},
        {"Internal Energy Units", 1, "Btu/lbm", "Btu/lbm", "kJ/kg"},
        {"Kinematic Viscosity Units", 1, "", "centistokes", "centistokes"},
    };
    int flagged = 0;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily& family = Family(code);
        const Expected& e = table[code];
        EXPECT_EQ(family.Name, e.name);
        EXPECT_EQ(family.Flag, e.flag) << e.name;
        EXPECT_EQ(family.BaseUnits, e.base) << e.name;
        EXPECT_EQ(family.DefaultUnits(UnitSystemGeneral), e.english) << e.name;
        EXPECT_EQ(family.DefaultUnits(UnitSystemEnglish), e.english) << e.name;
        EXPECT_EQ(family.DefaultUnits(UnitSystemSI), e.si) << e.name;
        flagged += family.Flag;
        if (family.Flag == 1) {
            bool anyInUse = false;
            for (int i = 1; i <= family.NumUnits(); ++i)
                anyInUse = anyInUse || family.UnitType(i)->ListState == UnitInUse;
            EXPECT_TRUE(anyInUse) << e.name;
        }
    }
    EXPECT_EQ(flagged, 14);
}

TEST_F(UnitCatalogue, OnlyTheGasFlowsAndAirGravityAreNeverOffered)
{
    std::vector<std::string> notOffered;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        for (int i = 1; i <= Family(code).NumUnits(); ++i) {
            const CUnitType& unit = *Family(code).UnitType(i);
            EXPECT_NE(unit.ListState, UnitNotInUse);
            if (unit.ListState == UnitNotOffered) {
                notOffered.push_back(unit.Name);
                EXPECT_TRUE(code == MassFlowRateFamily || unit.Name == "S.G. air") << unit.Name;
                EXPECT_EQ(unit.LongName, unit.Name == "S.G. air" ? "Specific Gravity of Air" : "");
            }
        }
    }
    EXPECT_EQ(notOffered.size(), 25u);
    EXPECT_EQ(Unit(DensityFamily, "S.G. water").ListState, UnitInUse);
    EXPECT_EQ(Unit(MassFlowRateFamily, "MMscfd").ListState, UnitNotOffered);
    EXPECT_EQ(Unit(MassFlowRateFamily, "Nm3/h").ListState, UnitNotOffered);
}

TEST_F(UnitCatalogue, UnitSystemsAndLongNames)
{
    EXPECT_EQ(Unit(MassFamily, "m-ton").UnitSystem, UnitSystemSI);
    EXPECT_EQ(Unit(MassFlowRateFamily, "m-ton/hr").UnitSystem, UnitSystemEnglish);
    EXPECT_EQ(Unit(PressureFamily, "atm").UnitSystem, UnitSystemGeneral);

    const std::map<std::pair<int, std::string>, std::string> longNames = {
        {{VelocityFamily, "feet/sec"}, "Feet per Second"},
        {{4, "gal-UK/day"}, "U.K. Gallons per Day"},
        {{PowerFamily, "kJ/hr"}, "Kilojoules per Hour"},
        {{PowerFamily, "Btu/s"}, "British Thermal Units per Second"},
        {{HeatRateFamily, "hp"}, "Horsepower"},
        {{MassFlowRateFamily, "lbm/hr"}, "Pounds Mass  per Hour"},
        {{MassFlowRateFamily, "m-ton/day"}, "Metric Tons  per Day"},
        {{MassFlowRateFamily, "lbm/sec"}, "Pounds Mass per Second"},
        {{MassFlowRateFamily, "kg/min"}, "Kilograms per Minute"},
        {{18, "sec2/ft5"}, "Seconds Squared per Feet to the Fifth"},
        {{18, "hr2/m5"}, "Hours Squared per Meters to the Fifth"},
        {{KinematicViscosityFamily, "centistokes"}, "Centistokes"},
        {{KinematicViscosityFamily, "cm2/min"}, "Square Centimeters per Minute"},
        {{PressureFamily, "MPa (g)"}, "Megapascals Gage"},
        {{PressureFamily, "mm Hg"}, "Millimeters of Mercury Absolute"},
        {{PressureDifferentialFamily, "mm H2O std."}, "Millimeters of Water Column"},
        {{PressureAbsoluteFamily, "MPa"}, "Megapascals"},
        {{ConductivityFamily, "kW/m-K"}, "Kilowatts per Meter per Degree Kelvin"},
        {{13, "psi/in"}, "Pounds Force per Square Inch per Inch of Pipe"},
        {{TemperatureDifferentialFamily, "deg. R"}, "Degrees Rankine"},
        {{InternalEnergyFamily, "kJ/kg"}, "Kilojoule per Kilogram"},
    };
    for (const auto& [key, longName] : longNames)
        EXPECT_EQ(Unit(key.first, key.second).LongName, longName) << key.second;

    for (int code = 0; code < NumUnitFamilies; ++code) {
        for (int i = 1; i <= Family(code).NumUnits(); ++i) {
            const CUnitType& unit = *Family(code).UnitType(i);
            if (unit.ListState != UnitNotOffered) {
                EXPECT_FALSE(unit.LongName.empty()) << unit.Name;
            }
        }
    }
}

TEST_F(UnitCatalogue, PressureGaugeTwinsAndCopiedFamilies)
{
    for (const char* absolute : {"dyn/cm2", "ft. H2O std.", "in. H2O std.", "in. Hg", "kg/cm2", "kPa",
                                 "mm H2O std.", "mm Hg", "MPa", "Pascals"}) {
        EXPECT_GE(FindUnitIndex(PressureFamily, std::string(absolute) + " (g)"), 1) << absolute;
    }
    for (const char* gauge : {"barG", "psfg", "psig"})
        EXPECT_GE(FindUnitIndex(PressureFamily, gauge), 1);

    const std::pair<int, int> copies[] = {{HeatRateFamily, PowerFamily},
                                          {TemperatureDifferentialFamily, TemperatureFamily},
                                          {EntropyFamily, SpecificHeatFamily},
                                          {InternalEnergyFamily, EnthalpyFamily}};
    for (const auto& [copy, original] : copies) {
        ASSERT_EQ(Family(copy).NumUnits(), Family(original).NumUnits());
        for (int i = 1; i <= Family(copy).NumUnits(); ++i) {
            EXPECT_EQ(Family(copy).UnitType(i)->Name, Family(original).UnitType(i)->Name);
            EXPECT_EQ(Family(copy).UnitType(i)->LongName, Family(original).UnitType(i)->LongName);
            EXPECT_EQ(Family(copy).UnitType(i)->UnitSystem, Family(original).UnitType(i)->UnitSystem);
        }
    }
}

TEST_F(UnitCatalogue, RebuildingRestoresEveryListStateAndKeepsPreferences)
{
    UnitPrefs.PreferredUnits[PressureFamily] = "kPa";
    for (int code = 0; code < NumUnitFamilies; ++code) {
        for (int i = 1; i <= Family(code).NumUnits(); ++i) {
            CUnitType& unit = *Family(code).UnitType(i);
            if (unit.ListState == UnitInUse)
                unit.ListState = UnitNotInUse;
        }
    }
    BuildUnitFamilies();
    EXPECT_EQ(Unit(PressureFamily, "psia").ListState, UnitInUse);
    EXPECT_EQ(Unit(DensityFamily, "S.G. air").ListState, UnitNotOffered);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "kPa");
    UnitPrefs.PreferredUnits[PressureFamily].clear();
}

} // namespace
} // namespace vq
