// The property source of a Calculate: the IF97 driver, or the NBS 1984 front end.
#pragma once

#include "app/thermix_main.h"

namespace vq {

// Calculates one point with the source that UseIF97 selects and stores it in
// ResultTable. True when the point failed (the source has shown its message).
bool CalculatePointWithSelectedSource(int point, const PointInputs& inputs, int panelCode1, int panelCode2);

} // namespace vq
