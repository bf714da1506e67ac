// The calculation set-up back to its starting state: property database, unit and
// output preferences, report font, then the user's saved defaults.
#pragma once

namespace vq {

// Selects IAPWS-IF97 unless the user chose a database, resets the unit system, unit
// and output preferences to the built-in ones, takes the report font from the printer
// where none is set, then applies the defaults saved in the settings file.
void ResetCalculationDefaults();

// Reads the saved default unit and output preferences; source 0 is the settings
// file. A missing or unreadable file leaves the built-in defaults without a word;
// items that are not valid values are named in one message.
void LoadSavedPreferences(int source);

} // namespace vq
