#include "fit/ImpedanceFit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/SpiceNetlist.h"
#include "tests/Ngspice.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/fit/FitDrawings.h"
#include "tests/fit/RandomFitCase.h"

namespace {

using fit_drawing::chainOf;
using fit_drawing::Column;
using fit_drawing::measure;

constexpr double kNoise = 0.01;

// The drawing as the user has it: every value off from the truth by the factors in turn.
CircuitModel drawnFrom(const CircuitModel& truth, const std::vector<double>& factors) {
    CircuitModel drawn = truth;
    std::size_t k = 0;
    for (int s = 1; s <= kSlotCount; ++s)
        if (drawn.slotUsed[s] && kindOfSlot(s) != PartKind::Impedance)
            drawn.slotValue[s] *= factors[k++ % factors.size()];
    return drawn;
}

const std::vector<Column> kSeriesRlc = {{{1, 100}}, {{6, 1e-3}}, {{11, 1e-6}}};

// 50 ohm in series with 100 nF across (1 kohm in series with 1 uF). Sections of a resistor and
// a capacitor in parallel, chained, would not do: swapped, they have the same impedance.
CircuitModel rcLadder() {
    return chainOf({{{2, 1000}}, {{12, 1e-6}}, {{1, 50}}}, fit_drawing::Part{11, 1e-7});
}

int freeValues(const CircuitModel& model, const std::vector<int>& fixed) {
    int count = 0;
    for (int s = 1; s <= kSlotCount; ++s)
        count += model.slotUsed[s] && kindOfSlot(s) != PartKind::Impedance;
    return count - static_cast<int>(fixed.size());
}

struct RecoveryCase {
    const char* name;
    CircuitModel truth;
    double low, high;  // hertz
    std::vector<int> fixed;
    Weighting weighting = Weighting::Modulus;
};

// Every free value within three of its reported standard errors of the truth, at the noise level,
// the fixed ones untouched, for several noise draws.
TEST(ImpedanceFitTest, RecoversGeneratedValuesWithinTheirUncertainties) {
    const RecoveryCase cases[] = {
        {"series RLC", chainOf(kSeriesRlc), 100, 1e6, {}},
        {"RC ladder", rcLadder(), 1, 1e6, {}},
        {"resistor fixed, tank free",
         chainOf({{{1, 100}}, {{6, 1e-3}, {11, 1e-6}}}),
         100,
         1e6,
         {1}},
        {"series RLC, unit weighting", chainOf(kSeriesRlc), 100, 1e6, {}, Weighting::Unit},
        {"series RLC, proportional weighting",
         chainOf(kSeriesRlc),
         100,
         1e6,
         {},
         Weighting::Proportional},
    };
    for (const RecoveryCase& c : cases) {
        const CircuitModel& truth = c.truth;
        FitOptions options;
        options.weighting = c.weighting;
        for (const int s : c.fixed) options.fixed[s] = 1;
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(testing::Message() << c.name << ", noise draw " << seed);
            CircuitModel drawn = drawnFrom(truth, {3, 0.4, 2.5, 0.5});
            for (const int s : c.fixed) drawn.slotValue[s] = truth.slotValue[s];
            const FitResult r =
                ImpedanceFit(drawn, measure(truth, c.low, c.high, 200, kNoise, seed), options)
                    .run();
            EXPECT_TRUE(r.converged) << describe(r.stop);
            EXPECT_LT(r.rmsRelativeResidualPercent, 1.5 * 100 * kNoise);
            EXPECT_EQ(static_cast<int>(r.values.size()), freeValues(truth, c.fixed));
            for (const FittedValue& v : r.values) {
                ASSERT_TRUE(v.stdErr.has_value()) << v.name;
                EXPECT_LT(std::fabs(v.value - truth.slotValue[v.slot]), 3 * *v.stdErr) << v.name;
            }
            for (const int s : c.fixed) EXPECT_EQ(r.slotValue[s], truth.slotValue[s]);
        }
    }
}

// The reported errors are the scatter of the fitted values over noise draws, neither much
// smaller nor much larger: in units of their own standard error, the misses of many fits have
// an rms near 1.
TEST(ImpedanceFitTest, StandardErrorsMatchTheScatterOverNoiseDraws) {
    const CircuitModel truth = rcLadder();
    double sumOfSquares = 0;
    int count = 0;
    for (std::uint64_t seed = 10; seed < 22; ++seed) {
        const FitResult r =
            ImpedanceFit(truth, measure(truth, 1, 1e6, 200, kNoise, seed), {}).run();
        for (const FittedValue& v : r.values) {
            ASSERT_TRUE(v.stdErr.has_value()) << v.name;
            const double miss = (v.value - truth.slotValue[v.slot]) / *v.stdErr;
            EXPECT_LT(std::fabs(miss), 4.0) << v.name << " with noise draw " << seed;
            sumOfSquares += miss * miss;
            ++count;
        }
    }
    const double rms = std::sqrt(sumOfSquares / count);
    EXPECT_GT(rms, 0.6);
    EXPECT_LT(rms, 1.5);
}

// Two resistors in series show only as their sum: both are named, neither gets an error, and
// the capacitor beside them is still determined.
TEST(ImpedanceFitTest, NamesValuesTheDataCannotDetermine) {
    const CircuitModel truth = chainOf({{{1, 100}}, {{2, 200}}, {{11, 1e-6}}});
    const FitResult r =
        ImpedanceFit(drawnFrom(truth, {2, 0.5, 3}), measure(truth, 10, 1e5, 200, kNoise, 5), {})
            .run();
    EXPECT_EQ(r.undeterminable, (std::vector<std::string>{"Picture1", "Picture2"}));
    EXPECT_LT(r.rmsRelativeResidualPercent, 1.5 * 100 * kNoise);
    for (const FittedValue& v : r.values) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(v.stdErr.has_value(), v.slot == 11);
        EXPECT_EQ(v.stdErrPercent.has_value(), v.slot == 11);
    }
    EXPECT_NEAR(r.slotValue[1] + r.slotValue[2], 300, 3);
    EXPECT_FALSE(r.correlation[0][2].has_value());
    EXPECT_TRUE(r.correlation[2][2].has_value());
}

TEST(ImpedanceFitTest, ListsPartsTheResultLeavesOut) {
    CircuitModel truth = chainOf(kSeriesRlc);
    drawing::placeValuedPart(truth, 3, 500, 500, 47);
    const FitResult r = ImpedanceFit(truth, measure(truth, 100, 1e6, 100, kNoise, 1), {}).run();
    EXPECT_EQ(r.notInResult, std::vector<std::string>{"Picture3"});
    EXPECT_EQ(r.values.size(), 3u);
    EXPECT_EQ(r.slotValue[3], 47);
}

// A bound that excludes the truth holds the value on it, where it gets no error; one that
// includes it changes nothing.
TEST(ImpedanceFitTest, KeepsValuesWithinTheirBounds) {
    struct Row {
        const char* name;
        ValueBounds coil;
        bool onBound;
    } rows[] = {
        {"upper bound below the truth", {std::nullopt, 5e-4}, true},
        {"lower bound above the truth", {2e-3, std::nullopt}, true},
        {"bounds around the truth", {1e-4, 1e-2}, false},
    };
    const CircuitModel truth = chainOf(kSeriesRlc);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FitOptions options;
        options.bounds[6] = row.coil;
        options.bounds[1] = {10, 1000};
        const FitResult r = ImpedanceFit(drawnFrom(truth, {3, 0.4, 2}),
                                         measure(truth, 100, 1e6, 200, kNoise, 2), options)
                                .run();
        for (const FittedValue& v : r.values) {
            const ValueBounds& b = options.bounds[v.slot];
            EXPECT_GE(v.value, b.min.value_or(0)) << v.name;
            EXPECT_LE(v.value, b.max.value_or(INFINITY)) << v.name;
        }
        const FittedValue& coil = r.values[1];
        ASSERT_EQ(coil.slot, 6);
        EXPECT_EQ(coil.atBound, row.onBound);
        EXPECT_EQ(coil.stdErr.has_value(), !row.onBound);
        if (row.onBound)
            EXPECT_NEAR(coil.value, row.coil.max ? *row.coil.max : *row.coil.min,
                        1e-3 * coil.value);
        else
            EXPECT_NEAR(coil.value, 1e-3, 3 * coil.stdErr.value_or(0));
    }
}

// A flag set before the run, or by the first progress report, ends it with what was found.
TEST(ImpedanceFitTest, StopsWhenCancelled) {
    const CircuitModel truth = rcLadder();
    const std::vector<MeasuredPoint> points = measure(truth, 1, 1e6, 200, kNoise, 3);
    const CircuitModel drawn = drawnFrom(truth, {3, 0.4, 2.5});
    for (const bool before : {true, false}) {
        SCOPED_TRACE(before ? "cancelled before the run" : "cancelled at the first report");
        std::atomic<bool> cancel = before;
        std::vector<FitProgress> reports;
        FitMonitor monitor{[&](const FitProgress& p) {
                               reports.push_back(p);
                               cancel = true;
                           },
                           &cancel};
        const FitResult r = ImpedanceFit(drawn, points, {}).run(monitor);
        EXPECT_EQ(r.stop, FitStop::Cancelled);
        EXPECT_FALSE(r.converged);
        EXPECT_EQ(r.startsRun, before ? 0 : 1);
        ASSERT_FALSE(reports.empty());
        if (!before) {
            EXPECT_LT(reports.front().done, reports.front().total);
        }
        EXPECT_EQ(r.values.size(), 4u);
    }
}

TEST(ImpedanceFitTest, RefusesUnusableInput) {
    const CircuitModel truth = chainOf(kSeriesRlc);
    const std::vector<MeasuredPoint> good = measure(truth, 100, 1e6, 20, 0, 1);
    struct Row {
        const char* name;
        std::vector<MeasuredPoint> points;
        ValueBounds bounds;
    } rows[] = {
        {"a frequency of 0", {{0, {1, 1}}, good[1]}, {}},
        {"an impedance that is not a number", {good[0], {100, {NAN, 1}}}, {}},
        {"an impedance of 0", {good[0], {100, {0, 0}}}, {}},
        {"bounds the wrong way round", good, {10, 1}},
        {"a bound of 0", good, {0, 1}},
        {"fewer residuals than values", {good[0]}, {}},
    };
    for (const Row& row : rows) {
        FitOptions options;
        options.bounds[1] = row.bounds;
        EXPECT_THROW(ImpedanceFit(truth, row.points, options), std::invalid_argument) << row.name;
    }
}

// Random networks of 2 to 6 free values with every drawn value off by up to a factor of 10:
// each fit reaches the noise level.
TEST(ImpedanceFitTest, ReachesTheNoiseLevelOnRandomNetworks) {
    fit_drawing::RandomFitCase cases(2024, kNoise, 200);
    for (int i = 0; i < 25; ++i) {
        const fit_drawing::FitCase c = cases.next();
        const FitResult r = ImpedanceFit(c.drawn, c.points, {}).run();
        EXPECT_LT(r.rmsRelativeResidualPercent, 1.5 * 100 * kNoise) << "case " << i;
    }
}

// An independent reading of the fitted drawing: ngspice, on the netlist of the drawing as wired
// with the fitted values, gives the measured impedance at each frequency it is asked about. (The
// ladder's bridge part is joined at one end only, which the calculation reads and the wiring
// does not: it is no drawing to compare with a netlist.)
TEST(ImpedanceFitTest, FittedDrawingMatchesTheDataInNgspice) {
    const struct {
        const char* name;
        CircuitModel truth;
    } rows[] = {{"series RLC", chainOf(kSeriesRlc)},
                {"100 Ω parallel to 1 µF, then 10 Ω and 1 mH",
                 chainOf({{{1, 100}, {11, 1e-6}}, {{2, 10}}, {{6, 1e-3}}})}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<MeasuredPoint> data = measure(row.truth, 10, 1e6, 60, 0.0, 7);
        const CircuitModel drawn = drawnFrom(row.truth, {3.0, 0.4, 2.5, 0.7});
        const FitResult result = ImpedanceFit(drawn, data, FitOptions{}).run();
        ASSERT_TRUE(result.converged) << describe(result.stop);
        CircuitModel fitted = drawn;
        fitted.slotValue = result.slotValue;
        for (std::size_t i = 0; i < data.size(); i += 11) {
            fitted.frequency = data[i].frequency;
            const SpiceNetlist netlist = WriteSpiceNetlist(fitted);
            ASSERT_EQ(netlist.refusal, SpiceNetlist::Refusal::None) << netlist.reason;
            const std::optional<Complex> spice = printedImpedance(runNgspice(netlist.text));
            ASSERT_TRUE(spice) << netlist.text;
            const Complex z = data[i].z;
            EXPECT_LE(std::hypot(spice->re - z.re, spice->im - z.im) / std::hypot(z.re, z.im), 1e-6)
                << data[i].frequency << " Hz";
        }
    }
}

}  // namespace
