// The search as the caller sees it through ImpedanceFit: MultiStartSearch's header names Eigen
// types, which the tests do not build with.
#include <gtest/gtest.h>

#include <cstdint>

#include "fit/ImpedanceFit.h"
#include "tests/fit/FitDrawings.h"
#include "tests/fit/RandomFitCase.h"

namespace {

constexpr double kNoise = 0.01;

fit_drawing::FitCase randomCase(std::uint64_t seed, int index) {
    fit_drawing::RandomFitCase generator(seed, kNoise, 200);
    fit_drawing::FitCase c = generator.next();
    for (int i = 0; i < index; ++i) c = generator.next();
    return c;
}

// Drawn values off by a factor of 2 to 4 lead the first descent to the noise floor, and the
// search ends there; where the first descent ends in a valley of its own (a random problem with
// a coil and a capacitor that run off together), the search goes on until it finds the way.
TEST(MultiStartSearchTest, EndsOnceADescentReachesTheNoiseFloor) {
    const CircuitModel truth =
        fit_drawing::chainOf({{{1, 10}}, {{6, 1e-3}}, {{2, 1000}, {11, 1e-6}}});
    fit_drawing::FitCase near{truth, truth, fit_drawing::measure(truth, 10, 1e6, 200, kNoise, 4)};
    near.drawn.slotValue[1] *= 2, near.drawn.slotValue[2] *= 0.3;
    near.drawn.slotValue[6] *= 3, near.drawn.slotValue[11] *= 4;
    struct Row {
        const char* name;
        fit_drawing::FitCase problem;
        bool oneStart;
    } rows[] = {
        {"drawn values near", near, true},
        {"a first descent that loses a pair", randomCase(20240601, 92), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FitResult r = ImpedanceFit(row.problem.drawn, row.problem.points, {}).run();
        EXPECT_LT(r.rmsRelativeResidualPercent, 1.5 * 100 * kNoise);
        EXPECT_EQ(r.startsRun == 1, row.oneStart) << r.startsRun;
    }
}

// Random problems the search once left short of the noise floor: series coils and capacitors
// that had run off together until the pair vanished, and sharp resonances.
TEST(MultiStartSearchTest, ReachesTheNoiseFloorWhereItOnceWasTrapped) {
    struct Row {
        std::uint64_t seed;
        int index;
    } rows[] = {{20240601, 11},  {20240601, 92}, {20240601, 259}, {20240601, 583},
                {20240601, 831}, {777, 22},      {777, 418}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "seed " << row.seed << ", case " << row.index);
        const fit_drawing::FitCase c = randomCase(row.seed, row.index);
        const FitResult r = ImpedanceFit(c.drawn, c.points, {}).run();
        EXPECT_LT(r.rmsRelativeResidualPercent, 1.5 * 100 * kNoise);
    }
}

}  // namespace
