// The program-wide unit and output preference records.
#pragma once

#include <array>
#include <string>

namespace vq {

inline constexpr int NumUnitFamilies = 36;
inline constexpr int NumOutputParams = 25;

// Marker for "no unit", shown for parameters and families without units.
inline const std::string NoUnitsMarker = "None";

// Unit system codes.
enum UnitSystemCode : int { UnitSystemGeneral = 0, UnitSystemEnglish = 1, UnitSystemSI = 2 };

struct UnitPreferences {
    int UnitSystem = UnitSystemGeneral;
    std::array<std::string, NumUnitFamilies> PreferredUnits;
    double AtmosphericPressurePsia = 0.0;
    double AtmosphericPressure = 0.0;
    std::string AtmosphericPressureUnits;

    bool operator==(const UnitPreferences&) const = default;
};

struct OutputPreferences {
    int NumParams = 0;
    std::array<int, NumOutputParams> ParamIds{};
    int Digits = 6;
    int ColumnAlignment = 0;
    int MagnitudeLimit = 6;
    int UseExponential = 0;
    // Index 0: Single Point table; index 1: Two Points and Range tables.
    std::array<int, 2> UseShortNames{};
    std::array<int, 2> WrapHeaders{};
    std::array<int, 2> RowColOrder{};
    std::string ReportSubtitle; // working text of the print engine, never saved

    bool operator==(const OutputPreferences&) const = default;
};

extern UnitPreferences UnitPrefs;
extern OutputPreferences OutputPrefs;

// Back to value-initialised records (for tests; start-up sets the real defaults).
void ResetPreferenceRecords();

} // namespace vq
