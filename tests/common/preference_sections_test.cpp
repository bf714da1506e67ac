#include "files/preference_sections.h"

#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/section_reader.h"
#include "files/unit_preference_defaults.h"
#include "preferences/output_mod.h"
#include "recording_user_interface.h"
#include "units/unit_catalogue.h"
#include "units/unit_family.h"
#include "units/unit_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace vq {
namespace {

class PreferenceSectionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override
    {
        ReleaseOutputParams();
        ReleaseUnitFamilies();
        ResetPreferenceRecords();
    }

    // The start-up state: catalogue, general unit defaults, default output list.
    static void ResetAll()
    {
        ResetPreferenceRecords();
        BuildUnitFamilies();
        SetDefaultUnitPrefs();
        InitOutputParams();
        SetDefaultOutputPrefs();
    }

    // Loads a section "[S]" made of the key lines, as a file reader would.
    static void LoadSection(const std::vector<std::string>& lines)
    {
        std::string text = "Title line\r\n[S]\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        text += " \r\n[Next]\r\nA= 1\r\n";
        TextFileReader file;
        file.SetText(text);
        int count = 0;
        ReadSection(file, "[S]", count, false);
    }
    static std::string ParseUnits(const std::vector<std::string>& lines)
    {
        LoadSection(lines);
        std::string error = "stale";
        ParseUnitPreferences(false, error);
        return error;
    }
    static void ParseOutput(const std::vector<std::string>& lines)
    {
        LoadSection(lines);
        std::string error = "stale";
        ParseOutputPreferences(false, error);
        EXPECT_EQ(error, "");
    }
    static std::vector<std::string> UnitLines()
    {
        std::vector<std::string> lines;
        WriteUnitPreferenceKeys(lines);
        return lines;
    }
    static std::vector<std::string> OutputLines()
    {
        std::vector<std::string> lines;
        WriteOutputPreferenceKeys(lines);
        return lines;
    }
    static std::vector<int> ShownIds()
    {
        return {OutputPrefs.ParamIds.begin(), OutputPrefs.ParamIds.begin() + OutputPrefs.NumParams};
    }
    static std::vector<std::pair<int, std::string>> ParamListing()
    {
        std::vector<std::pair<int, std::string>> out;
        for (int id = 1; id <= NumOutputParams; ++id)
            out.emplace_back(OutputParams(id).ListPosition, OutputParams(id).Units);
        return out;
    }

    test::RecordingUserInterface ui_;
    ScopedLocaleSeparators locale_{LocaleSeparators::English()};
};

TEST_F(PreferenceSectionsTest, UnitDefaultsPerUnitSystem)
{
    EXPECT_EQ(UnitPrefs.UnitSystem, 0);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "psia");
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "deg. F");
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 1.0);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "atm");
    EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, 14.69598);

    UnitPrefs.UnitSystem = UnitSystemSI;
    UnitPrefs.AtmosphericPressure = 3;
    SetDefaultUnitPrefs();
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI) << "the unit system is not changed";
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "MPa");
    EXPECT_EQ(UnitPrefs.PreferredUnits[EnthalpyFamily], "kJ/kg");
    EXPECT_EQ(UnitPrefs.PreferredUnits[DensityFamily], "kg/m3");
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 1.0);
    for (int f = 0; f < NumUnitFamilies; ++f)
        EXPECT_EQ(UnitPrefs.PreferredUnits[static_cast<std::size_t>(f)], GetDefaultUnits(f, UnitSystemSI)) << f;
    UnitPrefs.UnitSystem = UnitSystemEnglish;
    SetDefaultUnitPrefs();
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "psia");
}

TEST_F(PreferenceSectionsTest, WrittenLines)
{
    const std::vector<std::string> units = UnitLines();
    ASSERT_EQ(units.size(), 39U);
    EXPECT_EQ(units[0], "Unit System=  0 ");
    EXPECT_EQ(units[1].rfind("Preferred Units= feet,", 0), 0U) << units[1];
    EXPECT_EQ(std::count(units[1].begin(), units[1].end(), ','), 35);
    EXPECT_EQ(units[1].back(), ' ');
    EXPECT_EQ(units[2].rfind(GetFamilyName(0) + "=", 0), 0U);
    EXPECT_EQ(units[38], "Atmospheric Pressure= 1,atm");

    UnitPrefs.UnitSystem = -1;
    UnitPrefs.AtmosphericPressure = 14.7;
    UnitPrefs.AtmosphericPressureUnits = "psia";
    EXPECT_EQ(UnitLines()[0], "Unit System= -1 ");
    {
        ScopedLocaleSeparators german(LocaleSeparators::German());
        EXPECT_EQ(UnitLines()[38], "Atmospheric Pressure= 14.7,psia") << "files always use a point";
    }

    EXPECT_EQ(OutputLines(), (std::vector<std::string>{
                                 "Property Order= 11,1,2,4,3,14,13,12,8,23",
                                 "Property Units= None,psia,deg. F,lbm/ft3,Btu/lbm,Btu/lbm-R,lbm/hr-ft,"
                                 "Btu/hr-ft-R,Percent,psia",
                                 "Digits=  6 ",
                                 "Use Exponential=  0 ",
                                 "Column Alignment=  0 ",
                                 "Magnitude Limit=  6 ",
                                 "Use Short Names=  0 ,0",
                                 "Wrap Headers=  0 ,1",
                                 "Row Col Order=  0 ,1",
                             }));
    OutputPrefs.NumParams = 0;
    EXPECT_EQ(OutputLines()[0], "Property Order= ");
    EXPECT_EQ(OutputLines()[1], "Property Units= ");
}

TEST_F(PreferenceSectionsTest, RoundTripGivesIdenticalRecords)
{
    for (const LocaleSeparators& locale : {LocaleSeparators::English(), LocaleSeparators::German()}) {
        SCOPED_TRACE(locale.decimal);
        ScopedLocaleSeparators scope(locale);
        ResetAll();
        // A changed set-up: SI, a unit taken out of use, another preferred unit,
        // an atmospheric pressure without an exact float, a reordered output list.
        UnitPrefs.UnitSystem = UnitSystemSI;
        SetDefaultUnitPrefs();
        const int psig = FindUnitIndex(PressureFamily, "psig");
        ASSERT_GT(psig, 0);
        SelectUnit(PressureFamily, psig);
        UnitPrefs.PreferredUnits[PressureFamily] = "bar";
        UnitPrefs.AtmosphericPressure = 0.9871;
        UnitPrefs.AtmosphericPressureUnits = "bar";
        UnitPrefs.AtmosphericPressurePsia = 0.9871 * 14.50377;
        OutputParams(PropEntropy).ListPosition = 2;
        OutputParams(PropEntropy).Units = "kJ/kg-K";
        OutputParams(PropPressure).Units = "bar";
        OutputParams(PropPhase).ListPosition = 0;
        SortParamsByPosition(OutputParams, NumOutputParams, OutputPrefs.ParamIds, OutputPrefs.NumParams);
        OutputPrefs.Digits = 4;
        OutputPrefs.UseExponential = 1;
        OutputPrefs.ColumnAlignment = 3;
        OutputPrefs.MagnitudeLimit = 9;
        OutputPrefs.UseShortNames = {1, 0};
        OutputPrefs.WrapHeaders = {1, 0};
        OutputPrefs.RowColOrder = {1, 1};

        const UnitPreferences unitPrefs = UnitPrefs;
        const OutputPreferences outputPrefs = OutputPrefs;
        const auto listing = ParamListing();
        std::vector<std::string> familyLines;
        WriteUnitPreferences(familyLines);
        const std::vector<std::string> unitLines = UnitLines();
        const std::vector<std::string> outputLines = OutputLines();

        ResetAll();
        ASSERT_NE(UnitPrefs, unitPrefs);
        EXPECT_EQ(ParseUnits(unitLines), "");
        ParseOutput(outputLines);

        EXPECT_EQ(UnitPrefs.UnitSystem, unitPrefs.UnitSystem);
        EXPECT_EQ(UnitPrefs.PreferredUnits, unitPrefs.PreferredUnits);
        EXPECT_EQ(UnitPrefs.AtmosphericPressure, 0.9871) << "kept as a double";
        EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "bar");
        EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, unitPrefs.AtmosphericPressurePsia);
        EXPECT_EQ(OutputPrefs, outputPrefs);
        EXPECT_EQ(ParamListing(), listing);
        std::vector<std::string> familyLinesRead;
        WriteUnitPreferences(familyLinesRead);
        EXPECT_EQ(familyLinesRead, familyLines);
        EXPECT_EQ(UnitLines(), unitLines);
    }
}

TEST_F(PreferenceSectionsTest, MissingKeys)
{
    UnitPrefs.UnitSystem = UnitSystemEnglish;
    UnitPrefs.AtmosphericPressure = 1.0;
    UnitPrefs.AtmosphericPressureUnits = "bar";
    UnitPrefs.AtmosphericPressurePsia = 99;
    const UnitPreferences before = UnitPrefs;
    EXPECT_EQ(ParseUnits({}), "");
    EXPECT_EQ(UnitPrefs.PreferredUnits, before.PreferredUnits);
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemEnglish);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "bar");
    EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, 14.50377) << "follows the kept value and units";
    UnitPrefs.AtmosphericPressureUnits = "";
    EXPECT_EQ(ParseUnits({}), "");
    EXPECT_EQ(UnitPrefs.AtmosphericPressurePsia, 14.7);

    OutputPrefs.Digits = 5;
    ParseOutput({});
    EXPECT_EQ(OutputPrefs.NumParams, 0);
    EXPECT_EQ(OutputPrefs.Digits, 5);
    EXPECT_EQ(OutputPrefs.WrapHeaders, (std::array<int, 2>{0, 1}));
    for (int id = 1; id <= NumOutputParams; ++id)
        EXPECT_EQ(OutputParams(id).ListPosition, (id == 9 || id == 10) ? -1 : 0) << id;
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(PreferenceSectionsTest, GarbledUnitSection)
{
    for (const LocaleSeparators& locale : {LocaleSeparators::English(), LocaleSeparators::German()}) {
        SCOPED_TRACE(locale.decimal);
        ScopedLocaleSeparators scope(locale);
        ResetAll();
        std::vector<std::string> lines = UnitLines();
        lines[1] = "Preferred Units= feet,a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z,1,2,3,4,5,6,7,8";
        EXPECT_EQ(ParseUnits(lines), "Not enough data for Preferred Units");

        ResetAll();
        lines = UnitLines();
        lines[0] = "Unit System= x";
        lines[1] = "Preferred Units= " + std::string(35, ',');
        lines.back() = "Atmospheric Pressure= 14.7,psia";
        EXPECT_EQ(ParseUnits(lines), "Not enough data for Preferred Units") << "empty items count as missing";

        for (const char* garbled :
             {"abc", "14.7", "14.7,", "abc,psia", "1,parsecs", "1,psig", "-3,psia", "1e999,psia", "nan,psia",
              "1.7976931348623157e308,atm", "1e304,psia", "1e300,atm", "151,psia", "0,atm"}) {
            ResetAll();
            lines = UnitLines();
            lines.back() = std::string("Atmospheric Pressure= ") + garbled;
            EXPECT_EQ(ParseUnits(lines), "Can't determine value and units for Atmospheric Pressure") << garbled;
        }

        // Older files may hold the locale's decimal comma.
        ResetAll();
        lines = UnitLines();
        lines.back() = "Atmospheric Pressure= 0,98,bar";
        EXPECT_EQ(ParseUnits(lines), "");
        EXPECT_EQ(UnitPrefs.AtmosphericPressure, 0.98);
        EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, 0.98 * 14.50377);
    }
    EXPECT_TRUE(ui_.messages.empty());
}

// Random and hostile sections: whatever they hold, the parsers end, keep the
// records within their ranges and keep the shown list consistent.
TEST_F(PreferenceSectionsTest, HostileSections)
{
    const std::vector<std::string> keys = {"Unit System",     "Preferred Units",  "Atmospheric Pressure",
                                           "Pressure Units",  "Property Order",   "Property Units",
                                           "Digits",          "Use Exponential",  "Column Alignment",
                                           "Magnitude Limit", "Use Short Names",  "Wrap Headers",
                                           "Row Col Order"};
    static const char letters[] = "0123456789,,,,.-+*eE &Hpsia\t\r\x01\xff";
    const std::string alphabet = std::string(letters, sizeof letters); // the NUL included
    std::mt19937 rng(20261208);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines;
        for (const std::string& key : keys) {
            std::string value;
            const int n = static_cast<int>(rng() % 80);
            for (int i = 0; i < n; ++i)
                value += alphabet[rng() % alphabet.size()];
            lines.push_back(key + "=" + value);
        }
        std::string error;
        LoadSection(lines);
        ParseUnitPreferences(false, error);
        EXPECT_GE(UnitPrefs.UnitSystem, 0);
        EXPECT_LE(UnitPrefs.UnitSystem, 2);
        EXPECT_TRUE(std::isfinite(UnitPrefs.AtmosphericPressurePsia));
        ParseOutputPreferences(false, error);
        ASSERT_GE(OutputPrefs.NumParams, 0);
        ASSERT_LE(OutputPrefs.NumParams, NumOutputParams);
        for (int k = 0; k < OutputPrefs.NumParams; ++k)
            EXPECT_EQ(OutputParams(OutputPrefs.ParamIds[static_cast<std::size_t>(k)]).ListPosition, k + 1);
        EXPECT_GE(OutputPrefs.Digits, 1);
        EXPECT_LE(OutputPrefs.Digits, 8);
    }
}

// The section to read: the current state with kPa taken out of use, and these
// preferred units.
std::vector<std::string> SectionWithPreferred(int system, const std::string& pressure,
                                              const std::string& temperature)
{
    const int kpa = FindUnitIndex(PressureFamily, "kPa");
    SelectUnit(PressureFamily, kpa);
    const UnitPreferences saved = UnitPrefs;
    UnitPrefs.UnitSystem = system;
    UnitPrefs.PreferredUnits[PressureFamily] = pressure;
    UnitPrefs.PreferredUnits[TemperatureFamily] = temperature;
    std::vector<std::string> lines;
    WriteUnitPreferenceKeys(lines);
    UnitPrefs = saved;
    DeselectUnit(PressureFamily, kpa);
    return lines;
}

TEST_F(PreferenceSectionsTest, PreferredUnitsMustBeInUse)
{
    // A unit that the section takes out of use and a misspelt unit fall back to the
    // defaults of the section's unit system.
    std::vector<std::string> lines = SectionWithPreferred(UnitSystemSI, "kPa", "deg. Q");
    EXPECT_EQ(ParseUnits(lines), "");
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "MPa");
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "deg. C");
    EXPECT_EQ(GetUnitListState(PressureFamily, FindUnitIndex(PressureFamily, "kPa")), UnitNotInUse);

    // A unit that an earlier read took out of use and this section puts back in
    // use stays preferred.
    ResetAll();
    lines = SectionWithPreferred(UnitSystemEnglish, "psig", "deg. R");
    const int psig = FindUnitIndex(PressureFamily, "psig");
    SelectUnit(PressureFamily, psig);
    EXPECT_EQ(ParseUnits(lines), "");
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "psig");
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "deg. R");
    EXPECT_EQ(GetUnitListState(PressureFamily, psig), UnitInUse);

    lines[0] = "Unit System= 7";
    EXPECT_EQ(ParseUnits(lines), "");
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemGeneral) << "an unknown unit system reads as general";
}

TEST_F(PreferenceSectionsTest, OutputOrderAndUnits)
{
    // Parameter 3 first in the one unit given, parameter 1 second in its old unit.
    OutputParams(PropPressure).Units = "bar";
    ParseOutput({"property order = 3, 1", "Property Units= kJ/kg"});
    EXPECT_EQ(ShownIds(), (std::vector<int>{3, 1}));
    EXPECT_EQ(OutputParams(PropEnthalpy).Units, "kJ/kg");
    EXPECT_EQ(OutputParams(PropPressure).Units, "bar");
    EXPECT_EQ(OutputParams(PropTemperature).Units, "None") << "unlisted parameters lose their unit";

    // Places count every item: unknown ids are skipped, repeated ids take the later
    // place, 9 and 10 are never listed, a list longer than 25 is read whole.
    ParseOutput({"Property Order= 1,30,2,9,0,-4,1,abc,5", "Property Units= psia,x,deg. C,y,z,w,MPa"});
    EXPECT_EQ(ShownIds(), (std::vector<int>{2, 1, 5})) << "abc reads as 0 and is skipped";
    EXPECT_EQ(OutputParams(PropPressure).Units, "MPa");
    EXPECT_EQ(OutputParams(PropSaturatedLiquid).ListPosition, -1);

    std::string longList = "Property Order= ";
    for (int i = 0; i < 40; ++i)
        longList += std::to_string(25 - i % 25) + ",";
    longList += "4";
    ParseOutput({longList});
    EXPECT_EQ(OutputPrefs.NumParams, 23);
    EXPECT_EQ(OutputPrefs.ParamIds[0], 8) << "repeats keep the later place";
    EXPECT_EQ(OutputPrefs.ParamIds[6], 1);
    EXPECT_EQ(OutputPrefs.ParamIds[7], 25);
    EXPECT_EQ(OutputPrefs.ParamIds[22], 4);

    // A display unit that its family does not know keeps the parameter's unit.
    ParseOutput({"Property Order= 1,2,11", "Property Units= parsecs,,None"});
    EXPECT_EQ(OutputParams(PropPressure).Units, "MPa");
    EXPECT_EQ(OutputParams(PropTemperature).Units, "deg. C") << "an empty item ends the list";
    EXPECT_EQ(OutputParams(PropPhase).Units, "None");
}

TEST_F(PreferenceSectionsTest, OutputNumbersOutOfRangeAreSkipped)
{
    ParseOutput({"Digits= 0", "Use Exponential= 2", "Column Alignment= x", "Magnitude Limit= 40000",
                 "Use Short Names= 1", "Wrap Headers= 1,7", "Row Col Order= 1 , 0 , 1"});
    EXPECT_EQ(OutputPrefs.Digits, 6);
    EXPECT_EQ(OutputPrefs.UseExponential, 0);
    EXPECT_EQ(OutputPrefs.ColumnAlignment, 0);
    EXPECT_EQ(OutputPrefs.MagnitudeLimit, 6);
    EXPECT_EQ(OutputPrefs.UseShortNames, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(OutputPrefs.WrapHeaders, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(OutputPrefs.RowColOrder, (std::array<int, 2>{1, 0}));

    ParseOutput({"Digits=  8 ", "Use Exponential= 1", "Column Alignment= 3", "Magnitude Limit= 4",
                 "Use Short Names=  1 ,1"});
    EXPECT_EQ(OutputPrefs.Digits, 8);
    EXPECT_EQ(OutputPrefs.UseExponential, 1);
    EXPECT_EQ(OutputPrefs.ColumnAlignment, 3);
    EXPECT_EQ(OutputPrefs.MagnitudeLimit, 4);
    EXPECT_EQ(OutputPrefs.UseShortNames, (std::array<int, 2>{1, 1}));
}

TEST_F(PreferenceSectionsTest, AtmosphericPressureForms)
{
    double v = 0;
    std::string u;
    ASSERT_TRUE(ParseAtmosphericPressure("14.7,psia", v, u));
    EXPECT_EQ(v, 14.7);
    EXPECT_EQ(u, "psia");
    ASSERT_TRUE(ParseAtmosphericPressure("14,7,psia", v, u)) << "a file written with a decimal comma";
    EXPECT_EQ(v, 14.7);
    ASSERT_TRUE(ParseAtmosphericPressure(" 1 , mm Hg ", v, u));
    EXPECT_EQ(v, 1.0);
    EXPECT_EQ(u, "mm Hg");
    EXPECT_FALSE(ParseAtmosphericPressure("14.7", v, u));
    EXPECT_FALSE(ParseAtmosphericPressure(",psia", v, u));
    EXPECT_FALSE(ParseAtmosphericPressure("", v, u));
}

} // namespace
} // namespace vq
