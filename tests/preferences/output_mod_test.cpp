#include "preferences/output_mod.h"

#include "common/preference_records.h"
#include "common/program_identity.h"
#include "units/unit_catalogue.h"
#include "units/unit_family.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vq {
namespace {

class OutputParamTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPreferenceRecords();
        for (int f = 0; f < NumUnitFamilies; ++f)
            UnitPrefs.PreferredUnits[static_cast<std::size_t>(f)] = "u" + std::to_string(f);
        UnitPrefs.PreferredUnits[6] = "psia";
        UnitPrefs.PreferredUnits[7] = "deg. F";
        InitOutputParams();
    }
    void TearDown() override
    {
        ReleaseOutputParams();
        ResetPreferenceRecords();
    }

    static std::vector<int> ShownIds()
    {
        return {OutputPrefs.ParamIds.begin(), OutputPrefs.ParamIds.begin() + OutputPrefs.NumParams};
    }
};

TEST_F(OutputParamTableTest, TableRowsMatchTheCatalogue)
{
    struct Row {
        const char* name;
        const char* header;
        const char* symbol;
        bool hasUnits;
        int family;
        int defaultPosition;
    };
    const Row rows[NumOutputParams] = {
        {"Pressure", "Pressure", "P", true, 6, 2},
        {"Temperature", "Temperature", "T", true, 7, 3},
        {"Enthalpy", "Enthalpy", "h", true, 21, 5},
        {"Density", "Density", "Rho", true, 8, 4},
        {"Specific Volume", "Specific Volume", "v", true, 32, 0},
        {"Entropy", "Entropy", "s", true, 16, 0},
        {"Internal Energy", "Int. Energy", "u", true, 21, 0},
        {"Quality", "Quality", "X", true, 22, 9},
        {"Saturated Liquid", "Sat. Liquid", "", false, -1, 0},
        {"Saturated Vapor", "Sat. Vapor", "", false, -1, 0},
        {"Phase", "Phase", "Phase", false, -1, 1},
        {"Thermal Conductivity", "Thermal Cond.", "k", true, 15, 8},
        {"Viscosity", "Viscosity", "Mu", true, 19, 7},
        {"Specific Heat, cp", "Specific Heat, cp", "Cp", true, 16, 6},
        {"Specific Heat, cv", "Specific Heat, cv", "Cv", true, 16, 0},
        {"Sonic Velocity", "Sonic Vel.", "Vsonic", true, 3, 0},
        {"Isentropic Expansion Coef., Gamma", "Gamma", "Gamma", false, -1, 0},
        {"Prandtl Number", "Prandtl #", "Pr", false, -1, 0},
        {"Compressibility Factor", "Comp. Factor", "Z", false, -1, 0},
        {"Kinematic Viscosity", "Kin. Viscosity", "Nu", true, 35, 0},
        {"Bulk Modulus of Elasticity", "Bulk Modulus", "Kb", true, 6, 0},
        {"Saturation Temperature", "Sat. Temp.", "TSat", true, 7, 0},
        {"Saturation Pressure", "Sat. Pressure", "PSat", true, 6, 10},
        {"Temperature Subcool", "T Subcool", "SubCool", true, 26, 0},
        {"Temperature Superheat", "T Superheat", "SupHeat", true, 26, 0},
    };
    for (int id = 1; id <= NumOutputParams; ++id) {
        SCOPED_TRACE(id);
        const Row& r = rows[id - 1];
        const COutputParam& p = OutputParams(id);
        EXPECT_EQ(p.Index, id);
        EXPECT_EQ(p.Name, r.name);
        EXPECT_EQ(p.HeaderNoUnits(), r.header);
        EXPECT_EQ(p.Symbol, r.symbol);
        EXPECT_EQ(p.HasUnits, r.hasUnits);
        EXPECT_EQ(p.UnitFamily, r.family);
        EXPECT_EQ(p.DefaultPosition, r.defaultPosition);
        EXPECT_EQ(p.IsTextValue, id == PropPhase);
        EXPECT_EQ(p.Units, "None");
        EXPECT_EQ(p.ListPosition, (id == 9 || id == 10) ? -1 : 0);
        EXPECT_EQ(&OutputParams[id], &p);
    }
}

TEST_F(OutputParamTableTest, DescriptionTexts)
{
    const std::array<std::string, NumOutputParams> texts = {
        "Pressure",
        "Temperature",
        "Enthalpy",
        "Density (inverse of Specific Volume).",
        "Specific Volume (inverse of Density).",
        "Entropy",
        "Internal Energy",
        "Two-phase property that defines the percentage of vapor.",
        "Saturated liquid",
        "Saturated vapor",
        "Phase of the fluid.",
        "Thermal Conductivity. Not precisely defined for two-phase states.",
        "Dynamic Viscosity. Not precisely defined for two-phase states.",
        "Specific Heat at constant pressure - also called Heat Capacity. Not precisely defined for two-phase states.",
        "Specific Heat at constant volume - also called Heat Capacity. Not precisely defined for two-phase states.",
        "The speed of sound in the fluid. Not meaningful for two-phase states.",
        "Exponent that governs the change in pressure with density during isentropic process. For a perfect gas it "
        "equals Cp/Cv. Only meaningful for gases.  Equals -(v/P)(dP/dv) at constant entropy.",
        "Dimensionless parameter equal to the product of dynamic viscosity and specific heat at constant pressure "
        "divided by thermal conductivity (mu*cp/k). Not meaningful for two-phase states.",
        "Compressibility Factor is a correction factor for gas departure from ideal gas law. Only meaningful for "
        "gases.",
        "Kinematic viscosity. Equal to the dynamic viscosity (referred to as 'viscosity' in " + ProgramTitle +
            ") divided by the density.",
        "",
        "Temperature which results in fluid reaching the liquid or vapor saturation line at specified pressure.",
        "Also known as Vapor Pressure - pressure which results in fluid reaching the liquid or vapor saturation line "
        "at specified temperature.",
        "Degrees of subcool (Tsat - T)",
        "Degrees of superheat (T - Tsat)",
    };
    for (int id = 1; id <= NumOutputParams; ++id)
        EXPECT_EQ(OutputParams(id).Description, texts[static_cast<std::size_t>(id - 1)]) << id;
    EXPECT_FALSE(ProgramTitle.empty());
}

TEST_F(OutputParamTableTest, DefaultPreferences)
{
    OutputPrefs.ParamIds.fill(99);
    OutputParams(PropEntropy).ListPosition = 4;
    OutputParams(PropEntropy).Units = "kJ/kg-K";
    SetDefaultOutputPrefs();

    EXPECT_EQ(ShownIds(), (std::vector<int>{11, 1, 2, 4, 3, 14, 13, 12, 8, 23}));
    for (int k = 10; k < NumOutputParams; ++k)
        EXPECT_EQ(OutputPrefs.ParamIds[static_cast<std::size_t>(k)], 99) << "entries after NumParams keep their value";
    for (int k = 0; k < OutputPrefs.NumParams; ++k)
        EXPECT_EQ(OutputParams(OutputPrefs.ParamIds[static_cast<std::size_t>(k)]).ListPosition, k + 1);

    EXPECT_EQ(OutputParams(PropPressure).Units, "psia");
    EXPECT_EQ(OutputParams(PropTemperature).Units, "deg. F");
    EXPECT_EQ(OutputParams(PropSaturationPressure).Units, "psia");
    EXPECT_EQ(OutputParams(PropQuality).Units, "u22");
    EXPECT_EQ(OutputParams(PropPhase).Units, "None");
    EXPECT_EQ(OutputParams(PropEntropy).ListPosition, 0) << "not in the default list";
    EXPECT_EQ(OutputParams(PropEntropy).Units, "kJ/kg-K") << "an unlisted parameter keeps its unit";
    EXPECT_EQ(OutputParams(PropSaturatedLiquid).ListPosition, -1);

    EXPECT_EQ(OutputPrefs.Digits, 6);
    EXPECT_EQ(OutputPrefs.ColumnAlignment, 0);
    EXPECT_EQ(OutputPrefs.MagnitudeLimit, 6);
    EXPECT_EQ(OutputPrefs.UseExponential, 0);
    EXPECT_EQ(OutputPrefs.UseShortNames, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(OutputPrefs.WrapHeaders, (std::array<int, 2>{0, 1}));
    EXPECT_EQ(OutputPrefs.RowColOrder, (std::array<int, 2>{0, 1}));
}

TEST_F(OutputParamTableTest, HeaderForms)
{
    SetDefaultOutputPrefs();
    const COutputParam& pressure = OutputParams(PropPressure);
    EXPECT_EQ(pressure.HeaderText(), "Pressure\r\n(psia)");
    EXPECT_EQ(pressure.HeaderText1Line(), "Pressure  (psia)");
    EXPECT_EQ(pressure.HeaderText2LineFeeds(), "\r\nPressure\r\n(psia)");
    EXPECT_EQ(pressure.HeaderText3Lines(), "\r\nPressure\r\n(psia)");
    EXPECT_EQ(OutputParams(PropSaturationPressure).HeaderText3Lines(), "Sat.\r\nPressure\r\n(psia)");
    EXPECT_EQ(OutputParams(PropSpecificVolume).HeaderText3Lines(), "Specific\r\nVolume");

    const COutputParam& phase = OutputParams(PropPhase);
    EXPECT_EQ(phase.HeaderText(), "Phase");
    EXPECT_EQ(phase.HeaderText1Line(), "Phase");
    EXPECT_EQ(phase.HeaderText2LineFeeds(), "\r\nPhase");
    EXPECT_EQ(phase.HeaderText3Lines(), "\r\nPhase");

    // A parameter with units but none set, or an empty unit, shows no "()".
    COutputParam& entropy = OutputParams(PropEntropy);
    EXPECT_EQ(entropy.HeaderText(), "Entropy");
    entropy.Units = "";
    EXPECT_EQ(entropy.HeaderText(), "Entropy");
    EXPECT_EQ(entropy.HeaderText1Line(), "Entropy");
    EXPECT_EQ(entropy.HeaderText2LineFeeds(), "\r\nEntropy");
    EXPECT_EQ(GetOutputParamHeader(PropEntropy, 1, 0, true), "s");
    entropy.Units = "none";
    EXPECT_EQ(entropy.HeaderText1Line(), "Entropy  (none)") << "the marker compares case-sensitively";
}

TEST_F(OutputParamTableTest, ResultTableHeaders)
{
    SetDefaultOutputPrefs();
    // Long names: wrap picks the form, showUnits plays no part.
    EXPECT_EQ(GetOutputParamHeader(PropPressure, 0, 1, false), "Pressure\r\n(psia)");
    EXPECT_EQ(GetOutputParamHeader(PropPressure, 0, 0, true), "Pressure  (psia)");
    EXPECT_EQ(GetOutputParamHeader(PropPhase, 0, 1, true), "Phase");
    // Short names.
    EXPECT_EQ(GetOutputParamHeader(PropPressure, 1, 1, true), "P\r\n(psia)");
    EXPECT_EQ(GetOutputParamHeader(PropPressure, 1, 0, true), "P (psia)");
    EXPECT_EQ(GetOutputParamHeader(PropPressure, 1, 1, false), "P");
    EXPECT_EQ(GetOutputParamHeader(PropPhase, 1, 1, true), "Phase\r\n");
    EXPECT_EQ(GetOutputParamHeader(PropPhase, 1, 0, true), "Phase");
    EXPECT_EQ(GetOutputParamHeader(PropSaturatedLiquid, 1, 0, true), "");
    // A bad code gives an empty header and touches no parameter.
    EXPECT_EQ(GetOutputParamHeader(0, 0, 1, true), "");
    OutputParams(26).Units = "psia";
    EXPECT_EQ(OutputParams(26).Units, "None");
}

TEST_F(OutputParamTableTest, SortByPosition)
{
    const std::array<int, 5> positions = {3, 0, 1, -1, 2};
    for (int id = 1; id <= 5; ++id) {
        OutputParams(id).ListPosition = positions[static_cast<std::size_t>(id - 1)];
        OutputParams(id).Units = "unit" + std::to_string(id);
    }
    std::array<int, NumOutputParams> order;
    order.fill(7);
    int n = -5;
    SortParamsByPosition(OutputParams, 5, order, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ((std::vector<int>{order[0], order[1], order[2], order[3], order[4]}), (std::vector<int>{3, 5, 1, 0, 0}));
    EXPECT_EQ(order[5], 7) << "entries beyond count untouched";
    EXPECT_EQ(OutputParams(3).ListPosition, 1);
    EXPECT_EQ(OutputParams(5).ListPosition, 2);
    EXPECT_EQ(OutputParams(1).ListPosition, 3);
    EXPECT_EQ(OutputParams(2).ListPosition, 0);
    EXPECT_EQ(OutputParams(2).Units, "None");
    EXPECT_EQ(OutputParams(4).ListPosition, -1);
    EXPECT_EQ(OutputParams(4).Units, "unit4");
    EXPECT_EQ(OutputParams(1).Units, "unit1");
}

TEST_F(OutputParamTableTest, SortTiesGaps)
{
    // Equal places: the higher id comes first; gaps close up. A unitless unlisted
    // parameter keeps its (marker) unit; parameters 9 and 10 stay unlistable.
    OutputParams(PropTemperature).ListPosition = 5;
    OutputParams(PropEnthalpy).ListPosition = 5;
    OutputParams(PropGamma).ListPosition = 12;
    OutputParams(PropPhase).ListPosition = 0;
    OutputParams(PropPhase).Units = "None";
    int n = 0;
    SortParamsByPosition(OutputParams, NumOutputParams, OutputPrefs.ParamIds, n);
    OutputPrefs.NumParams = n;
    EXPECT_EQ(ShownIds(), (std::vector<int>{3, 2, 17}));
    EXPECT_EQ(OutputParams(PropGamma).ListPosition, 3);
    EXPECT_EQ(OutputParams(PropSaturatedVapor).ListPosition, -1);
    EXPECT_EQ(OutputPrefs.ParamIds[3], 0);
    EXPECT_EQ(OutputPrefs.ParamIds[24], 0);

    // A count larger than the order list is capped instead of writing past it.
    std::array<int, 3> small{};
    SortParamsByPosition(OutputParams, 25, small, n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(small, (std::array<int, 3>{3, 2, 0}));
}

TEST_F(OutputParamTableTest, ParameterUnitLists)
{
    BuildUnitFamilies();
    EXPECT_TRUE(FillParamUnitsCombo(PropPhase, "None").Items.empty());
    EXPECT_EQ(FillParamUnitsCombo(PropPhase, "None").SelectedIndex, -1);
    EXPECT_TRUE(FillParamUnitsCombo(0, "psia").Items.empty());

    auto selected = [](const UnitListContents& c) {
        return c.SelectedIndex < 0 ? std::string() : c.Items[static_cast<std::size_t>(c.SelectedIndex)].Text;
    };
    const UnitListContents pressure = FillParamUnitsCombo(PropPressure, "None");
    EXPECT_FALSE(pressure.Items.empty());
    EXPECT_EQ(selected(pressure), "psia") << "the preferred unit stays selected";
    EXPECT_EQ(selected(FillParamUnitsCombo(PropPressure, " MPa ")), "MPa");
    EXPECT_EQ(selected(FillParamUnitsCombo(PropPressure, "parsecs")), "psia");
    EXPECT_EQ(selected(FillParamUnitsCombo(PropSaturationTemperature, "deg. C")), "deg. C");
    EXPECT_EQ(selected(FillParamUnitsCombo(PropSubcool, "None")), "deg. F") << "unknown preferred unit";
    ReleaseUnitFamilies();
}

} // namespace
} // namespace vq
