// Range check of the first input of a saturated pair (saturated liquid, saturated
// vapour or quality as the second input).
#pragma once

namespace vq {

// Which side of the saturation line a saturated input names.
enum SaturationSide : int {
    SatSideLiquid = 0,
    SatSideVapour = 1,
    SatSideQuality = 2,
};

// True when the first input (code 1 to 6, SI value) of a saturated pair lies outside the
// part of the saturation line covered for that side; then AsmeErrorCode is set to the
// matching 92x0 number (the flag is left alone). A value that is not a number is out
// of range.
bool SatInputOutOfRange(int code, double value, int side);

} // namespace vq
