#include "fit/NoiseFloor.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

namespace {

// The median of |x| for a normal x is 0.6745 σ. A sharp resonance the model misses by a little
// shows as a few large differences: those beyond 3 σ of the median's estimate are left out, and
// the rms of the rest is divided by the share of a normal variance within ±3 σ.
constexpr double kMedianOfNormal = 0.6745;
constexpr double kClip = 3.0;
constexpr double kVarianceWithinClip = 0.97334;

struct LogRatio {
    double re, im;  // ln |measured / model| and its phase
};

LogRatio logRatio(const Complex& measured, const Complex& model) {
    const double size = model.re * model.re + model.im * model.im;
    const double re = (measured.re * model.re + measured.im * model.im) / size;
    const double im = (measured.im * model.re - measured.re * model.im) / size;
    return {0.5 * std::log(re * re + im * im), std::atan2(im, re)};
}

double median(std::vector<double> x) {
    const auto middle = x.begin() + static_cast<std::ptrdiff_t>(x.size() / 2);
    std::nth_element(x.begin(), middle, x.end());
    return *middle;
}

}  // namespace

std::optional<double> NoiseFloor::estimate(std::span<const double> frequencies,
                                           std::span<const Complex> measured,
                                           std::span<const Complex> model) {
    std::vector<std::size_t> order(frequencies.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return frequencies[a] < frequencies[b]; });
    std::vector<double> scatter;  // |deviation| of each part, scaled to the noise of one point
    for (std::size_t k = 1; k + 1 < order.size(); ++k) {
        const std::size_t a = order[k - 1], i = order[k], b = order[k + 1];
        const double before = std::log(frequencies[i] / frequencies[a]);
        const double after = std::log(frequencies[b] / frequencies[i]);
        if (!(before + after > 0)) continue;
        // The weights of the neighbours on the line between them at point i; the deviation
        // carries the noise of all three points, sqrt(1 + wa² + wb²) times that of one.
        const double wa = after / (before + after), wb = 1 - wa;
        const double spread = std::sqrt(1 + wa * wa + wb * wb);
        const LogRatio ra = logRatio(measured[a], model[a]);
        const LogRatio ri = logRatio(measured[i], model[i]);
        const LogRatio rb = logRatio(measured[b], model[b]);
        const double re = ri.re - wa * ra.re - wb * rb.re;
        // Phases are compared as differences, each within ±π, so that no unwrapping is needed.
        const double im = wa * std::remainder(ri.im - ra.im, 2 * std::numbers::pi) +
                          wb * std::remainder(ri.im - rb.im, 2 * std::numbers::pi);
        if (!std::isfinite(re) || !std::isfinite(im)) continue;
        scatter.push_back(std::fabs(re) / spread);
        scatter.push_back(std::fabs(im) / spread);
    }
    if (scatter.empty()) return std::nullopt;
    const double rough = median(scatter) / kMedianOfNormal;
    double sum = 0;
    int count = 0;
    for (const double s : scatter)
        if (s <= kClip * rough) sum += s * s, ++count;
    if (count == 0) return 0.0;
    return std::sqrt(sum / count / kVarianceWithinClip);
}
