#include "preferences/output_mod.h"

#include "common/list_routines.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/text_routines.h"

#include <algorithm>

namespace vq {

namespace {

const std::string CrLf = "\r\n";

COutputParam BlankParam()
{
    COutputParam p;
    p.UnitFamily = -1;
    p.ListPosition = -1;
    p.Units = NoUnitsMarker;
    return p;
}

struct ParamRow {
    const char* name;
    const char* header;
    const char* symbol;
    bool hasUnits;
    int family;
    int defaultPosition;
    const char* description;
};

// Description 20 names the program; it is completed in InitOutputParams.
constexpr ParamRow ParamRows[NumOutputParams] = {
    {"Pressure", "Pressure", "P", true, 6, 2, "Pressure"},
    {"Temperature", "Temperature", "T", true, 7, 3, "Temperature"},
    {"Enthalpy", "Enthalpy", "h", true, 21, 5, "Enthalpy"},
    {"Density", "Density", "Rho", true, 8, 4, "Density (inverse of Specific Volume)."},
    {"Specific Volume", "Specific Volume", "v", true, 32, 0, "Specific Volume (inverse of Density)."},
    {"Entropy", "Entropy", "s", true, 16, 0, "Entropy"},
    {"Internal Energy", "Int. Energy", "u", true, 21, 0, "Internal Energy"},
    {"Quality", "Quality", "X", true, 22, 9, "Two-phase property that defines the percentage of vapor."},
    {"Saturated Liquid", "Sat. Liquid", "", false, -1, 0, "Saturated liquid"},
    {"Saturated Vapor", "Sat. Vapor", "", false, -1, 0, "Saturated vapor"},
    {"Phase", "Phase", "Phase", false, -1, 1, "Phase of the fluid."},
    {"Thermal Conductivity", "Thermal Cond.", "k", true, 15, 8,
     "Thermal Conductivity. Not precisely defined for two-phase states."},
    {"Viscosity", "Viscosity", "Mu", true, 19, 7, "Dynamic Viscosity. Not precisely defined for two-phase states."},
    {"Specific Heat, cp", "Specific Heat, cp", "Cp", true, 16, 6,
     "Specific Heat at constant pressure - also called Heat Capacity. Not precisely defined for two-phase states."},
    {"Specific Heat, cv", "Specific Heat, cv", "Cv", true, 16, 0,
     "Specific Heat at constant volume - also called Heat Capacity. Not precisely defined for two-phase states."},
    {"Sonic Velocity", "Sonic Vel.", "Vsonic", true, 3, 0,
     "The speed of sound in the fluid. Not meaningful for two-phase states."},
    {"Isentropic Expansion Coef., Gamma", "Gamma", "Gamma", false, -1, 0,
     "Exponent that governs the change in pressure with density during isentropic process. For a perfect gas it "
     "equals Cp/Cv. Only meaningful for gases.  Equals -(v/P)(dP/dv) at constant entropy."},
    {"Prandtl Number", "Prandtl #", "Pr", false, -1, 0,
     "Dimensionless parameter equal to the product of dynamic viscosity and specific heat at constant pressure "
     "divided by thermal conductivity (mu*cp/k). Not meaningful for two-phase states."},
    {"Compressibility Factor", "Comp. Factor", "Z", false, -1, 0,
     "Compressibility Factor is a correction factor for gas departure from ideal gas law. Only meaningful for "
     "gases."},
    {"Kinematic Viscosity", "Kin. Viscosity", "Nu", true, 35, 0, ""},
    {"Bulk Modulus of Elasticity", "Bulk Modulus", "Kb", true, 6, 0, ""},
    {"Saturation Temperature", "Sat. Temp.", "TSat", true, 7, 0,
     "Temperature which results in fluid reaching the liquid or vapor saturation line at specified pressure."},
    {"Saturation Pressure", "Sat. Pressure", "PSat", true, 6, 10,
     "Also known as Vapor Pressure - pressure which results in fluid reaching the liquid or vapor saturation line "
     "at specified temperature."},
    {"Temperature Subcool", "T Subcool", "SubCool", true, 26, 0, "Degrees of subcool (Tsat - T)"},
    {"Temperature Superheat", "T Superheat", "SupHeat", true, 26, 0, "Degrees of superheat (T - Tsat)"},
};

std::string KinematicViscosityDescription()
{
    return "Kinematic viscosity. Equal to the dynamic viscosity (referred to as 'viscosity' in " + ProgramTitle +
           ") divided by the density.";
}

} // namespace

OutputParamTable OutputParams;

bool COutputParam::ShowsUnits() const
{
    return HasUnits && !Units.empty() && Units != NoUnitsMarker;
}

std::string COutputParam::HeaderText() const
{
    return ShowsUnits() ? HeaderName + CrLf + "(" + Units + ")" : HeaderName;
}

std::string COutputParam::HeaderText1Line() const
{
    return ShowsUnits() ? HeaderName + "  (" + Units + ")" : HeaderName;
}

std::string COutputParam::HeaderText2LineFeeds() const
{
    return ShowsUnits() ? CrLf + HeaderName + CrLf + "(" + Units + ")" : CrLf + HeaderName;
}

std::string COutputParam::HeaderText3Lines() const
{
    std::string first;
    std::string second;
    SplitHeaderText(HeaderName, first, second);
    if (second.empty()) {
        second = first;
        first.clear();
    }
    std::string text = first + CrLf + second;
    if (ShowsUnits())
        text += CrLf + "(" + Units + ")";
    return text;
}

COutputParam& OutputParamTable::operator()(int id)
{
    if (IsOutputParamId(id))
        return params_[static_cast<std::size_t>(id)];
    scratch_ = BlankParam();
    return scratch_;
}

const COutputParam& OutputParamTable::operator()(int id) const
{
    static const COutputParam blank = BlankParam();
    if (IsOutputParamId(id))
        return params_[static_cast<std::size_t>(id)];
    return blank;
}

void OutputParamTable::Clear()
{
    params_.fill(COutputParam{});
    scratch_ = BlankParam();
}

void InitOutputParams()
{
    OutputParams.Clear();
    for (int i = 1; i <= NumOutputParams; ++i) {
        const ParamRow& row = ParamRows[i - 1];
        COutputParam& p = OutputParams(i);
        p.Index = i;
        p.ListPosition = 0;
        p.DefaultPosition = row.defaultPosition;
        p.IsTextValue = i == PropPhase;
        p.Units = NoUnitsMarker;
        p.Name = row.name;
        p.SetHeaderText(row.header);
        p.Symbol = row.symbol;
        p.Description = row.description;
        p.HasUnits = row.hasUnits;
        p.UnitFamily = row.family;
        if (i == PropSaturatedLiquid || i == PropSaturatedVapor)
            p.ListPosition = -1;
    }
    OutputParams(PropKinematicViscosity).Description = KinematicViscosityDescription();
}

void ReleaseOutputParams()
{
    OutputParams.Clear();
}

void SetDefaultOutputPrefs()
{
    std::array<int, NumOutputParams + 1> order{};
    int numDefaults = 0;
    for (int id = 1; id <= NumOutputParams; ++id) {
        COutputParam& p = OutputParams(id);
        if (p.ListPosition < 0)
            continue;
        if (p.DefaultPosition >= 1 && p.DefaultPosition <= NumOutputParams) {
            order[static_cast<std::size_t>(p.DefaultPosition)] = id;
            numDefaults = std::max(numDefaults, p.DefaultPosition);
            p.ListPosition = p.DefaultPosition;
            if (p.HasUnits && p.UnitFamily >= 0 && p.UnitFamily < NumUnitFamilies)
                p.Units = UnitPrefs.PreferredUnits[static_cast<std::size_t>(p.UnitFamily)];
            else
                p.Units = NoUnitsMarker;
        } else {
            p.ListPosition = 0;
        }
    }

    OutputPreferences& prefs = OutputPrefs;
    prefs.NumParams = 0;
    for (int slot = 1; slot <= numDefaults; ++slot) {
        if (order[static_cast<std::size_t>(slot)] != 0)
            prefs.ParamIds[static_cast<std::size_t>(prefs.NumParams++)] = order[static_cast<std::size_t>(slot)];
    }
    prefs.Digits = 6;
    prefs.ColumnAlignment = 0;
    prefs.MagnitudeLimit = 6;
    prefs.UseExponential = 0;
    prefs.UseShortNames = {0, 0};
    prefs.WrapHeaders = {0, 1};
    prefs.RowColOrder = {0, 1};
}

void SortParamsByPosition(OutputParamTable& params, int count, std::span<int> order, int& n)
{
    count = std::min({count, static_cast<int>(order.size()), NumOutputParams});
    auto at = [&order](int k) -> int& { return order[static_cast<std::size_t>(k - 1)]; };

    n = 0;
    for (int i = 1; i <= count; ++i) {
        COutputParam& p = params(i);
        const int position = p.ListPosition;
        if (position == 0) {
            if (p.HasUnits)
                p.Units = NoUnitsMarker;
        } else if (position > 0) {
            int k = n;
            while (k >= 1 && params(at(k)).ListPosition >= position) {
                at(k + 1) = at(k);
                --k;
            }
            at(k + 1) = i;
            ++n;
        }
    }
    for (int k = 1; k <= n; ++k)
        params(at(k)).ListPosition = k;
    for (int k = n + 1; k <= count; ++k)
        at(k) = 0;
}

std::string GetOutputParamHeader(int id, int shortNames, int wrap, bool showUnits)
{
    const COutputParam& p = OutputParams(id);
    if (shortNames != 1)
        return std::string(TrimBlanks(wrap == 1 ? p.HeaderText() : p.HeaderText1Line()));
    std::string text = p.Symbol;
    text += showUnits && wrap == 1 ? CrLf : std::string(" ");
    if (showUnits && p.ShowsUnits())
        text += "(" + p.Units + ")";
    return std::string(TrimBlanks(text));
}

} // namespace vq

namespace vq {

UnitListContents FillParamUnitsCombo(int id, const std::string& units)
{
    const COutputParam& p = OutputParams(id);
    if (p.UnitFamily < 0 || p.UnitFamily >= NumUnitFamilies)
        return {};
    UnitListContents contents = FillUnitCombo(p.UnitFamily);
    if (units != NoUnitsMarker) {
        std::vector<std::string> texts;
        texts.reserve(contents.Items.size());
        for (const UnitListItem& item : contents.Items)
            texts.push_back(item.Text);
        const int found = FindComboItemByText(texts, units);
        if (found >= 0)
            contents.SelectedIndex = found;
    }
    return contents;
}

} // namespace vq
