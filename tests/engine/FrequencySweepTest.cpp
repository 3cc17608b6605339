#include "engine/FrequencySweep.h"
#include "engine/ResonanceCandidates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

#include "engine/Calculation.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/engine/DrawingGenerator.h"

namespace {

TEST(FrequencySweepTest, PointAtTheWorkingFrequencyEqualsTheCalculation) {
    CircuitModel model = drawing::seriesRlc(100, 0.1, 1e-5);
    model.frequency = 50;
    const std::vector<SweepPoint> points = SweepFrequencies(model, 50, 5000, 200);
    Calculate(model);
    ASSERT_EQ(points.size(), 200u);
    EXPECT_EQ(points.front().frequency, 50);
    EXPECT_EQ(points.back().frequency, 5000);
    EXPECT_EQ(points.front().z.re, model.resultRe);
    EXPECT_EQ(points.front().z.im, model.resultIm);
    EXPECT_EQ(model.frequency, 50) << "the sweep works on a copy";
}

TEST(FrequencySweepTest, SeriesResonanceIsFoundWithinOneStep) {
    const CircuitModel model = drawing::seriesRlc(10, 1e-3, 1e-6);
    const double f0 = 1 / (6.283184 * std::sqrt(1e-3 * 1e-6));
    const int count = 2000;
    const std::vector<SweepPoint> points = SweepFrequencies(model, 1, 1e7, count);
    const double step = std::pow(1e7, 1.0 / (count - 1));
    const std::vector<ResonanceCandidate> found = resonanceCandidates(points);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_NE(found[0].kind, found[1].kind);
    for (const ResonanceCandidate& r : found) {
        EXPECT_NE(r.kind, Resonance::Kind::Maximum);
        // The phase zero between its two points, the minimum at its point.
        const double f = points[r.index].frequency;
        EXPECT_GT(f, f0 / (r.kind == Resonance::Kind::Minimum ? step : 1.0));
        EXPECT_LT(f, f0 * step);
        EXPECT_LT(points[r.index - 1].frequency, f0);
    }
}

TEST(FrequencySweepTest, CapacitorAloneIsMinus90DegreesEverywhere) {
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 11, 3000, 3000);
    model.slotValue[11] = 1e-6;
    for (const SweepPoint& p : SweepFrequencies(model, 1, 1e7, 300)) {
        ASSERT_TRUE(p.valid) << p.frequency;
        EXPECT_EQ(p.phase, -90) << p.frequency;
    }
}

TEST(FrequencySweepTest, FailingFrequenciesLeaveGaps) {
    // A coil so large that the square of its reactance overflows above about 21 Hz.
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 6, 3000, 3000);
    model.slotValue[6] = 1e152;
    const std::vector<SweepPoint> points = SweepFrequencies(model, 1, 1000, 200);
    ASSERT_EQ(points.size(), 200u);
    EXPECT_TRUE(points.front().valid);
    EXPECT_FALSE(points.back().valid);
    for (const SweepPoint& p : points)
        EXPECT_EQ(p.valid, std::isfinite(std::pow(6.283184 * p.frequency * 1e152, 2)));
    EXPECT_TRUE(resonanceCandidates(points).empty());
}

TEST(FrequencySweepTest, FrequenciesAreEvenOnALogarithmicScale) {
    const struct {
        double start, stop;
        int count;
    } ranges[] = {{1, 1e7, 2000}, {50, 5000, 200}, {1e-3, 1e9, 131}, {10, 10.001, 2000}, {3, 7, 2}};
    const CircuitModel model = drawing::seriesRlc(10, 10e-3, 1e-6);
    for (const auto& r : ranges) {
        SCOPED_TRACE(testing::Message() << r.start << " to " << r.stop << " Hz in " << r.count);
        const std::vector<SweepPoint> points = SweepFrequencies(model, r.start, r.stop, r.count);
        ASSERT_EQ(points.size(), static_cast<std::size_t>(r.count));
        EXPECT_EQ(points.front().frequency, r.start);
        EXPECT_EQ(points.back().frequency, r.stop);
        const double logStep = std::log10(r.stop / r.start) / (r.count - 1);
        for (int i = 1; i < r.count; ++i) {
            const double even = r.start * std::pow(10.0, i * logStep);
            ASSERT_GT(points[i].frequency, points[i - 1].frequency) << i;
            EXPECT_NEAR(points[i].frequency / even, 1, 1e-12) << i;
        }
    }
}

TEST(FrequencySweepTest, EmptyRangesGiveNoPoints) {
    const CircuitModel model = drawing::seriesRlc(1, 1, 1);
    EXPECT_TRUE(SweepFrequencies(model, 0, 10, 200).empty());
    EXPECT_TRUE(SweepFrequencies(model, 10, 10, 200).empty());
    EXPECT_TRUE(SweepFrequencies(model, 10, 100, 1).empty());
}

TEST(FrequencySweepTest, ResonancesNeedValidNeighbours) {
    const auto point = [](double f, bool valid, double abs, double phase) {
        return SweepPoint{f, valid, {abs, 0}, phase};
    };
    // A phase change across a gap and a dip next to a gap are not resonances; a maximum between
    // two valid points is.
    const std::vector<SweepPoint> points = {point(1, true, 5, -10), point(2, false, 0, 0),
                                            point(4, true, 1, 10),  point(8, true, 3, 20),
                                            point(16, true, 9, 30), point(32, true, 2, 30)};
    const std::vector<ResonanceCandidate> found = resonanceCandidates(points);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, Resonance::Kind::Maximum);
    EXPECT_EQ(points[found[0].index].frequency, 16);
}

TEST(FrequencySweepTest, EveryPointIsTheCalculationAtItsFrequency) {
    std::vector<CircuitModel> models = {drawing::emptyModel(),
                                        drawing::seriesRlc(100, 1e152, 1e-5)};
    oracle::DrawingGenerator generator(99);
    std::array<int, oracle::kShapeCount> shapes{};
    for (int i = 0; i < 10; ++i) models.push_back(generator.next(shapes).model);
    for (CircuitModel& model : models) {
        // 150 points: more than one block of frequencies evaluated together.
        for (const SweepPoint& p : SweepFrequencies(model, 1e-3, 1e9, 150)) {
            SCOPED_TRACE(testing::Message() << p.frequency << " Hz");
            model.frequency = p.frequency;
            try {
                Calculate(model);
            } catch (const std::runtime_error&) {
                EXPECT_FALSE(p.valid);
                continue;
            }
            ASSERT_TRUE(p.valid);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(p.z.re),
                      std::bit_cast<std::uint64_t>(model.resultRe));
            EXPECT_EQ(std::bit_cast<std::uint64_t>(p.z.im),
                      std::bit_cast<std::uint64_t>(model.resultIm));
            EXPECT_EQ(p.phase, PhaseDegrees(model.resultRe, model.resultIm));
        }
    }
}

double resonanceOf(double henries, double farads) {
    return 1 / (6.283184 * std::sqrt(henries * farads));
}

// 10 mH with 1 µF in parallel, then 3 µF in series to the left of the coil.
CircuitModel parallelLc(bool thenC) {
    CircuitModel m = drawing::emptyModel();
    drawing::stack(m, 6, 11);
    m.slotValue[6] = 10e-3, m.slotValue[11] = 1e-6;
    if (thenC) {
        drawing::placePartAt(m, 12, 2490, 3600);
        m.slotValue[12] = 3e-6;
    }
    return m;
}

// A resistor in series to the left of a tank of a coil and a capacitor.
CircuitModel resistorThenTank(double ohms, double henries, double farads) {
    CircuitModel m = drawing::emptyModel();
    drawing::stack(m, 6, 11);
    drawing::placePartAt(m, 1, 2490, 3600);
    m.slotValue[1] = ohms, m.slotValue[6] = henries, m.slotValue[11] = farads;
    return m;
}

TEST(FrequencySweepTest, RefinedResonancesAreExactToOnePartInAMillion) {
    using Kind = Resonance::Kind;
    const struct {
        const char* name;
        CircuitModel model;
        Kind kind;
        double exact;  // hertz
        double shown;  // the same to 0.01 Hz
    } cases[] = {
        {"series RLC", drawing::seriesRlc(10, 10e-3, 1e-6), Kind::PhaseZero,
         resonanceOf(10e-3, 1e-6), 1591.55},
        {"series RLC", drawing::seriesRlc(10, 10e-3, 1e-6), Kind::Minimum, resonanceOf(10e-3, 1e-6),
         1591.55},
        {"parallel LC", parallelLc(false), Kind::Maximum, resonanceOf(10e-3, 1e-6), 1591.55},
        {"parallel LC, C", parallelLc(true), Kind::Maximum, resonanceOf(10e-3, 1e-6), 1591.55},
        {"parallel LC, C", parallelLc(true), Kind::Minimum, resonanceOf(10e-3, 4e-6), 795.77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", kind " << static_cast<int>(c.kind));
        const std::vector<SweepPoint> points = SweepFrequencies(c.model, 100, 1e5, 200);
        const std::vector<Resonance> refined = RefineResonances(ReductionPlan(c.model), points);
        const auto extrema = [](const auto& found) {
            return std::count_if(found.begin(), found.end(),
                                 [](const auto& r) { return r.kind != Kind::PhaseZero; });
        };
        EXPECT_EQ(extrema(refined), extrema(resonanceCandidates(points)));
        int near = 0;
        for (const Resonance& r : refined) {
            if (r.kind != c.kind || std::fabs(r.frequency / c.exact - 1) > 0.05) continue;
            ++near;
            EXPECT_LT(std::fabs(r.frequency / c.exact - 1), 1e-6) << r.frequency;
            EXPECT_NEAR(r.frequency, c.shown, 0.005);
        }
        EXPECT_EQ(near, 1);
    }
}

TEST(FrequencySweepTest, OnlyAPhaseThatPassesZeroIsAPhaseZero) {
    using Kind = Resonance::Kind;
    const struct {
        const char* name;
        CircuitModel model;
        double f0;
        std::vector<Kind> kinds;  // refined, all at f0
    } cases[] = {
        {"series RLC: the phase passes 0° where |Z| is least",
         drawing::seriesRlc(10, 10e-3, 1e-6),
         resonanceOf(10e-3, 1e-6),
         {Kind::PhaseZero, Kind::Minimum}},
        {"lossless parallel LC: the phase jumps from +90° to -90° at the pole",
         parallelLc(false),
         resonanceOf(10e-3, 1e-6),
         {Kind::Maximum}},
        // The sweep's phase changes sign across the pole, and within a billionth of f0 it is still
        // near ±89.9°: the search ends there, and a wider tolerance would report a phase zero.
        {"10 kΩ in series with 1 µH and 1 F in parallel: no phase zero at the pole",
         resistorThenTank(10e3, 1e-6, 1),
         resonanceOf(1e-6, 1),
         {Kind::Maximum}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<SweepPoint> points = SweepFrequencies(c.model, 100, 1e5, 200);
        const std::vector<ResonanceCandidate> found = resonanceCandidates(points);
        EXPECT_EQ(
            std::count_if(found.begin(), found.end(),
                          [](const ResonanceCandidate& r) { return r.kind == Kind::PhaseZero; }),
            1)
            << "the sweep changes sign once";
        std::vector<Resonance> refined = RefineResonances(ReductionPlan(c.model), points);
        std::sort(refined.begin(), refined.end(),
                  [](const Resonance& a, const Resonance& b) { return a.kind < b.kind; });
        ASSERT_EQ(refined.size(), c.kinds.size());
        for (std::size_t i = 0; i < refined.size(); ++i) {
            EXPECT_EQ(refined[i].kind, c.kinds[i]);
            EXPECT_LT(std::fabs(refined[i].frequency / c.f0 - 1), 1e-6) << refined[i].frequency;
        }
    }
}

}  // namespace
