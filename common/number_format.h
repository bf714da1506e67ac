// Formatting of results for grid cells and printed tables.
#pragma once

#include "common/number_parsing.h"
#include "common/preference_records.h"

#include <span>
#include <string>
#include <string_view>

namespace vq {

// Decimal magnitude: floor(ln(|v| x 1.00001) / 2.302585); 0 for 0 and non-finite v.
int MagnitudeOf(double v);

// The largest and the smallest non-zero absolute value of a column; flag
// values (and NaN) are skipped. Without a counted non-zero value maxAbs is 0
// and minAbs 1e30.
void GetMagnitudeRange(std::span<const double> values, double& maxAbs, double& minAbs);

// The number pattern for x in a column measured by magMax and magMin, from
// the digits and the alignment, limit and exponential choices of prefs.
std::string GetNumberPattern(double x, double magMax, double magMin, int digits, const OutputPreferences& prefs);

// x formatted by a pattern of "0", "#", ",", "." and "E+00" (or "E-00"), with
// the given separators. Rounding is half away from zero on the 15-significant-
// digit decimal form of x. NaN and infinities give "N/A".
std::string FormatWithPattern(double x, std::string_view pattern, const LocaleSeparators& separators);

// The text of x for a grid cell, with the pattern from OutputPrefs, in the
// program's locale (or the given separators).
std::string FormatNumberText(double x, double magMax, double magMin, int digits);
std::string FormatNumberText(double x, double magMax, double magMin, int digits, const LocaleSeparators& separators);

// value in its shortest general form with at most digits significant digits, "E" for the
// exponent and the given decimal symbol; value must be finite.
std::string GeneralFormText(double value, int digits, const std::string& decimalSymbol);
// A double in its shortest general form with up to 15 significant digits, as
// 150, 0.3, 1E+16 or 1E-05, with the given decimal symbol.
std::string DefaultDoubleText(double value, const std::string& decimalSymbol);

} // namespace vq
