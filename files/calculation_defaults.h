// The calculation set-up back to its starting state: property database, unit and
// output preferences, report font, then the user's saved defaults.
#pragma once

namespace vq {

// Selects IAPWS-IF97 unless the user chose a database, resets the unit families, the
// unit system and the unit preferences to the built-in ones, takes the report font from
// the printer where none is set, then applies the defaults saved in the settings file.
void ResetCalculationDefaults();

// Source 0: the saved default unit preferences, then the output preferences (the
// built-in ones in the preferred units, then the saved ones) from the settings file.
// A missing or unreadable file leaves the built-in defaults without a word; items
// that are not valid values are named in one message. Other sources change nothing.
void LoadSavedPreferences(int source);

} // namespace vq
