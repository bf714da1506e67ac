// The property source of a Calculate: the IF97 driver, or the NBS 1984 front end.
#pragma once

#include <functional>
#include <string>

namespace vq {

// One point of a calculation as handed to a property source.
struct PointInputs {
    int code1 = 0;
    double value1 = 0.0;
    std::string units1;
    int code2 = 0;
    double value2 = 0.0;
    std::string units2;
};

// Computes one point into ResultTable. The inputs come in the order the source is
// called with; panelCode1 and panelCode2 are the codes in panel order. Returns true
// when the point failed (the source has shown its message).
using PointSource = std::function<bool(int point, const PointInputs& inputs, int panelCode1, int panelCode2)>;

// Calculates one point with the source that UseIF97 selects and stores it in
// ResultTable. True when the point failed (the source has shown its message).
bool CalculatePointWithSelectedSource(int point, const PointInputs& inputs, int panelCode1, int panelCode2);

} // namespace vq
