#include "text/NumericText.h"

#include <clocale>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

const NumberSeparators kEnglish{".", ","};
const NumberSeparators kGerman{",", "."};
const NumberSeparators kFrench{",", "\u202f"};
const NumberSeparators kNarrowSpaceGroups{".", "\u202f"};
const NumberSeparators kArabic{"\u066b", "\u066c"};

using Texts = std::initializer_list<std::string>;

void expectNumeric(const NumberSeparators& sep, Texts numbers, Texts notNumbers) {
    for (const auto& text : numbers) {
        EXPECT_TRUE(isNumericText(text, sep)) << "text \"" << text << "\"";
    }
    for (const auto& text : notNumbers) {
        EXPECT_FALSE(isNumericText(text, sep)) << "text \"" << text << "\"";
    }
}

TEST(NumericTextTest, BlanksSignsAndDigits) {
    expectNumeric(kEnglish, {"0", "007", "12", " 12 ", "\t12\t", "   -3", "+5", "-5", "-0"},
                  {"", " ", "\t \t", "-", "+", "- 5", "--5", "+-5", "5-", "1 2", "\n5", "\u00a05",
                   "\uff11", "abc", "12abc", "a12"});
}

TEST(NumericTextTest, DecimalPoint) {
    expectNumeric(kEnglish, {".5", "5.", "-.5", "+.5", "3.25", " 0.001 "},
                  {".", "-.", "1.2.3", "1..2", ". 5"});
}

// Every step of typing "1,000.5" key by key is a number; groups of any size are accepted so that
// the digits can follow one by one.
TEST(NumericTextTest, ThousandsSeparators) {
    expectNumeric(kEnglish,
                  {"1,", "1,0", "1,00", "1,000", "1,000.", "1,000.5", "1,000,000", "12,34",
                   "-1,000", "1, ", "1,000e3"},
                  {",", ",1", "-,1", "1,,0", "1,,", "1,.5", "1,e5", "1.0,0", "1.,5", ".5,0",
                   "1e1,0", "1 000"});
}

TEST(NumericTextTest, Exponents) {
    expectNumeric(kEnglish,
                  {"1e5", "1E5", "1e+5", "1e-5", "1.5e3", ".5e1", "5.e2", "-2.5E-07 ",
                   "1e0000000000000000000000000005",
                   // unfinished exponents, so that "1.5E-3" can be typed key by key
                   "1e", "1.5E", "1.5E-", "1e+ "},
                  {"e5", ".e5", "1e5.5", "1e5e", "1e 5", "1e--5", "1ex", "1e+-", "-e", "1,e"});
}

TEST(NumericTextTest, TextsNoDoubleCanHoldAreRefused) {
    const std::string hundredsOfNines(400, '9');
    expectNumeric(
        kEnglish,
        {"1.7976931348623157e308", "-1.7976931348623157e308",
         // Far below the smallest double: these read as 0, a usable value.
         "1e-999", "1e-99999999999999999999", "0." + hundredsOfNines, hundredsOfNines + "e-500"},
        {"inf", "INF", "-inf", "infinity", "Infinity", "nan", "NaN", "-nan", "0x1p3", "0x10",
         "1e999", "-1e999", "1.8e308", "1e99999999999999999999", hundredsOfNines,
         "1" + hundredsOfNines + ","});
}

TEST(NumericTextTest, DecimalCommaLocale) {
    expectNumeric(kGerman, {"1,5", "-,5", "1.000", "1.", "1.000,25", "1,5e3", "1.5"},
                  {"1,5,3", "1,5.0", ".5", "1..0"});
}

TEST(NumericTextTest, MultiByteSeparators) {
    expectNumeric(kNarrowSpaceGroups, {"1\u202f000", "1\u202f", "12\u202f345.5"},
                  {"1\u202f\u202f0", "\u202f1", "1\xe2\x80", "1,000"});
    expectNumeric(kFrench, {"1\u202f000,5", "-0,25"}, {"0.25"});
    expectNumeric(kArabic, {"1\u066b5", "1\u066c000\u066b5"}, {"1.5"});
}

TEST(NumericTextTest, DecimalPointWinsOverAnEqualSeparator) {
    expectNumeric({",", ","}, {"1,5"}, {"1,5,0"});
}

TEST(NumericTextTest, EmptySeparatorsNeverMatch) {
    expectNumeric({"", ""}, {"12"}, {"1.5", "1,5"});
}

TEST(NumericTextTest, SystemSeparatorsOfTheCLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const NumberSeparators sep = systemSeparators();
    EXPECT_EQ(sep.decimalPoint, ".");
    EXPECT_EQ(sep.thousands, ",");
    EXPECT_TRUE(isNumericText("1,000.5"));
    EXPECT_EQ(readLeadingNumber("2.5"), 2.5);
}

struct ReadCase {
    std::string text;
    double value;
};

void expectRead(const NumberSeparators& sep, std::initializer_list<ReadCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const double value = readLeadingNumber(c.text, sep);
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_EQ(value, c.value);
    }
}

TEST(ReadLeadingNumberTest, PlainNumbers) {
    expectRead(kEnglish, {{"0", 0},
                          {"12", 12},
                          {"  12", 12},
                          {"\t-3.5", -3.5},
                          {"+7", 7},
                          {"3 ", 3},
                          {".5", 0.5},
                          {"-.5", -0.5},
                          {"5.", 5},
                          {"0.1", 0.1},
                          {"1e3", 1000},
                          {"1E-2", 0.01},
                          {"-2.5E-07", -2.5e-7},
                          {"1.7976931348623157e308", 1.7976931348623157e308},
                          {"4e-320", 4e-320}});
}

TEST(ReadLeadingNumberTest, StopsWhereAPlainNumberCannotGoOn) {
    expectRead(kEnglish, {{"1,000", 1},
                          {"1,000.5", 1},
                          {"12abc", 12},
                          {"1 000", 1},
                          {"1.2.3", 1.2},
                          {"1e", 1},
                          {"1e+", 1},
                          {"2ex", 2},
                          {"1e5e3", 1e5},
                          {"1e5.5", 1e5},
                          {"0x1p3", 0},
                          {"-1-2", -1}});
}

TEST(ReadLeadingNumberTest, NothingReadableIsZero) {
    expectRead(kEnglish, {{"", 0},
                          {"   ", 0},
                          {"abc", 0},
                          {".", 0},
                          {"-", 0},
                          {"- 5", 0},
                          {"--5", 0},
                          {",5", 0},
                          {"e5", 0},
                          {"inf", 0},
                          {"-infinity", 0},
                          {"nan", 0}});
}

TEST(ReadLeadingNumberTest, OutOfRangeIsZero) {
    expectRead(kEnglish, {{"1e999", 0},
                          {"-1e999", 0},
                          {"1e99999999999999999999", 0},
                          {std::string(400, '9'), 0},
                          {"1e-999", 0},
                          {"0." + std::string(400, '0') + "1", 0},
                          {"1e0000000000000000000000000005", 1e5}});
}

TEST(ReadLeadingNumberTest, LocaleDecimalPoint) {
    expectRead(kGerman, {{"1,5", 1.5}, {"-,25", -0.25}, {"1.000", 1}, {"1.5", 1}, {"1,5e3", 1500}});
    expectRead(kFrench, {{"1\u202f000,5", 1}, {"2,75", 2.75}});
    expectRead(kArabic, {{"1\u066b5", 1.5}, {"1\u066c000", 1}});
}

}  // namespace
