#include "text/NumberText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "text/NumericText.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kSmallestDenormal = std::numeric_limits<double>::denorm_min();

// Shortest round-trip text of x, to name a row in a failure message.
std::string exact(double x) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, x).ptr;
    return std::string(buf, end);
}

struct FormCase {
    double x;
    std::string text;
};

void expectForm(std::string (*form)(double), std::initializer_list<FormCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE("x = " + exact(c.x) + ", expected \"" + c.text + "\"");
        EXPECT_EQ(form(c.x), c.text);
    }
}

TEST(PlainTextTest, OrdinaryNumbers) {
    expectForm(plainText, {{0.0, "0"},
                           {-0.0, "0"},
                           {1, "1"},
                           {-1, "-1"},
                           {100, "100"},
                           {3615, "3615"},
                           {50000, "50000"},
                           {5e10, "50000000000"},
                           {0.5, "0.5"},
                           {-0.5, "-0.5"},
                           {0.1, "0.1"},
                           {1.5, "1.5"},
                           {1.235, "1.235"},
                           {-28.594, "-28.594"},
                           {123456.789, "123456.789"}});
}

TEST(PlainTextTest, AtMostFifteenSignificantDigits) {
    expectForm(plainText, {{0.1 + 0.2, "0.3"},
                           {1.0 / 3, "0.333333333333333"},
                           {2.0 / 3, "0.666666666666667"},
                           {-2.0 / 3, "-0.666666666666667"},
                           {12.3456789012345678, "12.3456789012346"},
                           {123456789012345.6, "123456789012346"},
                           {1e20 / 3, "3.33333333333333E+19"},
                           {123456789012345678.0, "1.23456789012346E+17"},
                           {kMax, "1.79769313486232E+308"},
                           {kSmallestDenormal, "5E-324"}});
}

TEST(PlainTextTest, ExponentThresholds) {
    expectForm(plainText,
               {{999999999999999, "999999999999999"},
                {-999999999999999, "-999999999999999"},
                {1e15, "1E+15"},
                {-1e15, "-1E+15"},
                // 999999999999999.875 rounds to 1E+15 at 15 digits and is written as that.
                {std::nextafter(1e15, 0.0), "1E+15"},
                {1.5e20, "1.5E+20"},
                {1e300, "1E+300"},
                {0.0001, "0.0001"},
                {-0.0001, "-0.0001"},
                {0.00012, "0.00012"},
                {std::nextafter(1e-4, 0.0), "0.0001"},
                {0.0000999, "9.99E-05"},
                {1e-5, "1E-05"},
                {-2.5e-7, "-2.5E-07"},
                {1e-100, "1E-100"}});
}

TEST(PlainTextTest, NonFiniteValuesStayReadable) {
    expectForm(plainText, {{kInf, "inf"}, {-kInf, "-inf"}, {kNaN, "nan"}});
}

TEST(SignedTextTest, Forms) {
    expectForm(signedText, {{4.7, " 4.7"},
                            {0.5, " .5"},
                            {-0.5, "-.5"},
                            {0.0001, " .0001"},
                            {2.0 / 3, " .666666666666667"},
                            {100, " 100"},
                            {1, " 1"},
                            {-3, "-3"},
                            {0.0, " 0"},
                            {-0.0, " 0"},
                            {1e-5, " 1E-05"},
                            {1e15, " 1E+15"},
                            {-1.5e20, "-1.5E+20"},
                            {kInf, " inf"},
                            {-kInf, "-inf"}});
}

TEST(WholeTextTest, RoundsHalvesAwayFromZero) {
    expectForm(wholeText, {{0.0, "0"},
                           {-0.0, "0"},
                           {3, "3"},
                           {-40, "-40"},
                           {0.4, "0"},
                           {-0.4, "0"},
                           {0.49999999999999994, "0"},
                           {0.5, "1"},
                           {-0.5, "-1"},
                           {2.5, "3"},
                           {-2.5, "-3"},
                           {1.4999, "1"},
                           {1234.5678, "1235"},
                           {-1234.5678, "-1235"}});
}

TEST(WholeTextTest, LargeValuesWithoutExponent) {
    expectForm(wholeText, {{999999999999999, "999999999999999"},
                           {1e15, "1000000000000000"},
                           {1e20, "100000000000000000000"},
                           {-1e20, "-100000000000000000000"},
                           {1e23, "1" + std::string(23, '0')},
                           {123456789012345678.0, "123456789012346000"},
                           {kMax, "179769313486232" + std::string(294, '0')}});
}

TEST(WholeTextTest, NonFiniteValuesAreHarmless) {
    expectForm(wholeText, {{kInf, "0"}, {-kInf, "0"}, {kNaN, "0"}});
}

double readBack(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(ec, std::errc{}) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

// Any double written with 15 digits or fewer must come back unchanged from its plain form, through
// the program's own reader as well.
TEST(PlainTextTest, RoundTripsWhenFifteenDigitsSuffice) {
    const NumberSeparators sep{".", ","};
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<long long> mantissa(1, 999'999'999'999'999);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int i = 0; i < 20000; ++i) {
        const std::string digits = std::to_string(mantissa(random)).substr(0, digitCount(random));
        const std::string source =
            (i % 2 ? "-" : "") + digits + "e" + std::to_string(exponent(random));
        double x = 0;
        const auto [end, ec] = std::from_chars(source.data(), source.data() + source.size(), x);
        if (ec != std::errc{} || x == 0) continue;

        const std::string text = plainText(x);
        SCOPED_TRACE(source + " shown as " + text);
        ASSERT_EQ(readBack(text), x);
        ASSERT_TRUE(isNumericText(text, sep));
        ASSERT_EQ(readLeadingNumber(text, sep), x);
    }
}

// Doubles that need 16 or 17 digits come back within the rounding to 15 digits.
TEST(PlainTextTest, ArbitraryDoublesKeepFifteenDigits) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (!std::isnormal(x)) continue;

        const std::string text = plainText(x);
        SCOPED_TRACE(text);
        std::string_view mantissa = std::string_view(text).substr(0, text.find('E'));
        mantissa.remove_prefix(mantissa.find_first_of("123456789"));
        ASSERT_LE(std::count_if(mantissa.begin(), mantissa.end(),
                                [](char c) { return c >= '0' && c <= '9'; }),
                  15);
        ASSERT_LE(std::fabs(readBack(text) - x), std::fabs(x) * 5.1e-15);
    }
}

TEST(NumberTextTest, PlainFormWithTheLocalesDecimalSeparator) {
    EXPECT_EQ(plainText(1.235, ","), "1,235");
    EXPECT_EQ(plainText(-28.594, ","), "-28,594");
    EXPECT_EQ(plainText(100, ","), "100");
    EXPECT_EQ(plainText(1.5e20, ","), "1,5E+20");
    EXPECT_EQ(plainText(0.5, "."), "0.5");
}

}  // namespace
