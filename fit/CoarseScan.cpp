#include "fit/CoarseScan.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/ImpedanceArithmetic.h"

namespace {

const double kHalfDecade = 0.5 * std::log(10.0);
const double kFineStep = 0.1 * std::log(10.0);
constexpr int kFineSteps = 10;
// A resonance must stand out of the data's noise: |Z| 5 % beyond the chord across it.
const double kProminence = std::log(1.05);
constexpr std::size_t kMaxResonances = 4;
constexpr int kPlacementSteps = 4;

}  // namespace

CoarseScan::CoarseScan(const ResidualModel& model, const ParameterTransform& transform,
                       Eigen::VectorXd centre)
    : mModel(model), mTransform(transform), mCentre(std::move(centre)) {}

Eigen::VectorXd CoarseScan::alongEachValue(Eigen::VectorXd logValues, int rounds) const {
    return eachValueOver(std::move(logValues), rounds, [&](int i, double) { return grid(i); });
}

Eigen::VectorXd CoarseScan::nearEachValue(Eigen::VectorXd logValues, int rounds) const {
    return eachValueOver(std::move(logValues), rounds, [&](int i, double x) {
        const auto [low, high] = mTransform.searchSpan(i, x);
        std::vector<double> points;
        for (int k = -kFineSteps; k <= kFineSteps; ++k)
            points.push_back(std::clamp(x + k * kFineStep, low, high));
        return points;
    });
}

template <typename Grid>
Eigen::VectorXd CoarseScan::eachValueOver(Eigen::VectorXd logValues, int rounds,
                                          Grid gridAt) const {
    double best = mModel.chiSquare(logValues);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < mModel.parameterCount(); ++i) {
            Eigen::VectorXd trial = logValues;
            for (const double x : gridAt(i, logValues[i])) {
                trial[i] = x;
                const double chiSquare = mModel.chiSquare(trial);
                if (chiSquare < best) best = chiSquare, logValues[i] = x;
            }
        }
    }
    return logValues;
}

std::vector<Eigen::VectorXd> CoarseScan::resonancePlacements(
    const Eigen::VectorXd& logValues) const {
    std::vector<std::pair<double, Eigen::VectorXd>> placed;
    const std::vector<int>& slots = mModel.freeSlots();
    for (const Resonance& resonance : resonances()) {
        for (int coil = 0; coil < mModel.parameterCount(); ++coil) {
            if (kindOfSlot(slots[coil]) != PartKind::Coil) continue;
            for (int cap = 0; cap < mModel.parameterCount(); ++cap) {
                if (kindOfSlot(slots[cap]) != PartKind::Capacitor) continue;
                Eigen::VectorXd pair = placedPair(logValues, coil, cap, resonance);
                placed.emplace_back(mModel.chiSquare(pair), std::move(pair));
            }
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Eigen::VectorXd> best;
    for (std::size_t i = 0; i < std::min(placed.size(), kMaxPlacements); ++i)
        best.push_back(std::move(placed[i].second));
    return best;
}

Eigen::VectorXd CoarseScan::sweptPair(const Eigen::VectorXd& logValues, int coil,
                                      int capacitor) const {
    const std::vector<double>& f = mModel.frequencies();
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    const double step = kFineStep;
    Eigen::VectorXd best = logValues;
    double bestChiSquare = mModel.chiSquare(logValues);
    for (double x = std::log(*low); x <= std::log(*high); x += step) {
        const Eigen::VectorXd placed =
            placedPair(logValues, coil, capacitor, {std::exp(x), step / 2});
        const double chiSquare = mModel.chiSquare(placed);
        if (chiSquare < bestChiSquare) bestChiSquare = chiSquare, best = placed;
    }
    return best;
}

std::vector<double> CoarseScan::grid(int i) const {
    const auto [low, high] = mTransform.searchSpan(i, mCentre[i]);
    const int steps = std::max(1, static_cast<int>(std::ceil((high - low) / kHalfDecade)));
    std::vector<double> points;
    for (int k = 0; k <= steps; ++k) points.push_back(low + (high - low) * k / steps);
    return points;
}

// Points where ln|Z| is the least or the greatest of the widest window around them (up to a
// twentieth of the points each side) and stands out of the chord across that window: a narrow
// resonance on a steep slope is found as well as a broad one on a flat stretch, and the noise
// of single points, which rarely clears the margin, is left out. The most prominent first.
std::vector<CoarseScan::Resonance> CoarseScan::resonances() const {
    const std::vector<Complex>& z = mModel.measured();
    const std::vector<double>& f = mModel.frequencies();
    const int n = static_cast<int>(z.size());
    std::vector<double> level(n);
    for (int i = 0; i < n; ++i) level[i] = std::log(std::hypot(z[i].re, z[i].im));
    std::vector<std::pair<double, Resonance>> found;
    for (int i = 1; i + 1 < n; ++i) {
        const double sign = level[i] < level[i - 1] ? 1.0 : -1.0;  // 1 at a minimum
        int k = 0;
        while (k < std::max(2, n / 20) && i - k - 1 >= 0 && i + k + 1 < n &&
               sign * (level[i - k - 1] - level[i]) > 0 && sign * (level[i + k + 1] - level[i]) > 0)
            ++k;
        if (k == 0) continue;
        const double prominence = sign * ((level[i - k] + level[i + k]) / 2 - level[i]);
        if (prominence > kProminence)
            found.push_back({prominence, {f[i], std::log(f[i + 1] / f[i - 1]) / 2}});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Resonance> most;
    for (std::size_t i = 0; i < std::min(found.size(), kMaxResonances); ++i)
        most.push_back(found[i].second);
    return most;
}

// The resonance may lie anywhere between the neighbours of the point that shows it, and a sharp
// one fits only where it lies: the product LC is stepped across that interval for every coil.
Eigen::VectorXd CoarseScan::placedPair(Eigen::VectorXd logValues, int coil, int capacitor,
                                       const Resonance& resonance) const {
    const double logProduct = -2 * std::log(kCalculationTwoPi * resonance.frequency);
    Eigen::VectorXd best = logValues;
    double bestChiSquare = INFINITY;
    for (const double x : grid(coil)) {
        for (int k = -kPlacementSteps; k <= kPlacementSteps; ++k) {
            logValues[coil] = x;
            logValues[capacitor] = logProduct - x - 2 * resonance.width * k / kPlacementSteps;
            if (mTransform.clamp(logValues) != logValues) continue;
            const double chiSquare = mModel.chiSquare(logValues);
            if (chiSquare < bestChiSquare) bestChiSquare = chiSquare, best = logValues;
        }
    }
    return best;
}
