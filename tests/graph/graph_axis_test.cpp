// Axis scales and ticks of the graph.
#include "printing/graph_axis_logic.h"

#include "common/number_parsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vq {
namespace {

TEST(GraphAxisTest, TickStepIsOneTwoOrFiveTimesAPowerOfTen)
{
    EXPECT_DOUBLE_EQ(GraphTickStep(10), 2);
    EXPECT_DOUBLE_EQ(GraphTickStep(100), 20);
    EXPECT_DOUBLE_EQ(GraphTickStep(25), 5);
    EXPECT_DOUBLE_EQ(GraphTickStep(0.003), 0.0005);
    EXPECT_DOUBLE_EQ(GraphTickStep(4.5), 1);
    EXPECT_DOUBLE_EQ(GraphTickStep(0), 1);
    EXPECT_DOUBLE_EQ(GraphTickStep(-3), 1);
    EXPECT_DOUBLE_EQ(GraphTickStep(std::numeric_limits<double>::infinity()), 1);
}

TEST(GraphAxisTest, RoundedScaleHoldsTheDataOnWholeSteps)
{
    const struct {
        double lo, hi;
    } cases[] = {{0, 10}, {14.696, 23.696}, {-3.3, 7.1}, {1e-6, 3e-6}, {1e20, 3e20}, {-7, -2}, {0.1, 0.7}};
    for (const auto& c : cases) {
        const GraphAxisScale s = ScaleGraphAxis(c.lo, c.hi, GraphScaleRounded);
        EXPECT_LE(s.min, c.lo) << c.lo;
        EXPECT_GE(s.max, c.hi) << c.hi;
        EXPECT_LT(s.max - s.min, 3 * (c.hi - c.lo)) << c.lo;
        const double steps = (s.max - s.min) / s.step;
        EXPECT_NEAR(steps, std::round(steps), 1e-6) << c.lo;
        const auto ticks = GraphAxisTicks(s);
        ASSERT_GE(ticks.size(), 3u) << c.lo;
        EXPECT_LE(ticks.size(), 12u) << c.lo;
        EXPECT_NEAR(ticks.front(), s.min, s.step * 1e-6);
        EXPECT_NEAR(ticks.back(), s.max, s.step * 1e-6);
    }
    const GraphAxisScale d = ScaleGraphAxis(14.696, 23.696, GraphScaleData);
    EXPECT_EQ(d.min, 14.696);
    EXPECT_EQ(d.max, 23.696);
    const auto ticks = GraphAxisTicks(d);
    ASSERT_FALSE(ticks.empty());
    EXPECT_GE(ticks.front(), d.min);
    EXPECT_LE(ticks.back(), d.max);
}

TEST(GraphAxisTest, DegenerateDataStillGiveAnAxis)
{
    const GraphAxisScale one = ScaleGraphAxis(5, 5, GraphScaleRounded);
    EXPECT_LT(one.min, 5);
    EXPECT_GT(one.max, 5);
    const GraphAxisScale zero = ScaleGraphAxis(0, 0, GraphScaleData);
    EXPECT_EQ(zero.min, -1);
    EXPECT_EQ(zero.max, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [lo, hi] : {std::pair{nan, 1.0}, std::pair{0.0, inf}, std::pair{3.0, 1.0}, std::pair{1e30, -1e30}}) {
        const GraphAxisScale s = ScaleGraphAxis(lo, hi, GraphScaleRounded);
        EXPECT_EQ(s.min, 0);
        EXPECT_EQ(s.max, 1);
    }
    // Ticks around zero show no negative zero.
    const auto ticks = GraphAxisTicks(ScaleGraphAxis(-0.3, 0.3, GraphScaleRounded));
    bool sawZero = false;
    for (double t : ticks)
        if (t == 0.0) {
            sawZero = true;
            EXPECT_FALSE(std::signbit(t));
        }
    EXPECT_TRUE(sawZero);
    EXPECT_TRUE(GraphAxisTicks({0, 1, 0}).empty());
    EXPECT_LE(GraphAxisTicks({0, 1e9, 1}).size(), 100u);
}

TEST(GraphAxisTest, TickLabelsFollowTheFormatAndLocale)
{
    EXPECT_EQ(GraphTickLabel(1234567, "###,###,##0"), "1,234,567");
    EXPECT_EQ(GraphTickLabel(2.5, "#0.0"), "2.5");
    EXPECT_EQ(GraphTickLabel(0.05, "0.00E-00"), "5.00E-02");
    EXPECT_EQ(GraphTickLabel(250000, "0.00E+00"), "2.50E+05");
    const ScopedLocaleSeparators german(LocaleSeparators::German());
    EXPECT_EQ(GraphTickLabel(1234.0, "###,###,##0"), "1.234");
    EXPECT_EQ(GraphTickLabel(0.25, "#0.00"), "0,25");
}

} // namespace
} // namespace vq
