// The IF97 calculation of one state point: from two typed inputs to the shown outputs.
#pragma once

#include <string>

namespace vq {

// Solves the state given by the inputs (code1, value1 in units1) and (code2, value2 in
// units2) in either order, and stores every shown output parameter, in its display
// unit, in column (or row) index of ResultTable as OutputPrefs lays it out for the
// current input mode. A state that cannot be solved stores NotApplicableValue in every
// shown element; then, except in Range mode, the error message is shown and failed is
// set. A pair that no region handles shows "Region = 0" and sets failed in every mode,
// leaving ResultTable untouched. failed is never set back to false.
void CalcAsmeState(int& index, int code1, double value1, const std::string& units1, int code2, double value2,
                   const std::string& units2, bool& failed);

} // namespace vq
