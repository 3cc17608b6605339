#include "engine/FrequencySweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <stdexcept>

#include "engine/ArithmeticError.h"
#include "engine/ResonanceCandidates.h"

namespace {

// No plan when no part is placed or the walk fails: then a calculation fails at every frequency.
std::optional<ReductionPlan> readPlan(const CircuitModel& model) {
    try {
        return ReductionPlan(model);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// Each frequency is the one before times the step's ratio, a product being far cheaper than a
// power; every kRestart-th is a power again, so that the products' roundings never add up to
// more than about 1e-14 of a frequency. The ends are taken as given, so that a sweep can start
// exactly at the working frequency.
std::vector<double> logSpaced(double start, double stop, int count) {
    constexpr int kRestart = 64;
    std::vector<double> frequencies(count);
    const double logStart = std::log10(start);
    const double logStep = (std::log10(stop) - logStart) / (count - 1);
    const double ratio = std::pow(10.0, logStep);
    double f = 0;
    for (int i = 0; i < count; ++i) {
        f = i % kRestart == 0 ? std::pow(10.0, logStart + i * logStep) : f * ratio;
        frequencies[i] = f;
    }
    frequencies.front() = start;
    frequencies.back() = stop;
    return frequencies;
}

}  // namespace

std::vector<SweepPoint> SweepFrequencies(const CircuitModel& model, double start, double stop,
                                         int count) {
    const std::optional<ReductionPlan> plan = readPlan(model);
    return SweepFrequencies(plan ? &*plan : nullptr, start, stop, count);
}

std::vector<SweepPoint> SweepFrequencies(const ReductionPlan* plan, double start, double stop,
                                         int count) {
    std::vector<SweepPoint> points;
    if (!(start > 0 && stop > start && count >= 2)) return points;
    const std::vector<double> frequencies = logSpaced(start, stop, count);
    points.reserve(count);
    // A few hundred results at a time, on the stack: a vector of all of them would be allocated
    // and its pages touched afresh on every sweep.
    constexpr std::size_t kChunk = 256;
    std::array<std::optional<PlanResult>, kChunk> results;
    for (std::size_t first = 0; first < frequencies.size(); first += kChunk) {
        const std::size_t n = std::min(kChunk, frequencies.size() - first);
        const std::span<std::optional<PlanResult>> chunk(results.data(), n);
        if (plan) plan->evaluateEach(std::span(frequencies).subspan(first, n), chunk);
        for (std::size_t i = 0; i < n; ++i) {
            const double f = frequencies[first + i];
            const std::optional<PlanResult>& r = chunk[i];
            points.push_back(r ? SweepPoint{f, true, r->z, r->phase}
                               : SweepPoint{f, false, {}, 0.0});
        }
    }
    return points;
}

namespace {

// Searches stop when the interval is this narrow relative to its frequency, far inside the
// 1e-6 a resonance is promised to.
constexpr double kRelativeWidth = 1e-9;

std::optional<PlanResult> resultAt(const ReductionPlan& plan, double frequency) {
    try {
        return plan.evaluate(frequency);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

// The middle of [lo, hi] on a logarithmic axis, without forming lo·hi, which may overflow.
double logMiddle(double lo, double hi) {
    return lo * std::sqrt(hi / lo);
}

// Bisection on the sign of the phase between two points of opposite sign.
double signChangeNear(const ReductionPlan& plan, const SweepPoint& a, const SweepPoint& b) {
    double lo = a.frequency, hi = b.frequency;
    const bool negativeAtLo = a.phase < 0;
    while (hi - lo > kRelativeWidth * lo) {
        const double middle = logMiddle(lo, hi);
        const std::optional<PlanResult> r = resultAt(plan, middle);
        if (!r) break;  // a gap inside the step: keep what is known so far
        if (r->phase == 0) return middle;
        ((r->phase < 0) == negativeAtLo ? lo : hi) = middle;
    }
    return logMiddle(lo, hi);
}

// Across a pole of |Z| (a lossless tank) the phase changes sign by jumping from +90° to -90°,
// and the bisection ends at the pole. Only a search that ends nearer 0° than ±90° has found a
// phase zero.
constexpr double kPhaseZeroTolerance = 45;  // degrees

std::optional<double> phaseZeroNear(const ReductionPlan& plan, const SweepPoint& a,
                                    const SweepPoint& b) {
    const double f = signChangeNear(plan, a, b);
    const std::optional<PlanResult> r = resultAt(plan, f);
    if (!r || !(std::fabs(r->phase) < kPhaseZeroTolerance)) return std::nullopt;
    return f;
}

// Golden-section search on ln f between the extremum's two neighbours, for the least of
// sign·|Z|: a minimum with sign 1, a maximum with sign -1.
double extremumNear(const ReductionPlan& plan, Resonance::Kind kind, const SweepPoint& a,
                    const SweepPoint& c) {
    const double sign = kind == Resonance::Kind::Minimum ? 1.0 : -1.0;
    const auto cost = [&](double x) -> std::optional<double> {
        const std::optional<PlanResult> r = resultAt(plan, std::exp(x));
        if (!r) return std::nullopt;
        return sign * std::hypot(r->z.re, r->z.im);
    };
    constexpr double kShare = 0.6180339887498949;  // (√5 - 1) / 2
    double lo = std::log(a.frequency), hi = std::log(c.frequency);
    double x1 = hi - kShare * (hi - lo), x2 = lo + kShare * (hi - lo);
    std::optional<double> cost1 = cost(x1), cost2 = cost(x2);
    // In ln f the interval's width is its relative width in frequency.
    while (hi - lo > kRelativeWidth && cost1 && cost2) {
        if (*cost1 < *cost2) {
            hi = x2, x2 = x1, cost2 = cost1;
            x1 = hi - kShare * (hi - lo), cost1 = cost(x1);
        } else {
            lo = x1, x1 = x2, cost1 = cost2;
            x2 = lo + kShare * (hi - lo), cost2 = cost(x2);
        }
    }
    return std::exp((lo + hi) / 2);
}

}  // namespace

std::vector<Resonance> RefineResonances(const ReductionPlan& plan,
                                        const std::vector<SweepPoint>& points) {
    std::vector<Resonance> refined;
    for (const auto [kind, i] : resonanceCandidates(points)) {
        if (kind != Resonance::Kind::PhaseZero) {
            refined.push_back({kind, extremumNear(plan, kind, points[i - 1], points[i + 1])});
        } else if (const std::optional<double> f = phaseZeroNear(plan, points[i - 1], points[i])) {
            refined.push_back({kind, *f});
        }
    }
    return refined;
}
