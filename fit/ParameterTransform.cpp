#include "fit/ParameterTransform.h"

#include <algorithm>
#include <cmath>

namespace {

// How far inside its bounds a start is moved, in the logarithm (one percent of the value), and
// how near a fitted value must come to a bound to rest on it (a tenth of a percent).
constexpr double kInsideMargin = 1e-2;
constexpr double kOnBound = 1e-3;
const double kThreeDecades = 3 * std::log(10.0);

}  // namespace

Eigen::VectorXd ParameterTransform::toLog(const Eigen::VectorXd& internal) const {
    Eigen::VectorXd logValues(size());
    for (int i = 0; i < size(); ++i) {
        const LogRange& r = mRanges[i];
        const double u = internal[i];
        if (r.lower && r.upper)
            logValues[i] = *r.lower + (*r.upper - *r.lower) * (1 + std::sin(u)) / 2;
        else if (r.lower)
            logValues[i] = *r.lower - 1 + std::sqrt(u * u + 1);
        else if (r.upper)
            logValues[i] = *r.upper + 1 - std::sqrt(u * u + 1);
        else
            logValues[i] = u;
    }
    return logValues;
}

Eigen::VectorXd ParameterTransform::fromLog(const Eigen::VectorXd& logValues) const {
    Eigen::VectorXd internal(size());
    for (int i = 0; i < size(); ++i) {
        const LogRange& r = mRanges[i];
        const double x = inside(i, logValues[i]);
        if (r.lower && r.upper) {
            const double width = *r.upper - *r.lower;
            internal[i] = width > 0 ? std::asin(2 * (x - *r.lower) / width - 1) : 0.0;
        } else if (r.lower) {
            internal[i] = std::sqrt(std::pow(x - *r.lower + 1, 2) - 1);
        } else if (r.upper) {
            internal[i] = std::sqrt(std::pow(*r.upper - x + 1, 2) - 1);
        } else {
            internal[i] = x;
        }
    }
    return internal;
}

Eigen::VectorXd ParameterTransform::slopes(const Eigen::VectorXd& internal) const {
    Eigen::VectorXd slope(size());
    for (int i = 0; i < size(); ++i) {
        const LogRange& r = mRanges[i];
        const double u = internal[i];
        if (r.lower && r.upper)
            slope[i] = (*r.upper - *r.lower) * std::cos(u) / 2;
        else if (r.lower || r.upper)
            slope[i] = (r.lower ? 1.0 : -1.0) * u / std::sqrt(u * u + 1);
        else
            slope[i] = 1.0;
    }
    return slope;
}

Eigen::VectorXd ParameterTransform::clamp(const Eigen::VectorXd& logValues) const {
    Eigen::VectorXd clamped = logValues;
    for (int i = 0; i < size(); ++i) {
        if (mRanges[i].lower) clamped[i] = std::max(clamped[i], *mRanges[i].lower);
        if (mRanges[i].upper) clamped[i] = std::min(clamped[i], *mRanges[i].upper);
    }
    return clamped;
}

bool ParameterTransform::atBound(int i, double logValue) const {
    const LogRange& r = mRanges[i];
    return (r.lower && logValue - *r.lower < kOnBound) ||
           (r.upper && *r.upper - logValue < kOnBound);
}

std::pair<double, double> ParameterTransform::searchSpan(int i, double centre) const {
    const LogRange& r = mRanges[i];
    double c = centre;
    if (r.lower) c = std::max(c, *r.lower);
    if (r.upper) c = std::min(c, *r.upper);
    return {r.lower.value_or(c - kThreeDecades), r.upper.value_or(c + kThreeDecades)};
}

double ParameterTransform::inside(int i, double logValue) const {
    const LogRange& r = mRanges[i];
    double margin = kInsideMargin;
    if (r.lower && r.upper) margin = std::min(margin, (*r.upper - *r.lower) / 4);
    double x = logValue;
    if (r.lower) x = std::max(x, *r.lower + margin);
    if (r.upper) x = std::min(x, *r.upper - margin);
    return x;
}
