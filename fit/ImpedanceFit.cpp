#include "fit/ImpedanceFit.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "fit/MultiStartSearch.h"
#include "fit/Uncertainty.h"
#include "model/ControlNames.h"

namespace {

bool positiveAndFinite(double x) {
    return x > 0 && std::isfinite(x);
}

}  // namespace

// The residuals and bounds of the free values, behind a pointer so that the header the windows
// include names no Eigen type.
struct ImpedanceFit::Problem {
    ResidualModel model;
    ParameterTransform transform;
};

ImpedanceFit::ImpedanceFit(const CircuitModel& model, std::span<const MeasuredPoint> points,
                           const FitOptions& options)
    : ImpedanceFit(ReductionPlan(model), model, points, options) {}

ImpedanceFit::ImpedanceFit(const ReductionPlan& plan, const CircuitModel& model,
                           std::span<const MeasuredPoint> points, const FitOptions& options)
    : mNotInResult(leftOut(plan, model)),
      mSpreadStarts(options.spreadStarts),
      mOnlyFromDrawnValues(options.onlyFromDrawnValues) {
    std::vector<int> slots = freeSlots(plan, options);
    std::vector<LogRange> ranges = logRanges(slots, options);
    mProblem = std::make_unique<const Problem>(
        Problem{ResidualModel(plan, model.slotValue, points, std::move(slots), options.weighting),
                ParameterTransform(std::move(ranges))});
    checkInput(points, model);
}

std::vector<std::string> ImpedanceFit::leftOut(const ReductionPlan& plan,
                                               const CircuitModel& model) {
    std::vector<std::string> names;
    for (int s = 1; s <= kSlotCount; ++s)
        if (model.slotUsed[s] && !plan.takenSlots()[s]) names.push_back(pictureName(s));
    return names;
}

std::vector<int> ImpedanceFit::freeSlots(const ReductionPlan& plan, const FitOptions& options) {
    std::vector<int> slots;
    for (int s = 1; s <= kSlotCount; ++s)
        if (plan.takenSlots()[s] && !options.fixed[s] && kindOfSlot(s) != PartKind::Impedance)
            slots.push_back(s);
    return slots;
}

std::vector<LogRange> ImpedanceFit::logRanges(const std::vector<int>& slots,
                                              const FitOptions& options) {
    std::vector<LogRange> ranges;
    for (const int s : slots) {
        const ValueBounds& b = options.bounds[s];
        const bool usable = (!b.min || positiveAndFinite(*b.min)) &&
                            (!b.max || positiveAndFinite(*b.max)) &&
                            (!b.min || !b.max || *b.min <= *b.max);
        if (!usable)
            throw std::invalid_argument(pictureName(s) + ": bounds must be above 0 and ordered");
        LogRange range;
        if (b.min) range.lower = std::log(*b.min);
        if (b.max) range.upper = std::log(*b.max);
        ranges.push_back(range);
    }
    return ranges;
}

void ImpedanceFit::checkInput(std::span<const MeasuredPoint> points,
                              const CircuitModel& model) const {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const MeasuredPoint& p = points[i];
        if (!positiveAndFinite(p.frequency) || !positiveAndFinite(std::hypot(p.z.re, p.z.im)))
            throw std::invalid_argument("point " + std::to_string(i + 1) +
                                        ": the frequency must be above 0 and the impedance "
                                        "finite and not 0");
    }
    for (const int s : mProblem->model.freeSlots())
        if (!positiveAndFinite(model.slotValue[s]))
            throw std::invalid_argument(pictureName(s) + ": a free value must start above 0");
    if (mProblem->model.residualCount() < mProblem->model.parameterCount())
        throw std::invalid_argument("too few points for " +
                                    std::to_string(mProblem->model.parameterCount()) +
                                    " free values");
}

ImpedanceFit::~ImpedanceFit() = default;

FitResult ImpedanceFit::run(const FitMonitor& monitor) const {
    const MultiStartSearch search(mProblem->model, mProblem->transform, mSpreadStarts,
                                  mOnlyFromDrawnValues);
    const MultiStartSearch::Found found = search.run(monitor);
    return resultOf(found.best, found.startsRun);
}

FitResult ImpedanceFit::resultOf(const LocalOutcome& outcome, int startsRun) const {
    const ResidualModel& model = mProblem->model;
    const Eigen::VectorXd& x = outcome.logValues;
    FitResult result;
    readValues(outcome, result);
    result.slotValue = model.valuesAt(x);
    result.notInResult = mNotInResult;
    result.chiSquare = outcome.chiSquare;
    const int freedom = model.residualCount() - model.parameterCount();
    if (freedom > 0) result.chiSquarePerDof = outcome.chiSquare / freedom;
    result.rmsRelativeResidualPercent = 100 * model.rmsRelative(x);
    result.iterations = outcome.iterations;
    result.startsRun = startsRun;
    result.stop = outcome.stop;
    const bool finite = std::isfinite(outcome.chiSquare) && x.allFinite();
    result.converged = isConvergence(outcome.stop) && finite;
    return result;
}

// The values with their errors, from a Jacobian differenced anew at the solution: the solver's
// own is in its bounded variables, flat on a bound, and only forward differenced.
void ImpedanceFit::readValues(const LocalOutcome& outcome, FitResult& result) const {
    const Eigen::VectorXd& x = outcome.logValues;
    Eigen::MatrixXd jacobian;
    mProblem->model.centralJacobian(x, jacobian);
    std::vector<bool> held(x.size());
    for (int i = 0; i < x.size(); ++i) held[i] = mProblem->transform.atBound(i, x[i]);
    const Uncertainty uncertainty(jacobian, outcome.chiSquare, held);
    for (int i = 0; i < x.size(); ++i) {
        const int slot = mProblem->model.freeSlots()[i];
        FittedValue fitted{slot, pictureName(slot), std::exp(x[i]), {}, {}, held[i]};
        if (const auto error = uncertainty.logStdErr(i)) {
            fitted.stdErr = fitted.value * *error;
            fitted.stdErrPercent = 100 * *error;
        }
        if (uncertainty.undeterminable(i)) result.undeterminable.push_back(fitted.name);
        result.values.push_back(fitted);
        result.correlation.emplace_back();
        for (int j = 0; j < x.size(); ++j)
            result.correlation.back().push_back(uncertainty.correlation(i, j));
    }
}
