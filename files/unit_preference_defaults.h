// Built-in unit preferences for the unit system that UnitPrefs holds.
#pragma once

namespace vq {

// The default unit of every family for UnitPrefs.UnitSystem, and one atmosphere as
// the atmospheric pressure. The unit families must exist.
void SetDefaultUnitPrefs();
// The whole unit preferences as the program ships them: every family's units in use,
// the general unit system, then SetDefaultUnitPrefs.
void SetBuiltInUnitPrefs();

} // namespace vq
