// Rules of the main window's input panel that need no window: which properties the two
// lists offer, which unit list a property takes, how the rows are labelled per mode,
// when Calculate is possible, and the arithmetic of a range.
#pragma once

#include "preferences/output_mod.h"

#include <array>
#include <string>
#include <vector>

namespace vq {

// Input modes (the tabs of the main window).
enum InputModeCode : int { SinglePointMode = 0, TwoPointsMode = 1, RangeMode = 2 };

inline constexpr int MaxRangePoints = 1000;

// True when the code is 9 (Saturated Liquid) or 10 (Saturated Vapor).
bool IsSaturationInputCode(double code);

// Codes offered by property list 1, in list order.
std::vector<int> PropertyList1Codes();
// Codes offered by property list 2 for code 1 (-1: nothing selected) in a mode.
std::vector<int> PropertyList2Codes(int code1, int mode);
// Index to select in list 2 after a refill: the previous code when still offered,
// else the first entry (-1 for an empty list).
int PropertyList2Selection(const std::vector<int>& codes, int previous, int code1);

// The unit list of an input or output property.
struct PropertyUnitList {
    bool visible = true;    // false for the saturated codes
    int family = -1;        // unit family code, -1 for none (empty list)
};
PropertyUnitList UnitListForProperty(int code);

// How one row of the panel looks for a mode and the two codes.
struct InputRowLayout {
    bool raised = false;            // value box 270 twips above the property list
    std::string label;              // caption of LBL_StateN
    int labelWidth = 960;           // twips
    bool labelVisible = true;
    bool valueVisible = true;       // TXT_StateN
    bool unitsVisible = true;       // CMB_StateNUnits
    std::string endLabel;           // caption of LBL_StateNEnd
    bool endVisible = false;
    bool incVisible = false;
};
using InputPanelLayout = std::array<InputRowLayout, 2>;
// c1 and c2 are -1 when a list has no selection.
InputPanelLayout LayoutInputRows(int mode, int code1, int code2);

// Which boxes hold text (at least one character).
struct FilledBoxes {
    bool state1 = false, state1End = false;
    bool state2 = false, state2End = false, state2Inc = false;
};
bool CalcInputsComplete(int mode, int code1, int code2, const FilledBoxes& filled);

// Points a range holds: the start and each whole increment up to the end; may exceed
// MaxRangePoints or be infinite. A range whose count cannot be computed (increment
// not positive, values not finite) holds 1 point.
double RangeHeldPoints(double start, double end, double increment);
// Points of a calculation: 1, 3, or the range's points limited to 1..1000.
int RangePointCount(int mode, double start, double end, double increment);
// Value of range point i (from 1): start + (i - 1) x increment, computed in one step
// from the decimals typed and rounded to the 15 significant digits shown (300 to 400
// by 0.2 gives 300.2, not 300.200000000000017); never beyond the end, and the end
// itself when within rounding of it.
double RangePointValue(double start, double end, double increment, int i);

// IncrementTooSmall: two neighbouring points calculated are equal as shown.
enum class RangeVerdict { Ok, EndNotAboveStart, IncrementNotPositive, IncrementTooSmall };
RangeVerdict CheckRange(double start, double end, double increment);

// The value rounded to 15 significant digits.
double RoundTo15Digits(double value);

} // namespace vq
