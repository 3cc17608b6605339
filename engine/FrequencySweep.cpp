#include "engine/FrequencySweep.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "engine/ReductionPlan.h"

namespace {

// No plan when no part is placed or the walk fails: then a calculation fails at every frequency.
std::optional<ReductionPlan> readPlan(const CircuitModel& model) {
    try {
        return ReductionPlan(model);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<SweepPoint> SweepFrequencies(const CircuitModel& model, double start, double stop,
                                         int count) {
    std::vector<SweepPoint> points;
    if (!(start > 0 && stop > start && count >= 2)) return points;
    std::vector<double> frequencies(count);
    const double logStart = std::log10(start);
    const double logStep = (std::log10(stop) - logStart) / (count - 1);
    for (int i = 0; i < count; ++i) {
        // The ends are taken as given, so that a sweep can start exactly at the working frequency.
        frequencies[i] = i == 0           ? start
                         : i == count - 1 ? stop
                                          : std::pow(10.0, logStart + i * logStep);
    }
    std::vector<std::optional<PlanResult>> results(count);
    if (const std::optional<ReductionPlan> plan = readPlan(model))
        plan->evaluateEach(frequencies, results);
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::optional<PlanResult>& r = results[i];
        points.push_back(r ? SweepPoint{frequencies[i], true, r->z, r->phase}
                           : SweepPoint{frequencies[i], false, {}, 0.0});
    }
    return points;
}

namespace {

double magnitude(const SweepPoint& p) {
    return std::hypot(p.z.re, p.z.im);
}

// Where the straight line through the two phases crosses 0, on a logarithmic frequency axis.
double phaseZeroBetween(const SweepPoint& a, const SweepPoint& b) {
    const double share = a.phase / (a.phase - b.phase);
    const double logA = std::log10(a.frequency), logB = std::log10(b.frequency);
    return std::pow(10.0, logA + share * (logB - logA));
}

}  // namespace

std::vector<Resonance> FindResonances(const std::vector<SweepPoint>& points) {
    std::vector<Resonance> found;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const SweepPoint& a = points[i - 1];
        const SweepPoint& b = points[i];
        if (!a.valid || !b.valid) continue;
        if ((a.phase < 0 && b.phase > 0) || (a.phase > 0 && b.phase < 0))
            found.push_back({Resonance::Kind::PhaseZero, phaseZeroBetween(a, b)});
        if (i + 1 == points.size() || !points[i + 1].valid) continue;
        const double before = magnitude(a), here = magnitude(b), after = magnitude(points[i + 1]);
        if (here < before && here < after) found.push_back({Resonance::Kind::Minimum, b.frequency});
        if (here > before && here > after) found.push_back({Resonance::Kind::Maximum, b.frequency});
    }
    return found;
}
