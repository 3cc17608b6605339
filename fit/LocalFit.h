#pragma once

#include <Eigen/Core>

#include "fit/FitMonitor.h"
#include "fit/FitStop.h"
#include "fit/ParameterTransform.h"
#include "fit/ResidualModel.h"

// How hard a descent works: the solver's relative tolerances on the sum of squares and on the
// step, and its evaluations of the sum per free value (rejected steps count, the Jacobian's
// evaluations do not).
struct Effort {
    double tolerance;
    int evaluationsPerValue;
};

// Enough to find the valley a start leads into.
inline constexpr Effort kCoarseEffort{1e-5, 10};
// MINPACK's own defaults: the square root of the double's precision, 100 per value.
inline constexpr Effort kFullEffort{1.4901161193847656e-08, 40};

struct LocalOutcome {
    Eigen::VectorXd logValues;
    double chiSquare;
    int iterations;
    FitStop stop;
};

// One Levenberg–Marquardt descent (MINPACK's, as Eigen has it) from one start to the nearest
// minimum of the sum of squares, in the bounded variables of the transform.
class LocalFit {
public:
    LocalFit(const ResidualModel& model, const ParameterTransform& transform)
        : mModel(model), mTransform(transform) {}

    // Looks at the cancel flag before every iteration.
    LocalOutcome run(const Eigen::VectorXd& startLog, const Effort& effort,
                     const FitMonitor& monitor) const;

private:
    const ResidualModel& mModel;
    const ParameterTransform& mTransform;
};
