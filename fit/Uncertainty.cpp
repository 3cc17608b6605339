#include "fit/Uncertainty.h"

#include <Eigen/SVD>
#include <cmath>

namespace {

// A singular value this far below the largest is zero within the accuracy of the differenced
// Jacobian: the direction is invisible to the data. A value counts as moving along such a
// direction when it makes up more than 5 % of it; the differencing leaves far less in values
// that do not.
constexpr double kSingular = 1e-6;
constexpr double kShareOfDirection = 0.05;
// Beyond one decade at one standard error the linear estimate means nothing, and the value is
// named undeterminable rather than given a ± no one could use.
const double kDecade = std::log(10.0);

bool invisible(double singular, double largest) {
    return !(singular > kSingular * largest);
}

}  // namespace

Uncertainty::Uncertainty(const Eigen::MatrixXd& jacobian, double chiSquare,
                         const std::vector<bool>& held)
    : mCovariance(Eigen::MatrixXd::Zero(jacobian.cols(), jacobian.cols())),
      mUndeterminable(jacobian.cols(), false),
      mKnown(jacobian.cols(), false) {
    std::vector<int> columns;
    for (int j = 0; j < jacobian.cols(); ++j)
        if (!held[j]) columns.push_back(j);
    if (columns.empty()) return;
    Eigen::MatrixXd seen(jacobian.rows(), static_cast<Eigen::Index>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) seen.col(c) = jacobian.col(columns[c]);

    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(seen, Eigen::ComputeThinV);
    const Eigen::VectorXd& singular = svd.singularValues();
    findSingularDirections(svd.matrixV(), singular, columns);

    const Eigen::Index freedom = jacobian.rows() - jacobian.cols();
    if (freedom <= 0) return;
    const double variance = chiSquare / static_cast<double>(freedom);
    Eigen::MatrixXd reduced = Eigen::MatrixXd::Zero(seen.cols(), seen.cols());
    for (Eigen::Index k = 0; k < singular.size(); ++k) {
        if (invisible(singular[k], singular[0])) continue;
        const Eigen::VectorXd direction = svd.matrixV().col(k);
        reduced += direction * direction.transpose() * (variance / (singular[k] * singular[k]));
    }
    for (std::size_t a = 0; a < columns.size(); ++a)
        for (std::size_t b = 0; b < columns.size(); ++b)
            mCovariance(columns[a], columns[b]) = reduced(a, b);
    for (const int j : columns) {
        if (mUndeterminable[j]) continue;
        const double error = std::sqrt(mCovariance(j, j));
        mUndeterminable[j] = !(error <= kDecade);
        mKnown[j] = !mUndeterminable[j];
    }
}

std::optional<double> Uncertainty::logStdErr(int i) const {
    if (!mKnown[i]) return std::nullopt;
    return std::sqrt(mCovariance(i, i));
}

std::optional<double> Uncertainty::correlation(int i, int j) const {
    if (!mKnown[i] || !mKnown[j]) return std::nullopt;
    const double scale = std::sqrt(mCovariance(i, i) * mCovariance(j, j));
    if (!(scale > 0)) return std::nullopt;
    return mCovariance(i, j) / scale;
}

void Uncertainty::findSingularDirections(const Eigen::MatrixXd& v, const Eigen::VectorXd& singular,
                                         const std::vector<int>& columns) {
    for (Eigen::Index k = 0; k < singular.size(); ++k) {
        if (!invisible(singular[k], singular[0])) continue;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (std::fabs(v(static_cast<Eigen::Index>(c), k)) > kShareOfDirection)
                mUndeterminable[columns[c]] = true;
    }
}
