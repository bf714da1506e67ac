#include "app/input_panel_logic.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

namespace vq {

bool IsSaturationInputCode(double code)
{
    return code == static_cast<int>(PropSaturatedLiquid) || code == static_cast<int>(PropSaturatedVapor);
}

std::vector<int> PropertyList1Codes()
{
    return {1, 2, 3, 4, 5, 6, 8, 9, 10};
}

std::vector<int> PropertyList2Codes(int code1, int mode)
{
    // Codes offered beside code 1; the saturated pair only outside Range mode.
    std::vector<int> allowed;
    bool withSaturated = true;
    switch (code1) {
    case 1: allowed = {2, 3, 4, 5, 6, 8}; break;
    case 2: allowed = {1, 3, 4, 5, 6, 8}; break;
    case 3: allowed = {1, 2, 6}; break;
    case 4:
    case 5: allowed = {1, 2}; break;
    case 6: allowed = {1, 2, 3}; break;
    case 8: allowed = {1, 2}; withSaturated = false; break;
    case 9:
    case 10: allowed = {1, 2, 3, 4, 5, 6, 7}; withSaturated = false; break;
    case -1: allowed = {1, 2, 3, 4, 5, 6, 8}; break;
    default: return {};
    }
    if (withSaturated && mode != RangeMode) {
        allowed.push_back(PropSaturatedLiquid);
        allowed.push_back(PropSaturatedVapor);
    }
    std::vector<int> codes;
    for (int c : allowed)
        if (c != code1)
            codes.push_back(c);
    return codes;
}

int PropertyList2Selection(const std::vector<int>& codes, int previous, int code1)
{
    if (codes.empty())
        return -1;
    if (previous == -1 || previous == code1)
        return 0;
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == previous)
            return static_cast<int>(i);
    return 0;
}

PropertyUnitList UnitListForProperty(int code)
{
    switch (code) {
    case 1: case 21: case 23: return {true, 6};
    case 2: case 22: return {true, 7};
    case 3: case 7: return {true, 21};
    case 4: return {true, 8};
    case 5: return {true, 32};
    case 6: case 14: case 15: return {true, 16};
    case 8: return {true, 22};
    case 9: case 10: return {false, -1};
    case 12: return {true, 15};
    case 13: return {true, 19};
    case 16: return {true, 3};
    case 20: return {true, 35};
    case 24: case 25: return {true, 26};
    default: return {true, -1};
    }
}

namespace {

InputRowLayout OneLineRow(std::string label)
{
    InputRowLayout row;
    row.label = std::move(label);
    return row;
}

InputRowLayout HiddenRow()
{
    InputRowLayout row;
    row.labelVisible = false;
    row.valueVisible = false;
    row.unitsVisible = false;
    return row;
}

InputRowLayout SaturatedTwoPointRow(const char* prefixVapor, const char* prefixLiquid, int code)
{
    // The row names the other saturated state that the pair yields.
    InputRowLayout row;
    row.label = code == PropSaturatedLiquid ? prefixVapor : prefixLiquid;
    row.labelWidth = 2100;
    row.valueVisible = false;
    row.unitsVisible = false;
    return row;
}

InputRowLayout RaisedRow(std::string label, std::string endLabel, bool withIncrement)
{
    InputRowLayout row;
    row.raised = true;
    row.label = std::move(label);
    row.endLabel = std::move(endLabel);
    row.endVisible = true;
    row.incVisible = withIncrement;
    return row;
}

} // namespace

InputPanelLayout LayoutInputRows(int mode, int code1, int code2)
{
    const bool sat1 = IsSaturationInputCode(code1);
    const bool sat2 = IsSaturationInputCode(code2);
    InputPanelLayout rows;
    switch (mode) {
    case TwoPointsMode:
        if (sat2) {
            rows[0] = OneLineRow("Sat. Value:");
            rows[1] = SaturatedTwoPointRow("2nd Val&ue: Saturated Vapor", "2nd Valu&e: Saturated Liquid", code2);
        } else if (sat1) {
            rows[0] = SaturatedTwoPointRow("1st Val&ue: Saturated Vapor", "1st Valu&e: Saturated Liquid", code1);
            rows[1] = OneLineRow("Sat. Value:");
        } else {
            rows[0] = RaisedRow("1st Val&ue:", "2nd Valu&e:", false);
            rows[1] = RaisedRow("1st Val&ue:", "2nd Valu&e:", false);
        }
        break;
    case RangeMode:
        rows[0] = sat1 ? HiddenRow() : OneLineRow("&Value:");
        rows[1] = RaisedRow("Start Val&ue:", "End Valu&e:", true);
        break;
    default:
        rows[0] = sat1 ? HiddenRow() : OneLineRow("&Value:");
        rows[1] = sat2 ? HiddenRow() : OneLineRow("V&alue:");
        break;
    }
    return rows;
}

bool CalcInputsComplete(int mode, int code1, int code2, const FilledBoxes& f)
{
    if (code1 < 0 || code2 < 0)
        return false;
    const bool sat1 = IsSaturationInputCode(code1);
    const bool sat2 = IsSaturationInputCode(code2);
    switch (mode) {
    case SinglePointMode: return (sat1 || f.state1) && (sat2 || f.state2);
    case TwoPointsMode:
        if (sat2)
            return f.state1;
        if (sat1)
            return f.state2;
        return f.state1 && f.state2 && f.state1End && f.state2End;
    case RangeMode: return f.state2 && f.state2End && f.state2Inc && (sat1 || f.state1);
    default: return false;
    }
}

namespace {

double UnitInLastPlace(double x)
{
    return std::nextafter(x, std::numeric_limits<double>::infinity()) - x;
}

// Increments a point may fall short of the end and still count as reaching it: a few
// units in the last place of the values and of the quotient steps, at most half an
// increment (100 to 105 by 0.1 ends at 105).
double EndSlack(double start, double end, double increment, double steps)
{
    const double slack =
        4.0 * (UnitInLastPlace(std::max(std::abs(start), std::abs(end))) / increment + UnitInLastPlace(steps));
    return std::min(slack, 0.5);
}

} // namespace

double RangeHeldPoints(double start, double end, double increment)
{
    if (!std::isfinite(start) || !std::isfinite(end) || !std::isfinite(increment) || !(increment > 0.0))
        return 1.0;
    const double steps = (end - start) / increment;
    if (!std::isfinite(steps))
        return steps > 0.0 ? steps : 1.0;
    if (steps < 0.0)
        return 1.0;
    // Whole increments only.
    return std::floor(steps + EndSlack(start, end, increment, steps)) + 1.0;
}

int RangePointCount(int mode, double start, double end, double increment)
{
    switch (mode) {
    case SinglePointMode: return 1;
    case TwoPointsMode: return 3;
    case RangeMode: break;
    default: return 0;
    }
    const double held = RangeHeldPoints(start, end, increment);
    return held >= MaxRangePoints ? MaxRangePoints : static_cast<int>(held);
}

namespace {

__extension__ typedef __int128 Int128;

// A decimal number: digits x 10^exponent.
struct Decimal {
    Int128 digits = 0;
    int exponent = 0;
};

constexpr int ShownDigits = 15;

// The shortest decimal that reads back as value: the number as typed.
bool ShortestDecimal(double value, Decimal& out)
{
    if (!std::isfinite(value))
        return false;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (written.ec != std::errc())
        return false;
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    Decimal d;
    bool fraction = false;
    for (; p < written.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            fraction = true;
            continue;
        }
        d.digits = d.digits * 10 + (*p - '0');
        d.exponent -= fraction ? 1 : 0;
    }
    if (p < written.ptr) {
        p += p[1] == '+' ? 2 : 1;
        int e = 0;
        std::from_chars(p, written.ptr, e);
        d.exponent += e;
    }
    while (d.digits != 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    if (negative)
        d.digits = -d.digits;
    out = d;
    return true;
}

// digits x 10^shift; false when that would pass 36 digits.
bool ScaleUp(Int128& digits, int shift)
{
    constexpr Int128 limit = static_cast<Int128>(1000000000000000000LL) * 100000000000000000LL; // 1e35
    for (; shift > 0; --shift) {
        if (digits > limit || digits < -limit)
            return false;
        digits *= 10;
    }
    return true;
}

// The decimal rounded half away from zero to 15 significant digits, as the nearest double.
double ShownValue(Decimal d)
{
    const bool negative = d.digits < 0;
    Int128 a = negative ? -d.digits : d.digits;
    Int128 power = 1;
    int count = 0;
    for (Int128 x = a; x != 0; x /= 10)
        ++count;
    for (int i = ShownDigits; i < count; ++i) {
        power *= 10;
        ++d.exponent;
    }
    if (power > 1)
        a = (a + power / 2) / power;
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(a % 10)));
        a /= 10;
    } while (a != 0);
    text += 'e' + std::to_string(d.exponent);
    double value = 0.0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc())
        return std::numeric_limits<double>::quiet_NaN();
    return negative ? -value : value;
}

// start + k x increment, computed once from the numbers as typed and shown to 15
// significant digits; never the sum of k additions.
double RangeStep(double start, double increment, int k)
{
    Decimal s, d;
    if (k >= 0 && ShortestDecimal(start, s) && ShortestDecimal(increment, d)) {
        Int128 steps = d.digits * k;
        const int exponent = std::min(s.exponent, d.exponent);
        if (ScaleUp(s.digits, s.exponent - exponent) && ScaleUp(steps, d.exponent - exponent)) {
            const double value = ShownValue({s.digits + steps, exponent});
            if (std::isfinite(value))
                return value;
        }
    }
    // Digits too far apart to add exactly: they differ beyond what is shown.
    return RoundTo15Digits(start + k * increment);
}

} // namespace

double RangePointValue(double start, double end, double increment, int i)
{
    const double x = RangeStep(start, increment, i - 1);
    if (x >= end)
        return end;
    const double steps = (end - start) / increment;
    const bool reachesEnd = std::isfinite(steps) && steps >= 0.0 && std::isfinite(increment) && increment > 0.0 &&
                            end - x <= EndSlack(start, end, increment, steps) * increment;
    return reachesEnd ? end : x;
}

RangeVerdict CheckRange(double start, double end, double increment)
{
    if (!(start < end))
        return RangeVerdict::EndNotAboveStart;
    if (!(increment > 0.0))
        return RangeVerdict::IncrementNotPositive;
    // Neighbouring points must differ as shown.
    const int points = RangePointCount(RangeMode, start, end, increment);
    double shown = RoundTo15Digits(RangePointValue(start, end, increment, 1));
    for (int i = 2; i <= points; ++i) {
        const double next = RoundTo15Digits(RangePointValue(start, end, increment, i));
        if (!(next > shown))
            return RangeVerdict::IncrementTooSmall;
        shown = next;
    }
    return RangeVerdict::Ok;
}

double RoundTo15Digits(double value)
{
    if (!std::isfinite(value))
        return value;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double back = value;
    const auto read = std::from_chars(buffer, written.ptr, back);
    return read.ec == std::errc() ? back : value;
}

} // namespace vq
