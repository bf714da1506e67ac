#include "equations/flag_values.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(FlagValues, FamilyIsMinusMTimesTenToThirty)
{
    const double first[] = {0.1, 1.0, 0.7, 0.9, 0.8};
    const double second[] = {0.15, 1.05, 0.75, 0.95, 0.85};
    for (int kind = 0; kind <= 4; ++kind) {
        EXPECT_EQ(GetFlagValue(kind, 0), -first[kind] * std::pow(10.0, 30.0)) << kind;
        EXPECT_EQ(GetFlagValue(kind, -1), -second[kind] * std::pow(10.0, 30.0)) << kind;
        EXPECT_EQ(GetFlagValue(kind, 1), GetFlagValue(kind, -1)) << "any non-zero set selects the second";
    }
}

TEST(FlagValues, RolesAndKindsOutsideTheFamily)
{
    EXPECT_EQ(NotApplicableValue, GetFlagValue(3, 0));
    EXPECT_EQ(FlagValueThreshold, GetFlagValue(0, -1));
    EXPECT_EQ(MinimumIgnoreValue, GetFlagValue(0, 0));
    EXPECT_NE(GetFlagValue(0, 0), -0.1e30 * 1.0000001);
    EXPECT_EQ(GetFlagValue(5, 0), 0.0);
    EXPECT_EQ(GetFlagValue(-1, -1), 0.0);
    EXPECT_TRUE(IsResultValue(GetFlagValue(5, 0))) << "0.0 is an ordinary number";
}

TEST(FlagValues, ThresholdSeparatesNumbersFromFlags)
{
    EXPECT_FALSE(IsResultValue(FlagValueThreshold));
    EXPECT_FALSE(IsResultValue(NotApplicableValue));
    EXPECT_FALSE(IsResultValue(GetFlagValue(1, -1)));
    EXPECT_TRUE(IsResultValue(FlagValueThreshold * (1.4 / 1.5)));
    EXPECT_TRUE(IsResultValue(-1e28));
    EXPECT_FALSE(IsResultValue(std::nan(""))) << "NaN is never shown as a number";
}

} // namespace
} // namespace vq
