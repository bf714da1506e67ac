#include "common/preference_records.h"

namespace vq {

UnitPreferences UnitPrefs;
OutputPreferences OutputPrefs;

void ResetPreferenceRecords()
{
    UnitPrefs = UnitPreferences{};
    OutputPrefs = OutputPreferences{};
}

} // namespace vq
