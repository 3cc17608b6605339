#include "text/JsonText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(JsonTextTest, StringsAreEscapedAndNumbersReadBack) {
    const struct {
        const char* text;
        const char* json;
    } strings[] = {
        {"plain.csv", "\"plain.csv\""},
        {"a \"quoted\" \\ name", "\"a \\\"quoted\\\" \\\\ name\""},
        {"tab\tline\nbell\a", "\"tab\\u0009line\\u000abell\\u0007\""},
        {"測定 Ω.s1p", "\"測定 Ω.s1p\""},
    };
    for (const auto& row : strings) EXPECT_EQ(jsonString(row.text), row.json) << row.text;

    const struct {
        double value;
        const char* json;
    } numbers[] = {
        {0.1, "0.1"}, {-2.5e-12, "-2.5e-12"}, {100, "100"}, {INFINITY, "null"}, {NAN, "null"}};
    for (const auto& row : numbers) EXPECT_EQ(jsonNumber(row.value), row.json) << row.value;
}

}  // namespace
