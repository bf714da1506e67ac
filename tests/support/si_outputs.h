// Output parameters shown in the SI units in which the IF97 source computes, for tests
// of the calculation driver.
#pragma once

#include "common/preference_records.h"
#include "preferences/output_mod.h"
#include "solver/result_table.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace vq::test {

// Builds the parameter table with every display unit set to the internal SI unit.
inline void UseSiOutputUnits()
{
    ResetPreferenceRecords();
    UnitPrefs.AtmosphericPressurePsia = 14.696;
    InitOutputParams();
    static const std::pair<int, const char*> units[] = {
        {1, "MPa"},          {2, "deg. K"},     {3, "kJ/kg"},      {4, "kg/m3"},       {5, "m3/kg"},
        {6, "kJ/kg-K"},      {7, "kJ/kg"},      {8, "Decimal"},    {12, "W/m-K"},      {13, "Pa-sec"},
        {14, "kJ/kg-K"},     {15, "kJ/kg-K"},   {16, "meters/sec"}, {20, "centistokes"}, {21, "MPa"},
        {22, "deg. K"},      {23, "MPa"},       {24, "Deg. K"},    {25, "Deg. K"}};
    for (const auto& [id, u] : units)
        OutputParams(id).Units = u;
}

// Shows the parameters ids, in this order, one row per parameter, for points columns.
inline void ShowOutputs(std::initializer_list<int> ids, int points = 1, int rowColOrder = 0)
{
    OutputPrefs.NumParams = static_cast<int>(ids.size());
    std::copy(ids.begin(), ids.end(), OutputPrefs.ParamIds.begin());
    OutputPrefs.RowColOrder = {rowColOrder, rowColOrder};
    if (rowColOrder == 0)
        ResultTable.Resize(OutputPrefs.NumParams + 1, points + 1);
    else
        ResultTable.Resize(points + 1, OutputPrefs.NumParams + 1);
}

inline void ReleaseSiOutputs()
{
    ReleaseOutputParams();
    ResetPreferenceRecords();
    ResultTable.Resize(-1, -1);
}

} // namespace vq::test
