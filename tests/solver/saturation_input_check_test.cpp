#include "solver/saturation_input_check.h"

#include "equations/asme_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vq {
namespace {

class SatInputOutOfRangeTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAsmeError(); }
    void TearDown() override { ClearAsmeError(); }

    // Checks one value; returns the error number it set (0 when in range) and makes
    // sure the flag is never touched.
    int Check(int code, double value, int side)
    {
        AsmeErrorCode = 0;
        const bool out = SatInputOutOfRange(code, value, side);
        EXPECT_FALSE(AsmeErrorFlag);
        EXPECT_EQ(out, AsmeErrorCode != 0) << code << " " << value << " " << side;
        return AsmeErrorCode;
    }
};

TEST_F(SatInputOutOfRangeTest, PressureAndTemperatureOnEverySide)
{
    for (int side : {0, 1, 2}) {
        EXPECT_EQ(Check(1, 22.064, side), 0);
        EXPECT_EQ(Check(1, 0.0006112127, side), 0);
        EXPECT_EQ(Check(1, 0.0006112, side), 9200) << "below psat(273.15 K)";
        EXPECT_EQ(Check(1, 22.0641, side), 9200);
        EXPECT_EQ(Check(1, 0.000611, side), 9200);
        EXPECT_EQ(Check(2, 647.096, side), 0);
        EXPECT_EQ(Check(2, 273.15, side), 0);
        EXPECT_EQ(Check(2, 647.0961, side), 9210);
        EXPECT_EQ(Check(2, 273.149, side), 9210);
    }
}

TEST_F(SatInputOutOfRangeTest, SideRangesOfEnthalpyVolumeDensityEntropy)
{
    EXPECT_EQ(Check(3, 2087.5, 0), 0);
    EXPECT_EQ(Check(3, 2087.5, 1), 0);
    EXPECT_EQ(Check(3, -0.042, 0), 0);
    EXPECT_EQ(Check(3, -0.043, 0), 9220);
    EXPECT_EQ(Check(3, 2087.6, 0), 9220);
    EXPECT_EQ(Check(3, 2803.3, 1), 0);
    EXPECT_EQ(Check(3, 2803.4, 1), 9220);
    EXPECT_EQ(Check(3, 2087.4, 1), 9220);

    EXPECT_EQ(Check(5, 0.0010002, 0), 0);
    EXPECT_EQ(Check(5, 1.0 / 322.0, 0), 0);
    EXPECT_EQ(Check(5, 1.0 / 322.0, 1), 0);
    EXPECT_EQ(Check(5, 0.001, 0), 9230);
    // The saturated liquid near 4 C is denser than at 273.15 K.
    EXPECT_EQ(Check(5, 0.00100008, 0), 0);
    EXPECT_EQ(Check(4, 999.92, 0), 0);
    EXPECT_EQ(Check(5, 0.00100006, 0), 9230);
    EXPECT_EQ(Check(5, 0.0032, 0), 9230);
    EXPECT_EQ(Check(5, 206.14, 1), 0);
    EXPECT_EQ(Check(5, 206.15, 1), 9230);
    EXPECT_EQ(Check(5, 0.003, 1), 9230);

    // Densities are tested as specific volumes.
    EXPECT_EQ(Check(4, 1000.0, 0), 9240);
    EXPECT_EQ(Check(4, 900.0, 0), 0);
    EXPECT_EQ(Check(4, 322.0, 0), 0);
    EXPECT_EQ(Check(4, 322.0, 1), 0);
    EXPECT_EQ(Check(4, 0.004, 1), 9240);
    EXPECT_EQ(Check(4, 0.005, 1), 0);
    EXPECT_EQ(Check(4, 0.0, 1), 9240) << "no specific volume at zero density";
    EXPECT_EQ(Check(4, 0.0, 0), 9240);

    EXPECT_EQ(Check(6, -0.0002, 0), 0);
    EXPECT_EQ(Check(6, 4.41202148223476, 0), 0);
    EXPECT_EQ(Check(6, 4.41202148223476, 1), 0);
    EXPECT_EQ(Check(6, 4.5, 0), 9250);
    EXPECT_EQ(Check(6, 9.1558, 1), 0);
    EXPECT_EQ(Check(6, 9.2, 1), 9250);
    EXPECT_EQ(Check(6, 4.4, 1), 9250);
}

TEST_F(SatInputOutOfRangeTest, QualitySideAndOtherCodesAreNotTested)
{
    for (int code : {3, 4, 5, 6})
        for (double v : {-1e9, 0.0, 1e9})
            EXPECT_EQ(Check(code, v, 2), 0) << code << " " << v;
    for (int code : {0, 7, 8, 9, 10, 25})
        EXPECT_EQ(Check(code, -1e9, 0), 0) << code;
}

TEST_F(SatInputOutOfRangeTest, NotANumberIsOutOfRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Check(1, nan, 0), 9200);
    EXPECT_EQ(Check(2, nan, 1), 9210);
    EXPECT_EQ(Check(3, nan, 0), 9220);
    EXPECT_EQ(Check(6, std::numeric_limits<double>::infinity(), 1), 9250);
}

TEST_F(SatInputOutOfRangeTest, InRangeLeavesAnEarlierNumber)
{
    AsmeErrorCode = 9100;
    EXPECT_FALSE(SatInputOutOfRange(1, 10.0, 0));
    EXPECT_EQ(AsmeErrorCode, 9100);
}

} // namespace
} // namespace vq
