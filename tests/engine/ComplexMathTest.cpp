#include <gtest/gtest.h>

#include <cfloat>
#include <optional>

#include "engine/ArithmeticError.h"
#include "engine/ComplexMath.h"

namespace {

struct BinaryCase {
    const char* name;
    Complex a, b;
    std::optional<Complex> expected;  // empty: the operation raises the arithmetic error
};

void expectComplex(const Complex& actual, const Complex& expected) {
    EXPECT_DOUBLE_EQ(actual.re, expected.re);
    EXPECT_DOUBLE_EQ(actual.im, expected.im);
}

TEST(ComplexMathTest, Add) {
    const BinaryCase cases[] = {
        {"components add", {1, 2}, {3, -5}, Complex{4, -3}},
        {"overflow", {DBL_MAX, 0}, {DBL_MAX, 0}, std::nullopt},
    };
    for (const BinaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            expectComplex(ComplexAdd(c.a, c.b), *c.expected);
        } else {
            EXPECT_THROW(ComplexAdd(c.a, c.b), ArithmeticError);
        }
    }
}

TEST(ComplexMathTest, Div) {
    const BinaryCase cases[] = {
        {"by a pure imaginary", {1, 0}, {0, 2}, Complex{0, -0.5}},
        {"general quotient", {11, 2}, {3, 4}, Complex{1.64, -1.52}},
        {"by zero", {1, 1}, {0, 0}, std::nullopt},
        // 1e-200 squared underflows to 0: the division is 0/0 although the divisor is not zero.
        {"by a divisor whose squared modulus underflows", {1, 0}, {0, 1e-200}, std::nullopt},
        {"by a divisor whose squared modulus overflows", {1, 0}, {1e200, 0}, std::nullopt},
    };
    for (const BinaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            expectComplex(ComplexDiv(c.a, c.b), *c.expected);
        } else {
            EXPECT_THROW(ComplexDiv(c.a, c.b), ArithmeticError);
        }
    }
}

TEST(ComplexMathTest, Recip) {
    struct Case {
        const char* name;
        Complex z;
        std::optional<Complex> expected;
    };
    const Case cases[] = {
        {"4 + j3", {4, 3}, Complex{0.16, -0.12}},
        {"pure resistance", {100, 0}, Complex{0.01, 0}},
        {"0 + j0", {0, 0}, std::nullopt},
        {"0 + j1e-200", {0, 1e-200}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            expectComplex(ComplexRecip(c.z), *c.expected);
        } else {
            EXPECT_THROW(ComplexRecip(c.z), ArithmeticError);
        }
    }
}

TEST(ComplexMathTest, Abs) {
    struct Case {
        const char* name;
        Complex z;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"3 - j4", {3, -4}, 5.0},
        {"0 + j0", {0, 0}, 0.0},
        {"squares that underflow give 0 without fault", {1e-200, -1e-200}, 0.0},
        {"square that overflows", {1e200, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            EXPECT_DOUBLE_EQ(ComplexAbs(c.z), *c.expected);
        } else {
            EXPECT_THROW(ComplexAbs(c.z), ArithmeticError);
        }
    }
}

}  // namespace
