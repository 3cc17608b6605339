#include "measurement/LinKkFit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kSeriesColumns = 3;  // R, L and 1/C in front of the RC elements
// The phase fit's scale row outweighs its phase rows, so that it holds as if it were exact.
constexpr double kScaleWeight = 1e3;

std::vector<double> timeConstants(const std::vector<MeasuredPoint>& points, int elements) {
    const double shortest = 1 / (kTwoPi * points.back().frequency);
    const double longest = 1 / (kTwoPi * points.front().frequency);
    if (elements == 1) return {std::sqrt(shortest * longest)};
    std::vector<double> taus;
    taus.reserve(static_cast<std::size_t>(elements));
    for (int k = 0; k < elements; ++k)
        taus.push_back(shortest * std::pow(longest / shortest, double(k) / (elements - 1)));
    return taus;
}

std::complex<double> targetOf(const MeasuredPoint& p, FitDomain domain) {
    const std::complex<double> z(p.z.re, p.z.im);
    return domain == FitDomain::Impedance ? z : 1.0 / z;
}

// Rows 2i and 2i+1 are point i's real and imaginary parts, each already divided by |target|.
Eigen::MatrixXd weightedBasis(const std::vector<MeasuredPoint>& points,
                              const std::vector<double>& taus, FitDomain domain) {
    Eigen::MatrixXd basis = Eigen::MatrixXd::Zero(2 * points.size(), kSeriesColumns + taus.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double omega = kTwoPi * points[i].frequency;
        const double w = 1 / std::abs(targetOf(points[i], domain));
        const Eigen::Index re = 2 * i, im = re + 1;
        basis(re, 0) = w;
        basis(im, 1) = w * omega;
        basis(im, 2) = -w / omega;
        for (std::size_t k = 0; k < taus.size(); ++k) {
            const double wt = omega * taus[k], d = 1 + wt * wt;
            basis(re, kSeriesColumns + k) = w / d;
            basis(im, kSeriesColumns + k) = -w * wt / d;
        }
    }
    return basis;
}

// The least-squares solution, found on columns scaled to unit length: R in ohms beside 1/C in
// reciprocal farads spans many decades, and unit columns keep the pivoted QR's rank decision about
// the shapes of the columns rather than their units.
Eigen::VectorXd solveScaled(const Eigen::MatrixXd& rows, const Eigen::VectorXd& target) {
    const Eigen::VectorXd scale = rows.colwise().norm().cwiseMax(1e-300).transpose();
    const Eigen::MatrixXd scaled = rows * scale.cwiseInverse().asDiagonal();
    return scale.cwiseInverse().asDiagonal() * scaled.colPivHouseholderQr().solve(target);
}

// The model's impedance at point i, from the fitted rows of the weighted basis.
std::complex<double> impedanceOfModel(const MeasuredPoint& p, const Eigen::VectorXd& fitted,
                                      std::size_t i, FitDomain domain) {
    const std::complex<double> t = targetOf(p, domain);
    const std::complex<double> model = std::complex(fitted(2 * i), fitted(2 * i + 1)) * std::abs(t);
    return domain == FitDomain::Impedance ? model : 1.0 / model;
}

void measureResiduals(LinKkFit& fit, const std::vector<MeasuredPoint>& points) {
    double sumOfSquares = 0;
    for (const Complex& r : fit.residuals) {
        sumOfSquares += r.re * r.re + r.im * r.im;
        fit.maxPercent = std::max({fit.maxPercent, std::abs(r.re), std::abs(r.im)});
    }
    fit.rmsPercent = std::sqrt(sumOfSquares / (2.0 * points.size()));
    // A fitted admittance of 0 gives no impedance; such a fit is as bad as a fit can be.
    if (!std::isfinite(fit.rmsPercent) || !std::isfinite(fit.maxPercent))
        fit.rmsPercent = fit.maxPercent = HUGE_VAL;
}

}  // namespace

LinKkFit fitLinKk(const std::vector<MeasuredPoint>& points, int elements, FitDomain domain) {
    const Eigen::MatrixXd basis = weightedBasis(points, timeConstants(points, elements), domain);
    Eigen::VectorXd target(basis.rows());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::complex<double> t = targetOf(points[i], domain);
        target(2 * i) = t.real() / std::abs(t);
        target(2 * i + 1) = t.imag() / std::abs(t);
    }
    const Eigen::VectorXd fitted = basis * solveScaled(basis, target);

    LinKkFit fit{domain, elements, {}, 0, 0};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::complex<double> zFit = impedanceOfModel(points[i], fitted, i, domain);
        const std::complex<double> z(points[i].z.re, points[i].z.im);
        const std::complex<double> r = (z - zFit) / std::abs(z) * 100.0;
        fit.residuals.push_back({r.real(), r.imag()});
    }
    measureResiduals(fit, points);
    return fit;
}

double fitLinKkPhaseRms(const std::vector<MeasuredPoint>& points, int elements, FitDomain domain) {
    const Eigen::MatrixXd basis = weightedBasis(points, timeConstants(points, elements), domain);
    const Eigen::Index n = static_cast<Eigen::Index>(points.size());
    // Rows 0 … n−1: the model's part across each measured direction, which is 0 when the phases
    // agree. Row n: the model's part along the measured directions, summed, is n; without it the
    // model 0 would agree with every phase.
    Eigen::MatrixXd rows = Eigen::MatrixXd::Zero(n + 1, basis.cols());
    Eigen::VectorXd target = Eigen::VectorXd::Zero(n + 1);
    for (Eigen::Index i = 0; i < n; ++i) {
        const double phase = std::arg(targetOf(points[i], domain));
        const auto re = basis.row(2 * i), im = basis.row(2 * i + 1);
        rows.row(i) = std::sin(phase) * re - std::cos(phase) * im;
        rows.row(n) += kScaleWeight * (std::cos(phase) * re + std::sin(phase) * im);
    }
    target(n) = kScaleWeight * static_cast<double>(n);
    const Eigen::VectorXd fitted = basis * solveScaled(rows, target);
    double sumOfSquares = 0;
    for (Eigen::Index i = 0; i < n; ++i) {
        const std::complex<double> model(fitted(2 * i), fitted(2 * i + 1));
        const double difference = std::arg(model / targetOf(points[i], domain)) * 100;
        sumOfSquares += difference * difference;
    }
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(n));
    return std::isfinite(rms) ? rms : HUGE_VAL;
}
