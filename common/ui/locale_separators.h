// The locale's separators for the core, read from Qt at start-up.
#pragma once

namespace vq {

// Sets DecimalSymbol, ThousandsSeparator and the locale's digits from the
// default QLocale (the user's locale unless the program set another).
void GetLocaleSeparators();

} // namespace vq
