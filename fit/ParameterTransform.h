#pragma once

#include <Eigen/Core>
#include <optional>
#include <utility>
#include <vector>

// A value's limits as limits on its natural logarithm; either may be open.
struct LogRange {
    std::optional<double> lower, upper;
};

// The solver knows no bounds, so it works on variables that cannot leave them: a logarithm
// bounded on both sides is lower + (upper - lower)(1 + sin u)/2, on one side lower - 1 +
// sqrt(u² + 1) (or its mirror), and an open one is u itself. The change is smooth, so the solver
// keeps its quadratic convergence inside the bounds, where clamping or projecting would break
// the model it builds of the sum of squares at every step it cuts short.
class ParameterTransform {
public:
    explicit ParameterTransform(std::vector<LogRange> ranges) : mRanges(std::move(ranges)) {}

    int size() const { return static_cast<int>(mRanges.size()); }

    Eigen::VectorXd toLog(const Eigen::VectorXd& internal) const;
    // The variables of a logarithm moved just inside its bounds first: on a bound the change of
    // variable is flat, and the solver could not leave it.
    Eigen::VectorXd fromLog(const Eigen::VectorXd& logValues) const;
    // d log / d internal, the chain rule's factor for the Jacobian.
    Eigen::VectorXd slopes(const Eigen::VectorXd& internal) const;

    Eigen::VectorXd clamp(const Eigen::VectorXd& logValues) const;
    bool atBound(int i, double logValue) const;
    // Where starts and scans look for value i: between its bounds, or three decades either side
    // of `centre` on a side left open.
    std::pair<double, double> searchSpan(int i, double centre) const;

private:
    double inside(int i, double logValue) const;

    std::vector<LogRange> mRanges;
};
