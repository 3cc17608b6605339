#include "fit/NoiseFloor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/fit/FitDrawings.h"

namespace {

using fit_drawing::chainOf;

// 10 ohm, 1 mH, 1 kohm across 1 uF in series: a slope, a series resonance and a plateau.
CircuitModel rlcChain(double capacitor = 1e-6) {
    return chainOf({{{1, 10}}, {{6, 1e-3}}, {{2, 1000}, {11, capacitor}}});
}

std::vector<Complex> impedanceOf(const CircuitModel& model, const std::vector<double>& f) {
    std::vector<std::optional<PlanResult>> results(f.size());
    ReductionPlan(model).evaluateEach(f, results);
    std::vector<Complex> z;
    for (const auto& r : results) z.push_back(r.value().z);
    return z;
}

// The estimate is the noise put in, whether the model is the truth or a little off, whatever the
// number and the order of the points; without noise it is all but 0.
TEST(NoiseFloorTest, ReadsTheNoiseOfTheMeasurement) {
    struct Row {
        const char* name;
        double noise;
        int points;
        double modelCapacitor;  // the truth is 1 uF
        bool reversed;
    } rows[] = {
        {"1 % at the truth", 0.01, 200, 1e-6, false},
        {"0.3 % at the truth", 0.003, 200, 1e-6, false},
        {"3 % at the truth", 0.03, 200, 1e-6, false},
        {"1 %, the model's capacitor 5 % off", 0.01, 200, 1.05e-6, false},
        {"1 %, 60 points", 0.01, 60, 1e-6, false},
        {"1 %, points in falling frequency", 0.01, 200, 1e-6, true},
        {"none", 0.0, 200, 1e-6, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<MeasuredPoint> points =
            fit_drawing::measure(rlcChain(), 10, 1e6, row.points, row.noise, 7);
        if (row.reversed) std::reverse(points.begin(), points.end());
        std::vector<double> f;
        std::vector<Complex> measured;
        for (const MeasuredPoint& p : points) f.push_back(p.frequency), measured.push_back(p.z);
        const std::optional<double> noise =
            NoiseFloor::estimate(f, measured, impedanceOf(rlcChain(row.modelCapacitor), f));
        ASSERT_TRUE(noise.has_value());
        EXPECT_NEAR(*noise, row.noise, 0.15 * row.noise + 1e-9);
    }
}

TEST(NoiseFloorTest, NeedsThreePoints) {
    const std::vector<double> f = {10, 100};
    const std::vector<Complex> z = {{1, 1}, {2, 1}};
    EXPECT_FALSE(NoiseFloor::estimate(f, z, z).has_value());
}

}  // namespace
