#pragma once

#include <Eigen/Core>
#include <optional>
#include <span>
#include <vector>

#include "engine/ReductionPlan.h"
#include "fit/FitOptions.h"
#include "measurement/MeasuredPoint.h"

// The weighted differences between the drawing's impedance and the measured one, as a function
// of the natural logarithms of the free values: residual 2i is the real part at point i, 2i + 1
// the imaginary part. Working in logarithms keeps every trial value positive and makes a step
// mean the same relative change for a picofarad as for a megohm.
class ResidualModel {
public:
    // `drawn` holds the drawing's values, indexed by slot; the free ones are replaced.
    ResidualModel(const ReductionPlan& plan, const SlotTable& drawn,
                  std::span<const MeasuredPoint> points, std::vector<int> freeSlots,
                  Weighting weighting);

    int parameterCount() const { return static_cast<int>(mFree.size()); }
    int residualCount() const { return pointResidualCount() + static_cast<int>(mAnchor.size()); }
    int pointResidualCount() const { return 2 * static_cast<int>(mFrequencies.size()); }
    const std::vector<int>& freeSlots() const { return mFree; }
    const std::vector<double>& frequencies() const { return mFrequencies; }
    const std::vector<Complex>& measured() const { return mMeasured; }

    // The same comparison with the difference divided by |Z model| + |Z measured|, which
    // keeps every residual within 1, and one residual more per value that grows with its
    // distance from `anchor`. Far from the solution a resonance of the model sweeping past a
    // measured point then costs a bounded bump instead of a barrier the solver cannot cross, and
    // a value the data barely sees yet stays near its anchor instead of wandering off to where
    // the data no longer sees it at all. The coarse stages of a fit work on this.
    ResidualModel bounded(const Eigen::VectorXd& anchor) const;

    Eigen::VectorXd drawnLogValues() const;
    // The drawing's values with the free ones taken from `logValues`.
    SlotTable valuesAt(const Eigen::VectorXd& logValues) const;

    void residuals(const Eigen::VectorXd& logValues, Eigen::VectorXd& out) const;
    double chiSquare(const Eigen::VectorXd& logValues) const;
    // Derivatives by forward differences from the residuals `atValues` at `logValues`: the
    // solver's steps only need their direction.
    void jacobian(const Eigen::VectorXd& logValues, const Eigen::VectorXd& atValues,
                  Eigen::MatrixXd& out) const;
    // By central differences, accurate enough to tell a singular J^T J from a poor one.
    void centralJacobian(const Eigen::VectorXd& logValues, Eigen::MatrixXd& out) const;
    // sqrt of the mean of ((Z model - Z measured) / |Z measured|)^2 over both parts.
    double rmsRelative(const Eigen::VectorXd& logValues) const;
    // The relative noise the scatter of the residuals between neighbouring points shows (see
    // NoiseFloor); empty where the calculation fails at a point.
    std::optional<double> noiseFloor(const Eigen::VectorXd& logValues) const;

private:
    void weightedResiduals(const Eigen::VectorXd& logValues, Weighting weighting,
                           Eigen::VectorXd& out) const;
    void boundedResiduals(const Eigen::VectorXd& logValues, Eigen::VectorXd& out) const;

    ReductionPlan mPlan;
    SlotTable mDrawn;
    std::vector<int> mFree;
    std::vector<double> mFrequencies;
    std::vector<Complex> mMeasured;
    Weighting mWeighting;
    bool mBounded = false;
    Eigen::VectorXd mAnchor;  // in bounded residuals only
};
