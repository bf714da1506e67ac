#include "units/conversion_factors.h"

#include "common/program_identity.h"
#include "units/pressure_temperature.h"
#include "units/unit_catalogue.h"
#include "units/unit_family.h"

#include "catalogue_fixture.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace vq {
namespace {

// Exact SI definitions.
constexpr double Foot = 0.3048;                 // m
constexpr double PoundMass = 0.45359237;        // kg
constexpr double Btu = 1055.05585262;           // J (International Table)
constexpr double Psi = 6894.757293168361;       // Pa
constexpr double UsGallon = 3.785411784e-3;     // m3
constexpr double Slug = 14.593902937206364;     // kg
constexpr double PoundForce = 4.4482216152605;  // N
constexpr double Rankine = 5.0 / 9.0;           // K

class Conversions : public test::CatalogueTest {
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        UnitPrefs.AtmosphericPressurePsia = 14.69598;
    }

    static void ExpectRelative(double actual, double expected, double tolerance, const std::string& what)
    {
        EXPECT_NEAR(actual / expected, 1.0, tolerance) << what << ": " << actual << " vs " << expected;
    }

    test::RecordingUserInterface ui;
};

TEST_F(Conversions, FactorsAgreeWithExactSiDefinitions)
{
    struct Case {
        int family;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {LengthFamily, "meters", "feet", 1 / Foot},
        {LengthFamily, "miles", "km", 1.609344},
        {DiameterFamily, "inches", "cm", 2.54},
        {1, "meters2", "feet2", 1 / (Foot * Foot)},
        {2, "gal", "liter", UsGallon * 1000},
        {VelocityFamily, "miles/hr", "meters/sec", 0.44704},
        {4, "m3/hr", "gal/min", 1 / UsGallon / 60},
        {MassFlowRateFamily, "kg/hr", "lbm/hr", 1 / PoundMass},
        {MassFamily, "ton", "kg", 2000 * PoundMass},
        {DensityFamily, "kg/m3", "lbm/ft3", Foot * Foot * Foot / PoundMass},
        {DensityFamily, "slug/ft3", "kg/m3", Slug / (Foot * Foot * Foot)},
        {PowerFamily, "kW", "Btu/hr", 1000 * 3600 / Btu},
        {HeatRateFamily, "ft-lbf/s", "W", PoundForce * Foot},
        {ConductivityFamily, "W/m-K", "Btu/hr-ft-R", Foot * 3600 * Rankine / Btu},
        {ConductivityFamily, "kW/m-K", "Btu/s-ft-R", 1000 * Foot * Rankine / Btu},
        {SpecificHeatFamily, "kJ/kg-K", "Btu/lbm-R", 1 / 4.1868},
        {EnthalpyFamily, "kJ/kg", "Btu/lbm", 1 / 2.326},
        {ViscosityFamily, "lbf-s/ft2", "Pa-sec", PoundForce / (Foot * Foot)},
        {ViscosityFamily, "poise", "Pa-sec", 0.1},
        {14, "W/m2", "Btu/hr-ft2", Foot * Foot * 3600 / Btu},
        {17, "W/m2-K", "Btu/hr-ft2-R", Foot * Foot * 3600 * Rankine / Btu},
        {23, "hr-R/Btu", "K/W", Rankine * 3600 / Btu},
        {SpecificVolumeFamily, "ft3/lbm", "m3/kg", Foot * Foot * Foot / PoundMass},
        {KinematicViscosityFamily, "ft2/sec", "m2/sec", Foot * Foot},
        {13, "kPa/m", "psi/ft", 1000 * Foot / Psi},
        {24, "years", "days", 365},
        {TemperatureDifferentialFamily, "deg. K", "deg. F", 1.8},
    };
    for (const Case& c : cases)
        ExpectRelative(ConversionFactor(c.family, c.from, c.to), c.expected, 2e-6, std::string(c.from) + " to " + c.to);

    // The stored atmosphere (14.69598 psi) is 2.4 ppm above the standard one.
    ExpectRelative(ConvertPressure(1, "atm", "Pascals"), 101325, 3e-6, "atm");
    ExpectRelative(ConvertPressure(1, "bar", "psia"), 1e5 / Psi, 2e-6, "bar");
    ExpectRelative(ConvertPressure(1, "kg/cm2", "kPa"), 98.0665, 2e-6, "kg/cm2");
    ExpectRelative(ConvertPressure(760, "mm Hg", "kPa"), 101.325, 2e-6, "mm Hg");
    ExpectRelative(ConvertPressure(1, "MPa", "psfa"), 1e6 / Psi * 144, 2e-6, "psfa");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Conversions, CaloriePerGramKelvinIsExactlyOneBtuPerPoundRankine)
{
    for (int family : {SpecificHeatFamily, EntropyFamily}) {
        EXPECT_EQ(ConversionFactor(family, "cal/g-K", "Btu/lbm-R"), 1.0) << family;
        EXPECT_EQ(ConversionFactor(family, "kJ/kg-K", "cal/g-K"), ConversionFactor(family, "kJ/kg-K", "Btu/lbm-R"))
            << family;
    }
}

TEST_F(Conversions, KilowattAndKilojouleShareTheInternationalTableBtu)
{
    EXPECT_DOUBLE_EQ(PowerToBase("kW"), 0.94781712);
    EXPECT_DOUBLE_EQ(PowerToBase("W") * 1000, PowerToBase("kW"));
    EXPECT_DOUBLE_EQ(PowerToBase("MW") / 1000, PowerToBase("kW"));
    // A kilowatt is a kilojoule per second.
    EXPECT_NEAR(ConversionFactor(PowerFamily, "kW", "kJ/hr"), 3600, 1e-9);
    EXPECT_DOUBLE_EQ(HeatFluxToBase("kW/m2") * 1000, HeatFluxToBase("MW/m2") * 1.0);
    ExpectRelative(ConversionFactor(ConductivityFamily, "W/m-K", "Btu/hr-ft-R"), 0.5777893, 1e-7, "conductivity");
    ExpectRelative(ConversionFactor(23, "K/kW", "K/W"), 0.001, 1e-12, "thermal resistance");
}

TEST_F(Conversions, FactorEdgeCases)
{
    EXPECT_EQ(ConversionFactor(TemperatureDifferentialFamily, "Deg. K", "deg. F"), 1.8);
    EXPECT_DOUBLE_EQ(ConversionFactor(TemperatureDifferentialFamily, "deg. F", "deg. C"), 1 / 1.8);
    for (int family = -1; family <= 40; ++family)
        EXPECT_EQ(ConversionFactor(family, "kPa", "KPA"), 1.0) << family;
    EXPECT_EQ(ConversionFactor(LengthFamily, "meters", "feet"), 3.28084);
    EXPECT_EQ(ConversionFactor(DiameterFamily, "inches", "feet"), 0.08333333);
    EXPECT_NEAR(ConversionFactor(1, "meters2", "cm2"), 10000, 1e-9);
    EXPECT_DOUBLE_EQ(ConversionFactor(23, "s-R/Btu", "hr-R/Btu"), 1.0 / 3600);
    EXPECT_EQ(ConversionFactor(18, "sec2/ft5", "sec2/m5"), 1.0);
    EXPECT_EQ(ConversionFactor(30, "m/100 m", "ft/100 ft"), 1.0);
    EXPECT_EQ(ConversionFactor(30, "ft/100 ft", "m/m"), 0.01);
    EXPECT_EQ(ConversionFactor(PressureFamily, "psia", "kPa"), 1.0) << "pressure converts with its offset elsewhere";

    // Percent, specific volume, kinematic viscosity, entropy and internal energy convert too.
    EXPECT_DOUBLE_EQ(ConversionFactor(PercentFractionalFamily, "Percent", "Decimal"), 0.01);
    EXPECT_NEAR(ConversionFactor(KinematicViscosityFamily, "stokes", "centistokes"), 100, 1e-12);
    EXPECT_DOUBLE_EQ(ConversionFactor(SpecificVolumeFamily, "m3/kg", "ft3/lbm"), 1 / 0.06242796548856326);
    EXPECT_DOUBLE_EQ(ConversionFactor(EntropyFamily, "kJ/kg-K", "Btu/lbm-R"),
                     ConversionFactor(SpecificHeatFamily, "kJ/kg-K", "Btu/lbm-R"));
    EXPECT_DOUBLE_EQ(ConversionFactor(InternalEnergyFamily, "Btu/lbm", "kJ/kg"),
                     ConversionFactor(EnthalpyFamily, "Btu/lbm", "kJ/kg"));
    EXPECT_EQ(DecimalPercentToBase("Percent"), 0.01);
    EXPECT_EQ(KinematicViscosityToBase("stokes"), 100);

    EXPECT_EQ(LengthToBase(" FEET "), 1.0);
    EXPECT_EQ(DensityToBase("S.G."), 62.375);
    EXPECT_EQ(DensityToBase("S.G. water"), 62.375);
    EXPECT_EQ(DensityToBase("g/cm3"), DensityToBase("gram/cm3"));
    EXPECT_EQ(EnthalpyFromBase("kJ/kg"), 1 / (0.94781712 / 2.204623));
    EXPECT_EQ(MassToBase("g"), MassToBase("gram"));
    EXPECT_EQ(PressureAbsoluteFamily, 12);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Conversions, UnknownUnitsWarnOnceEachAndGiveFactorOne)
{
    EXPECT_EQ(LengthToBase("foot"), 1.0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(ui.messages[0].title, ProgramTitle);
    EXPECT_EQ(ui.messages[0].text, "An incorrect set of units was passed to the length conversion routine. "
                                   "Subsequent processing may be in error. Unknown units are:\r\n\r\n      foot");

    ui.Clear();
    EXPECT_EQ(ConversionFactor(PowerFamily, " from ", "to"), 1.0);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, UnknownUnitsMessage("energy", "to"));
    EXPECT_EQ(ui.messages[1].text, UnknownUnitsMessage("energy", "from"));

    ui.Clear();
    EXPECT_EQ(MassToBase("grams"), 1.0);
    EXPECT_EQ(ui.LastMessage(), UnknownUnitsMessage("mass", "grams"));
}

TEST_F(Conversions, ReferenceDensityUnitsCannotConvertWhileUnset)
{
    for (const char* gas : {"scfm", "Nm3/h", "MMscfd", "MMNm3/d", "sm3/s"}) {
        ui.Clear();
        EXPECT_EQ(MassFlowToBase(gas), 1.0) << gas;
        EXPECT_EQ(ui.LastMessage(), UnknownUnitsMessage("mass flow rate", gas));
    }
    ui.Clear();
    EXPECT_EQ(DensityFromBase("S.G. air"), 1.0);
    EXPECT_EQ(ConversionFactor(DensityFamily, "S.G. air", "lbm/ft3"), 1.0);
    EXPECT_EQ(ui.messages.size(), 2u);

    ui.Clear();
    StandardGasDensity = 0.0764;
    NormalGasDensity = 0.0807;
    AirReferenceDensity = 0.0765;
    EXPECT_DOUBLE_EQ(MassFlowToBase("scfm"), 0.0764 / 60);
    EXPECT_DOUBLE_EQ(MassFlowToBase("MMNcfd"), 0.0807 / 86400 * 1e6);
    EXPECT_NEAR(MassFlowToBase("Nm3/s"), 0.0807 / 0.06242796548856326 * 2.204623, 1e-12);
    EXPECT_DOUBLE_EQ(DensityFromBase("S.G. air"), 1 / 0.0765);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Conversions, MonetaryUnitsUseTheFactorOfAUserDefinedUnit)
{
    EXPECT_EQ(MonetaryToBase("u.s. dollars"), 1.0);
    CUnitFamily& money = *GetUnitFamily(MonetaryFamily);
    money.AddUnitType("Euro", UnitSystemGeneral, UnitInUse, "Euro", 1);
    money.UnitType(money.GetCustomIndex("Euro"))->Factor = 1.1;
    EXPECT_EQ(MonetaryToBase(" Euro "), 1.1);
    EXPECT_NEAR(ConversionFactor(MonetaryFamily, "Euro", "U.S. Dollars"), 1.1, 1e-15);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(MonetaryToBase("euro"), 1.0) << "user-defined units match case exactly";
    EXPECT_EQ(ui.LastMessage(), UnknownUnitsMessage("monetary", "euro"));
}

// Every offered unit of every family is known to its routine and survives a round trip.
TEST_F(Conversions, EveryCatalogueUnitIsKnownAndRoundTrips)
{
    using Routine = double (*)(std::string_view);
    const std::map<int, std::pair<Routine, Routine>> twins = {
        {VelocityFamily, {VelocityToBase, VelocityFromBase}},
        {DensityFamily, {DensityToBase, DensityFromBase}},
        {ConductivityFamily, {ThermalConductivityToBase, ThermalConductivityFromBase}},
        {SpecificHeatFamily, {SpecificHeatToBase, SpecificHeatFromBase}},
        {EntropyFamily, {SpecificHeatToBase, SpecificHeatFromBase}},
        {ViscosityFamily, {ViscosityToBase, ViscosityFromBase}},
        {EnthalpyFamily, {EnthalpyToBase, EnthalpyFromBase}},
        {InternalEnergyFamily, {EnthalpyToBase, EnthalpyFromBase}},
        {PercentFractionalFamily, {DecimalPercentToBase, DecimalPercentFromBase}},
        {TemperatureDifferentialFamily, {TemperatureDifferenceToBase, TemperatureDifferenceFromBase}},
        {SpecificVolumeFamily, {SpecificVolumeToBase, SpecificVolumeFromBase}},
        {KinematicViscosityFamily, {KinematicViscosityToBase, KinematicViscosityFromBase}},
    };
    const double x = 123.456;
    for (int code = 0; code < NumUnitFamilies; ++code) {
        const CUnitFamily& family = *GetUnitFamily(code);
        const std::string first = family.UnitType(1)->Name;
        for (int i = 1; i <= family.NumUnits(); ++i) {
            const CUnitType& unit = *family.UnitType(i);
            if (unit.ListState == UnitNotOffered)
                continue;
            const std::string what = family.Name + ": " + unit.Name;
            double back = 0;
            if (code == PressureFamily || code == PressureDifferentialFamily || code == PressureAbsoluteFamily)
                back = ConvertPressure(ConvertPressure(x, unit.Name, "psia"), "", unit.Name);
            else if (code == TemperatureFamily)
                back = ConvertTemperature(ConvertTemperature(x, unit.Name, "deg. R"), "", unit.Name);
            else if (auto twin = twins.find(code); twin != twins.end())
                back = twin->second.first(unit.Name) * (twin->second.second(unit.Name) * x);
            else
                back = ConversionFactor(code, first, unit.Name) * (ConversionFactor(code, unit.Name, first) * x);
            // Single precision for kinematic viscosity; gauge units lose digits to the
            // atmospheric offset, which is large against small units.
            double tolerance = 1e-14;
            if (code == KinematicViscosityFamily)
                tolerance = 2e-7;
            else if (!IsAbsolutePressureUnits(unit.Name) && code == PressureFamily)
                tolerance = 1e-11;
            EXPECT_NEAR(back / x, 1.0, tolerance) << what;
            EXPECT_TRUE(ui.messages.empty()) << what;
            ui.Clear();
        }
    }
}

TEST_F(Conversions, PressureThroughPsiaWithGaugeOffset)
{
    EXPECT_EQ(ConvertPressure(5.5, "", ""), 5.5);
    EXPECT_EQ(ConvertPressure(5.5, "psia", "psia"), 5.5);
    UnitPrefs.AtmosphericPressurePsia = std::nan("");
    EXPECT_EQ(ConvertPressure(5.5, " PSIA ", "psia"), 5.5) << "no atmospheric pressure is read";
    UnitPrefs.AtmosphericPressurePsia = 14.69598;

    EXPECT_EQ(ConvertPressure(0, "psig", "psia"), 14.69598);
    EXPECT_DOUBLE_EQ(ConvertPressure(1, "atm", "kPa"), 14.69598 / 0.1450377);
    EXPECT_DOUBLE_EQ(ConvertPressure(10, "psig", "kPa (g)"), 10 / 0.1450377);
    EXPECT_EQ(ConvertPressure(0, "psf", "psia"), 14.69598);
    EXPECT_EQ(ConvertPressure(0, "psi", "psia"), 0);
    EXPECT_DOUBLE_EQ(ConvertPressure(1, "psid", "kPa"), 1 / 0.1450377);
    EXPECT_EQ(ConvertPressure(2, "mpa", "psia"), ConvertPressure(2, "MPa", "psia"));
    EXPECT_EQ(ConvertPressure(2, "Mpa", "psia"), 290.0754);
    EXPECT_DOUBLE_EQ(ConvertPressure(-1, "atm", "psig"), -2 * 14.69598) << "negative results are returned";

    // A changed atmospheric pressure moves every gauge unit, and no absolute one.
    UnitPrefs.AtmosphericPressurePsia = 12.0;
    EXPECT_EQ(ConvertPressure(0, "barG", "psia"), 12.0);
    EXPECT_DOUBLE_EQ(ConvertPressure(100, "psia", "psig"), 88.0);
    EXPECT_DOUBLE_EQ(ConvertPressure(1, "MPa (g)", "MPa"), 1 + 12.0 / 145.0377);
    EXPECT_DOUBLE_EQ(ConvertPressure(1, "MPa", "kPa"), 1000 * 145.0377 / (0.1450377 * 1000) * 1);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ConvertPressure(7, "kPa(g)", "psia"), 7) << "no blank before (g): unknown";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, UnknownUnitsMessage("pressure", "kPa(g)"));
    ui.Clear();
    EXPECT_EQ(ConvertPressure(7, "kPa", " bogus "), 7);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, UnknownUnitsMessage("pressure", "bogus"));
    ui.Clear();
    EXPECT_EQ(ConvertPressure(7, "bogus", "also bogus"), 7);
    EXPECT_EQ(ui.messages.size(), 1u) << "the target is not examined after an unknown source";
}

TEST_F(Conversions, AbsolutePressureNames)
{
    for (const char* name : {"atm", "BAR", "dyn/cm2", "ft. H2O std.", "in. H2O std.", "in. Hg", "kg/cm2", "kPa",
                             "mm Hg", "mm H2O std.", "MPa", "Pascals", "psia", "psfa", "psid", "psfd", "psi", "None"})
        EXPECT_TRUE(IsAbsolutePressureUnits(name)) << name;
    for (const char* name : {" psia", "psig", "psf", "barG", "kPa (g)", "deg. F", ""})
        EXPECT_FALSE(IsAbsolutePressureUnits(name)) << name;
}

TEST_F(Conversions, TemperatureScalesThroughRankine)
{
    EXPECT_NEAR(ConvertTemperature(100, "deg. C", "deg. F"), 212, 1e-12);
    EXPECT_NEAR(ConvertTemperature(0, "deg. K", "deg. F"), -459.67, 1e-12);
    EXPECT_NEAR(ConvertTemperature(32, "DEG. F", " deg. C "), 0, 1e-12);
    EXPECT_NEAR(ConvertTemperature(647.096, "deg. K", "deg. C"), 373.946, 1e-12);
    EXPECT_DOUBLE_EQ(ConvertTemperature(900, "", "deg. K"), 500);
    EXPECT_EQ(ConvertTemperature(500, "deg. R", ""), 500);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ConvertTemperature(20, "Celsius", "deg. F"), 20);
    EXPECT_EQ(ui.LastMessage(), UnknownUnitsMessage("temperature", "Celsius"));
    ui.Clear();
    EXPECT_NEAR(ConvertTemperature(20, "deg. C", "Fahrenheit"), 293.15 * 1.8, 1e-12);
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace
} // namespace vq
