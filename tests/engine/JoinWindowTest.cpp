#include <gtest/gtest.h>

#include <limits>

#include "engine/JoinWindow.h"

namespace {

TEST(JoinWindowTest, BoundsTakeThePrecisionOfTheirCoordinate) {
    // Around 2^25 a float steps by 2 below and by 4 above: 2^25 - 201 rounds up to
    // 33554232 and 2^25 + 201 down to 33554632, so the single window is narrower.
    const double reference = 33554432.0;
    const JoinWindow fromDouble = spanWindow(0.0, reference, reference, 201.0f);
    const JoinWindow fromSingle =
        spanWindow(0.0, static_cast<float>(reference), static_cast<float>(reference), 201.0f);
    EXPECT_TRUE(fromDouble.contains(0, 33554231.5));
    EXPECT_FALSE(fromSingle.contains(0, 33554231.5));
    EXPECT_TRUE(fromDouble.contains(0, 33554632.5));
    EXPECT_FALSE(fromSingle.contains(0, 33554632.5));
}

TEST(JoinWindowTest, NonFiniteReferenceFaults) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(pointWindow(inf, 0.0, 200.0f), ArithmeticError);
    EXPECT_THROW(pointWindow(0.0, static_cast<float>(-inf), 200.0f), ArithmeticError);
    EXPECT_THROW(pointWindow(0.0, std::numeric_limits<double>::quiet_NaN(), 200.0f),
                 ArithmeticError);
}

}  // namespace
