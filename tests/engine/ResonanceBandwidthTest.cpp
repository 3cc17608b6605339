// Q and the −3 dB band of a resonance against the closed forms of series and parallel R, L, C.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/ImpedanceArithmetic.h"
#include "engine/ResonanceBandwidth.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

// C under L under R, stacked and closed by two lines between each pair.
CircuitModel parallelRlc(double r, double l, double c) {
    CircuitModel model = drawing::emptyModel();
    drawing::stack(model, 11, 6);
    drawing::placePartAt(model, 1, 3600, 1650);
    drawing::placeVLine(model, 3, 4710, 1650);
    drawing::placeVLine(model, 4, 3600, 1650);
    model.slotValue[1] = r, model.slotValue[6] = l, model.slotValue[11] = c;
    return model;
}

// With the calculation's own 2π, as the plan forms ωL and 1/ωC.
double resonantFrequency(double l, double c) {
    return 1 / (kCalculationTwoPi * std::sqrt(l * c));
}

TEST(ResonanceBandwidthTest, QOfSeriesAndParallelRlcFollowsTheClosedForm) {
    struct Row {
        const char* what;
        bool series;
        double r, l, c;
    };
    const Row rows[] = {
        {"series, Q 10", true, 10, 1e-3, 1e-7},        {"series, Q 0.8", true, 125, 1e-3, 1e-7},
        {"series, Q 3000", true, 0.01, 1e-6, 1e-9},    {"parallel, Q 10", false, 1e3, 1e-3, 1e-7},
        {"parallel, Q 250", false, 5e5, 1e-2, 2.5e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const CircuitModel model =
            row.series ? drawing::seriesRlc(row.r, row.l, row.c) : parallelRlc(row.r, row.l, row.c);
        const double f0 = resonantFrequency(row.l, row.c);
        const Resonance::Kind kind =
            row.series ? Resonance::Kind::Minimum : Resonance::Kind::Maximum;
        const std::optional<Bandwidth> band = bandwidthAround(ReductionPlan(model), {kind, f0});
        ASSERT_TRUE(band.has_value());
        const double q =
            row.series ? std::sqrt(row.l / row.c) / row.r : row.r * std::sqrt(row.c / row.l);
        EXPECT_NEAR(band->q / q, 1, 1e-7);
        // Both kinds are symmetric on a logarithmic axis: the edges' product is f0².
        EXPECT_NEAR(band->low * band->high / (f0 * f0), 1, 1e-7);
    }
}

TEST(ResonanceBandwidthTest, UndefinedWhereThereIsNoBand) {
    struct Row {
        const char* what;
        CircuitModel model;
        Resonance resonance;
    };
    const double f0 = resonantFrequency(1e-3, 1e-7);
    const Row rows[] = {
        {"a phase zero", drawing::seriesRlc(10, 1e-3, 1e-7), {Resonance::Kind::PhaseZero, f0}},
        {"a minimum of 0 Ω", drawing::seriesRlc(0, 1e-3, 1e-7), {Resonance::Kind::Minimum, f0}},
        {"a pole", parallelRlc(1e300, 1e-3, 1e-7), {Resonance::Kind::Maximum, f0}},
        // Heavily damped: |Z| never reaches √2 times its least value within a factor of 1000.
        {"no edge in reach", drawing::seriesRlc(1e6, 1e-3, 1e-7), {Resonance::Kind::Minimum, f0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_FALSE(bandwidthAround(ReductionPlan(row.model), row.resonance).has_value());
    }
}

}  // namespace
