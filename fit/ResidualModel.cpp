#include "fit/ResidualModel.h"

#include <cmath>
#include <optional>
#include <utility>

#include "fit/NoiseFloor.h"

namespace {

// A point where the trial values make the calculation fail (an overflow far out of any sensible
// range) counts as a miss a thousand times its measured size: large enough that the solver
// turns back, finite so that it can.
constexpr double kFailedResidual = 1e3;

// A value one decade from its anchor costs as much as a misfit of 1 % at every point.
constexpr double kAnchorPerDecade = 0.01;

// Forward and central difference steps in the logarithm: near the square and the cube root of
// the double's precision, where truncation and rounding errors balance.
constexpr double kForwardStep = 1e-7;
constexpr double kCentralStep = 6e-6;

double modulus(const Complex& z) {
    return std::hypot(z.re, z.im);
}

using Results = std::vector<std::optional<PlanResult>>;

}  // namespace

ResidualModel::ResidualModel(const ReductionPlan& plan, const SlotTable& drawn,
                             std::span<const MeasuredPoint> points, std::vector<int> freeSlots,
                             Weighting weighting)
    : mPlan(plan), mDrawn(drawn), mFree(std::move(freeSlots)), mWeighting(weighting) {
    for (const MeasuredPoint& point : points) {
        mFrequencies.push_back(point.frequency);
        mMeasured.push_back(point.z);
    }
}

Eigen::VectorXd ResidualModel::drawnLogValues() const {
    Eigen::VectorXd logValues(parameterCount());
    for (int i = 0; i < parameterCount(); ++i) logValues[i] = std::log(mDrawn[mFree[i]]);
    return logValues;
}

SlotTable ResidualModel::valuesAt(const Eigen::VectorXd& logValues) const {
    SlotTable values = mDrawn;
    for (int i = 0; i < parameterCount(); ++i) values[mFree[i]] = std::exp(logValues[i]);
    return values;
}

ResidualModel ResidualModel::bounded(const Eigen::VectorXd& anchor) const {
    ResidualModel copy = *this;
    copy.mBounded = true;
    copy.mAnchor = anchor;
    return copy;
}

void ResidualModel::residuals(const Eigen::VectorXd& logValues, Eigen::VectorXd& out) const {
    if (mBounded) return boundedResiduals(logValues, out);
    weightedResiduals(logValues, mWeighting, out);
}

void ResidualModel::boundedResiduals(const Eigen::VectorXd& logValues, Eigen::VectorXd& out) const {
    Results results(mFrequencies.size());
    mPlan.withValues(valuesAt(logValues)).evaluateEach(mFrequencies, results);
    out.resize(residualCount());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Complex& measured = mMeasured[i];
        const double divisor = results[i] ? modulus(results[i]->z) + modulus(measured) : NAN;
        const double re = results[i] ? (results[i]->z.re - measured.re) / divisor : NAN;
        const double im = results[i] ? (results[i]->z.im - measured.im) / divisor : NAN;
        const bool usable = std::isfinite(re) && std::isfinite(im);
        out[2 * i] = usable ? re : 1.0;
        out[2 * i + 1] = usable ? im : 1.0;
    }
    const double weight = kAnchorPerDecade * std::sqrt(pointResidualCount()) / std::log(10.0);
    out.tail(mAnchor.size()) = weight * (logValues - mAnchor);
}

void ResidualModel::weightedResiduals(const Eigen::VectorXd& logValues, Weighting weighting,
                                      Eigen::VectorXd& out) const {
    Results results(mFrequencies.size());
    mPlan.withValues(valuesAt(logValues)).evaluateEach(mFrequencies, results);
    out.resize(pointResidualCount());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Complex& measured = mMeasured[i];
        const double size = modulus(measured);
        double divisor = weighting == Weighting::Unit ? 1.0 : size;
        if (results[i] && weighting == Weighting::Proportional) divisor = modulus(results[i]->z);
        const double re = results[i] ? (results[i]->z.re - measured.re) / divisor : NAN;
        const double im = results[i] ? (results[i]->z.im - measured.im) / divisor : NAN;
        const bool usable = std::isfinite(re) && std::isfinite(im);
        const double failed = kFailedResidual * (weighting == Weighting::Unit ? size : 1.0);
        out[2 * i] = usable ? re : failed;
        out[2 * i + 1] = usable ? im : failed;
    }
}

double ResidualModel::chiSquare(const Eigen::VectorXd& logValues) const {
    Eigen::VectorXd r;
    residuals(logValues, r);
    return r.squaredNorm();
}

void ResidualModel::jacobian(const Eigen::VectorXd& logValues, const Eigen::VectorXd& atValues,
                             Eigen::MatrixXd& out) const {
    out.resize(residualCount(), parameterCount());
    Eigen::VectorXd stepped = logValues, r;
    for (int j = 0; j < parameterCount(); ++j) {
        stepped[j] = logValues[j] + kForwardStep;
        residuals(stepped, r);
        out.col(j) = (r - atValues) / kForwardStep;
        stepped[j] = logValues[j];
    }
}

void ResidualModel::centralJacobian(const Eigen::VectorXd& logValues, Eigen::MatrixXd& out) const {
    out.resize(residualCount(), parameterCount());
    Eigen::VectorXd stepped = logValues, up, down;
    for (int j = 0; j < parameterCount(); ++j) {
        stepped[j] = logValues[j] + kCentralStep;
        residuals(stepped, up);
        stepped[j] = logValues[j] - kCentralStep;
        residuals(stepped, down);
        out.col(j) = (up - down) / (2 * kCentralStep);
        stepped[j] = logValues[j];
    }
}

double ResidualModel::rmsRelative(const Eigen::VectorXd& logValues) const {
    Eigen::VectorXd r;
    weightedResiduals(logValues, Weighting::Modulus, r);
    return std::sqrt(r.squaredNorm() / pointResidualCount());
}

std::optional<double> ResidualModel::noiseFloor(const Eigen::VectorXd& logValues) const {
    Results results(mFrequencies.size());
    mPlan.withValues(valuesAt(logValues)).evaluateEach(mFrequencies, results);
    std::vector<Complex> model;
    for (const std::optional<PlanResult>& result : results) {
        if (!result) return std::nullopt;
        model.push_back(result->z);
    }
    return NoiseFloor::estimate(mFrequencies, mMeasured, model);
}
