// Small routines on values that may be flag values.
#pragma once

#include <string>

namespace vq {

// Linear interpolation; y1 when x1 equals x2.
double Interpolate(double x, double x1, double x2, double y1, double y2);
// b when b > a, else a.
double MaxVariant(double a, double b);
// The smaller value, ignoring one that is a flag (at or below -1e29).
double MinValidVariant(double a, double b);

void SwapDouble(double& a, double& b);
void SwapInteger(int& a, int& b);
void SwapString(std::string& a, std::string& b);

} // namespace vq
