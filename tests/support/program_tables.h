// Fresh program-wide tables for tests that run whole calculations.
#pragma once

#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "files/unit_preference_defaults.h"
#include "preferences/output_mod.h"
#include "units/unit_catalogue.h"

namespace vq::test {

// A new session with the unit families, the default unit preferences of the unit
// system and the default output preferences.
inline void SetUpProgramTables(int unitSystem = UnitSystemGeneral)
{
    ResetSessionState();
    ResetPreferenceRecords();
    SetProgramIdentity();
    BuildUnitFamilies();
    UnitPrefs.UnitSystem = unitSystem;
    SetDefaultUnitPrefs();
    InitOutputParams();
    SetDefaultOutputPrefs();
}

} // namespace vq::test
