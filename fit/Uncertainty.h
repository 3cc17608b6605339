#pragma once

#include <Eigen/Core>
#include <optional>
#include <vector>

// Standard errors and correlations of the logarithms of the free values at a solution, from the
// covariance (J^T J)^-1 scaled by the residual variance s² = χ² / (residuals − values), through
// the singular value decomposition of J so that a singular J^T J is found rather than inverted.
class Uncertainty {
public:
    // `jacobian` holds d residual / d log value at the solution. `held` values (those resting on
    // a bound) enter as constants and get no error; they still count against the degrees of
    // freedom, since the fit chose them.
    Uncertainty(const Eigen::MatrixXd& jacobian, double chiSquare, const std::vector<bool>& held);

    // A value the data cannot determine: it moves along a direction J does not see (two
    // resistors in series: only their sum shows), or its error spans more than a decade.
    bool undeterminable(int i) const { return mUndeterminable[i]; }
    // Empty for a held or undeterminable value, and for all when there are no more residuals
    // than values.
    std::optional<double> logStdErr(int i) const;
    std::optional<double> correlation(int i, int j) const;

private:
    void findSingularDirections(const Eigen::MatrixXd& v, const Eigen::VectorXd& singular,
                                const std::vector<int>& columns);

    Eigen::MatrixXd mCovariance;
    std::vector<bool> mUndeterminable;
    std::vector<bool> mKnown;
};
