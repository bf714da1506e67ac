// Built-in unit preferences for the unit system that UnitPrefs holds.
#pragma once

namespace vq {

// The default unit of every family for UnitPrefs.UnitSystem, and one atmosphere as
// the atmospheric pressure. The unit families must exist.
void SetDefaultUnitPrefs();

} // namespace vq
