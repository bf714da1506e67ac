// Runs the published check values of one equation through a function of the row.
#pragma once

#include "published_check_values.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace vq::test {

// Checks every row of `equation`: `compute` returns the row's output, which must round
// to the printed digits. Returns the number of rows checked.
inline int ExpectPublishedValues(const char* equation, const std::function<double(const CheckValue&)>& compute)
{
    int count = 0;
    for (const CheckValue& c : PublishedCheckValues) {
        if (std::strcmp(c.equation, equation) != 0)
            continue;
        ++count;
        EXPECT_NEAR(compute(c), c.expected, c.halfUnit)
            << equation << " " << c.output << " at " << c.name1 << "=" << c.value1 << " " << c.name2 << "=" << c.value2;
    }
    return count;
}

} // namespace vq::test
