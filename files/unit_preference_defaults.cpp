#include "files/unit_preference_defaults.h"

#include "common/preference_records.h"
#include "units/pressure_temperature.h"
#include "units/unit_catalogue.h"
#include "units/unit_lists.h"

namespace vq {

void SetDefaultUnitPrefs()
{
    for (int f = 0; f < NumUnitFamilies; ++f)
        UnitPrefs.PreferredUnits[static_cast<std::size_t>(f)] = GetDefaultUnits(f, UnitPrefs.UnitSystem);
    UnitPrefs.AtmosphericPressure = 1.0;
    UnitPrefs.AtmosphericPressureUnits = "atm";
    UnitPrefs.AtmosphericPressurePsia =
        ConvertPressure(UnitPrefs.AtmosphericPressure, UnitPrefs.AtmosphericPressureUnits, "");
}

void SetBuiltInUnitPrefs()
{
    BuildUnitFamilies();
    UnitPrefs.UnitSystem = UnitSystemGeneral;
    SetDefaultUnitPrefs();
}

} // namespace vq
