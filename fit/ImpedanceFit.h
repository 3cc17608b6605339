#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/ReductionPlan.h"
#include "fit/FitMonitor.h"
#include "fit/FitOptions.h"
#include "fit/FitResult.h"
#include "measurement/MeasuredPoint.h"

struct LocalOutcome;
struct LogRange;

// Fits the values of a drawing's resistors, coils and capacitors to a measured impedance: least
// squares over the real and imaginary parts of every point, the model being the drawing's
// reduction at the measured frequencies. The free values are those the calculation takes into
// its result and the caller does not fix; impedance parts keep theirs.
//
// The search and its starts are MultiStartSearch's; this gathers the free values and their
// bounds from the drawing and the options, and reads the result at the values found.
class ImpedanceFit {
public:
    // Throws std::invalid_argument for a point with a frequency not above 0 or an impedance not
    // finite or 0, for bounds that are not positive and ordered, for a free value not above 0,
    // and for fewer residuals than free values; and what ReductionPlan throws for a drawing the
    // calculation cannot read.
    ImpedanceFit(const CircuitModel& model, std::span<const MeasuredPoint> points,
                 const FitOptions& options);

    ~ImpedanceFit();

    // Stops between descents and iterations once the monitor's flag is set, with the best values
    // found so far and the stop FitStop::Cancelled.
    FitResult run(const FitMonitor& monitor = {}) const;

private:
    struct Problem;

    ImpedanceFit(const ReductionPlan& plan, const CircuitModel& model,
                 std::span<const MeasuredPoint> points, const FitOptions& options);
    static std::vector<std::string> leftOut(const ReductionPlan& plan, const CircuitModel& model);
    static std::vector<int> freeSlots(const ReductionPlan& plan, const FitOptions& options);
    static std::vector<LogRange> logRanges(const std::vector<int>& slots,
                                           const FitOptions& options);
    void checkInput(std::span<const MeasuredPoint> points, const CircuitModel& model) const;
    FitResult resultOf(const LocalOutcome& outcome, int startsRun) const;
    void readValues(const LocalOutcome& outcome, FitResult& result) const;

    std::vector<std::string> mNotInResult;
    int mSpreadStarts;
    bool mOnlyFromDrawnValues;
    std::unique_ptr<const Problem> mProblem;
};
