// Checks a pressure that the user typed, with the units chosen beside it.
#pragma once

#include <string>

namespace vq {

struct PressureEntryVerdict {
    bool ok = true;      // false: refused, the dialog must stay open
    std::string message; // shown with a beep and the exclamation icon when not empty
    std::string text;    // the new text of the entry box
};

inline const std::string ImproperPressureMessage = "Improper entry for pressure.";

// An empty text is left alone (ok). Text that is not a typed number (ReadTypedNumber)
// is refused with TypedNumberMessage naming the field, and kept; a number beyond
// single precision with ImproperPressureMessage. A value whose absolute
// pressure in psia is below 0 is refused and the text emptied; one outside the sensible
// atmospheric range (IsSensibleAtmosphericPressure), typed or as its rewritten text reads
// back, is refused and kept. Any other value is accepted and rewritten in single
// precision with the locale's decimal symbol.
PressureEntryVerdict CheckPressureEntry(const std::string& text, const std::string& units,
                                        const std::string& fieldName);

// The message for a negative absolute pressure entered in the named field.
std::string NegativePressureMessage(const std::string& fieldName);

// The message for a value outside the sensible atmospheric range in the named field.
std::string AtmosphericPressureRangeMessage(const std::string& fieldName);

// A single-precision value as the general number-to-text conversion writes it: up to
// seven significant digits, exponent form outside 1E-05 .. 1E+07, the locale's
// decimal symbol.
std::string SingleToText(float value);

} // namespace vq
