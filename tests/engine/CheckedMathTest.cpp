#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

#include "engine/CheckedMath.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CheckedMathTest, CheckedPassesFiniteValuesAndRejectsTheRest) {
    struct Case {
        const char* name;
        double value;
        bool faults;
    };
    const Case cases[] = {
        {"ordinary value", -12.5, false},
        {"largest double", DBL_MAX, false},
        {"subnormal from an underflow", DBL_MIN / 4, false},
        {"overflow to +inf", kInf, true},
        {"overflow to -inf", -kInf, true},
        {"0/0", kNaN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.faults) {
            EXPECT_THROW(checked(c.value), ArithmeticError);
        } else {
            EXPECT_EQ(checked(c.value), c.value);
        }
    }
}

TEST(CheckedMathTest, CheckedDivFaultsOnZeroDivisorAndOverflowOnly) {
    struct Case {
        const char* name;
        double dividend, divisor;
        bool faults;
        double quotient;
    };
    const Case cases[] = {
        {"ordinary quotient", 1.0, 4.0, false, 0.25},
        {"zero dividend", 0.0, -5.0, false, -0.0},
        {"underflow to zero is no fault", 1e-300, 1e300, false, 0.0},
        {"division by zero", 1.0, 0.0, true, 0},
        {"division by negative zero", -3.0, -0.0, true, 0},
        {"0/0", 0.0, 0.0, true, 0},
        {"overflow", DBL_MAX, 0.5, true, 0},
        {"infinite dividend", kInf, 2.0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.faults) {
            EXPECT_THROW(checkedDiv(c.dividend, c.divisor), ArithmeticError);
        } else {
            EXPECT_EQ(checkedDiv(c.dividend, c.divisor), c.quotient);
        }
    }
}

}  // namespace
