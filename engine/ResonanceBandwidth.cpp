#include "engine/ResonanceBandwidth.h"

#include <cmath>

#include "engine/ArithmeticError.h"

namespace {

constexpr double kReach = 1000;  // how far either way an edge is looked for
constexpr double kStep = 1.01;   // the outward search's ratio between frequencies
constexpr int kBisections = 60;  // far below a billionth of the frequency
// A band narrower than this part of its frequency is rounding around a 0 Ω minimum or a pole,
// not a band: the resonances themselves are placed to a billionth.
constexpr double kLargestQ = 1e8;

double magnitude(const ReductionPlan& plan, double f) {
    const Complex z = plan.evaluate(f).z;
    return std::hypot(z.re, z.im);
}

// Where |Z| crosses `level` between f0 and f0·reach^direction; `inside` tells the side of f0.
std::optional<double> edge(const ReductionPlan& plan, double f0, double level, int direction,
                           bool minimum) {
    const auto inside = [&](double f) { return (magnitude(plan, f) < level) == minimum; };
    double near = f0;
    double far = f0;
    const double step = direction > 0 ? kStep : 1 / kStep;
    do {
        near = far;
        far *= step;
        if (far > f0 * kReach || far < f0 / kReach) return std::nullopt;
    } while (inside(far));
    for (int i = 0; i < kBisections; ++i) {
        const double middle = std::sqrt(near * far);
        (inside(middle) ? near : far) = middle;
    }
    return std::sqrt(near * far);
}

}  // namespace

std::optional<Bandwidth> bandwidthAround(const ReductionPlan& plan, const Resonance& resonance) {
    if (resonance.kind == Resonance::Kind::PhaseZero) return std::nullopt;
    const bool minimum = resonance.kind == Resonance::Kind::Minimum;
    const double f0 = resonance.frequency;
    try {
        const double peak = magnitude(plan, f0);
        if (!std::isfinite(peak) || !(peak > 0)) return std::nullopt;
        const double level = minimum ? peak * std::sqrt(2.0) : peak / std::sqrt(2.0);
        const std::optional<double> low = edge(plan, f0, level, -1, minimum);
        const std::optional<double> high = edge(plan, f0, level, +1, minimum);
        if (!low || !high) return std::nullopt;
        const double q = f0 / (*high - *low);
        if (!(q < kLargestQ)) return std::nullopt;
        return Bandwidth{*low, *high, q};
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}
