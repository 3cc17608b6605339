#include "fit/LocalFit.h"

#include <unsupported/Eigen/NonLinearOptimization>

namespace {

// The residuals as the solver sees them, in the transform's variables. The solver asks for the
// Jacobian only at the point it evaluated last, so those residuals are kept and reused as the
// base of the differences.
class SolverFunctions {
public:
    SolverFunctions(const ResidualModel& model, const ParameterTransform& transform)
        : mModel(model), mTransform(transform) {}

    int values() const { return mModel.residualCount(); }

    int operator()(const Eigen::VectorXd& internal, Eigen::VectorXd& residuals) {
        mModel.residuals(mTransform.toLog(internal), residuals);
        mLastInternal = internal;
        mLastResiduals = residuals;
        return 0;
    }

    int df(const Eigen::VectorXd& internal, Eigen::MatrixXd& jacobian) {
        if (mLastInternal.size() != internal.size() || mLastInternal != internal)
            (*this)(internal, mLastResiduals);
        mModel.jacobian(mTransform.toLog(internal), mLastResiduals, jacobian);
        jacobian = jacobian * mTransform.slopes(internal).asDiagonal();
        return 0;
    }

private:
    const ResidualModel& mModel;
    const ParameterTransform& mTransform;
    Eigen::VectorXd mLastInternal, mLastResiduals;
};

FitStop stopOf(Eigen::LevenbergMarquardtSpace::Status status) {
    using namespace Eigen::LevenbergMarquardtSpace;
    switch (status) {
        case RelativeReductionTooSmall: return FitStop::SumStopsFalling;
        case RelativeErrorTooSmall: return FitStop::StepsTooSmall;
        case RelativeErrorAndReductionTooSmall: return FitStop::SumAndStepsTooSmall;
        case CosinusTooSmall: return FitStop::GradientVanishes;
        case FtolTooSmall:
        case XtolTooSmall:
        case GtolTooSmall: return FitStop::MachinePrecision;
        case TooManyFunctionEvaluation: return FitStop::TooManyEvaluations;
        case UserAsked: return FitStop::Cancelled;
        case NotStarted:
        case Running:
        case ImproperInputParameters: break;
    }
    return FitStop::SolverRefused;
}

}  // namespace

LocalOutcome LocalFit::run(const Eigen::VectorXd& startLog, const Effort& effort,
                           const FitMonitor& monitor) const {
    SolverFunctions functions(mModel, mTransform);
    Eigen::LevenbergMarquardt<SolverFunctions> solver(functions);
    solver.parameters.ftol = solver.parameters.xtol = effort.tolerance;
    solver.parameters.maxfev =
        static_cast<Eigen::Index>(effort.evaluationsPerValue) * (mModel.parameterCount() + 1);
    Eigen::VectorXd internal = mTransform.fromLog(startLog);
    auto status = solver.minimizeInit(internal);
    int iterations = 0;
    FitStop stop = FitStop::SolverRefused;
    if (status != Eigen::LevenbergMarquardtSpace::ImproperInputParameters) {
        do {
            if (monitor.cancelled()) {
                status = Eigen::LevenbergMarquardtSpace::UserAsked;
                break;
            }
            status = solver.minimizeOneStep(internal);
            ++iterations;
        } while (status == Eigen::LevenbergMarquardtSpace::Running);
        stop = stopOf(status);
    }
    const Eigen::VectorXd logValues = mTransform.toLog(internal);
    return {logValues, mModel.chiSquare(logValues), iterations, stop};
}
