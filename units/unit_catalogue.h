// The one catalogue of unit families the program knows.
#pragma once

namespace vq {

// Replaces UnitFamilies by a fresh catalogue of 36 families: every list state back at its
// catalogue value. The preferred units in UnitPrefs are left as they are.
void BuildUnitFamilies();

} // namespace vq
