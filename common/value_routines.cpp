#include "common/value_routines.h"

#include "equations/flag_values.h"

#include <utility>

namespace vq {

double Interpolate(double x, double x1, double x2, double y1, double y2)
{
    if (x2 == x1)
        return y1;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

double MaxVariant(double a, double b)
{
    return b > a ? b : a;
}

double MinValidVariant(double a, double b)
{
    if (a <= MinimumIgnoreValue)
        return b;
    if (b <= MinimumIgnoreValue)
        return a;
    return b < a ? b : a;
}

void SwapDouble(double& a, double& b)
{
    std::swap(a, b);
}

void SwapInteger(int& a, int& b)
{
    std::swap(a, b);
}

void SwapString(std::string& a, std::string& b)
{
    a.swap(b);
}

} // namespace vq
