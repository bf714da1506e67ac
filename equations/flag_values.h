// Flag values: large negative numbers that mark a result which cannot be computed
// or does not apply. They carry no unit and are never converted.
#pragma once

namespace vq {

// Member of the flag family chosen by kind (0..4) and set (0 or non-zero);
// 0.0 for any other kind.
constexpr double GetFlagValue(int kind, int set)
{
    constexpr double first[] = {0.1, 1.0, 0.7, 0.9, 0.8};
    constexpr double second[] = {0.15, 1.05, 0.75, 0.95, 0.85};
    if (kind < 0 || kind > 4)
        return 0.0;
    const double m = set == 0 ? first[kind] : second[kind];
    return -m * 1e30;
}

// The one value producers write for an output that does not apply or failed.
inline constexpr double NotApplicableValue = GetFlagValue(3, 0);
// A result strictly greater than this is a number; anything else is a flag.
inline constexpr double FlagValueThreshold = GetFlagValue(0, -1);
// Values at or below this are ignored by the minimum routine.
inline constexpr double MinimumIgnoreValue = GetFlagValue(0, 0);

// True when v is a number rather than a flag (NaN counts as a flag).
constexpr bool IsResultValue(double v)
{
    return v > FlagValueThreshold;
}

} // namespace vq
