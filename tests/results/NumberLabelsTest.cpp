// The numbers the response window's axes, readout and resonance list show.

#include <gtest/gtest.h>

#include <cmath>

#include "response/LogScale.h"
#include "results/NumberLabels.h"

namespace {

TEST(NumberLabelsTest, SiPrefixesKeepTheNumberBelowAThousand) {
    struct Row {
        double value;
        const char* unit;
        const char* shown;
    };
    const Row rows[] = {
        {1591.5497620314795, "Hz", "1.59155 kHz"},
        {999.9996, "Hz", "1 kHz"},  // rounding to six digits carries into the prefix
        {4.7e-6, "F", "4.7 µF"},
        {-2500, "Ω", "-2.5 kΩ"},
        {50, "Ω", "50 Ω"},
        {0, "Hz", "0 Hz"},
        {1e-15, "F", "0.001 pF"},  // no prefix below pico
    };
    for (const Row& row : rows)
        EXPECT_EQ(siText(row.value, QString::fromUtf8(row.unit)), QString::fromUtf8(row.shown))
            << row.value;
    EXPECT_EQ(siCompact(1e6), QStringLiteral("1M"));
    EXPECT_EQ(siCompact(0.01), QStringLiteral("10m"));
}

TEST(NumberLabelsTest, LogAxesAreLabelledAtDecadesOrFinerSteps) {
    struct Row {
        double low, high;  // decades
        std::vector<double> values;
    };
    const Row rows[] = {
        {0, 7, {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7}},
        {1, 2.5, {10, 20, 50, 100, 200}},
        {3, 3.5, {1000, 2000, 3000}},
        {3, 3.01, {1000, std::pow(10, 3.01)}},  // no tick inside but one: the two ends
    };
    for (const Row& row : rows) {
        std::vector<double> values;
        for (double tick : logTicks(row.low, row.high)) values.push_back(std::pow(10, tick));
        ASSERT_EQ(values.size(), row.values.size()) << row.low << " to " << row.high;
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_NEAR(values[i], row.values[i], 1e-9 * row.values[i]);
    }
}

}  // namespace
