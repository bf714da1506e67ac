// The calculation set-up back to its starting state: property database, unit and
// output preferences, report font, then the user's saved defaults.
#pragma once

#include "files/preference_sections.h"

namespace vq {

// Selects IAPWS-IF97 unless the user chose a database, resets the unit families, the
// unit system and the unit preferences to the built-in ones, takes the report font from
// the printer where none is set, then applies the defaults saved in the settings file
// (LoadSavedPreferences with badItems).
void ResetCalculationDefaults(BadFileItems* badItems = nullptr);

// Source 0: the saved default unit preferences, then the output preferences (the
// built-in ones in the preferred units, then the saved ones) from the settings file.
// A missing or unreadable file leaves the built-in defaults without a word; items
// that are not valid values are added to badItems when given, else named in one
// message. Other sources change nothing.
void LoadSavedPreferences(int source, BadFileItems* badItems = nullptr);

} // namespace vq
