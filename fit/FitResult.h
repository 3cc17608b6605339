#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/FitStop.h"
#include "model/CircuitModel.h"

// One free value as fitted. The fit works on the logarithm of the value; its standard error σ
// there, from the covariance at the solution, gives stdErr = value·σ and stdErrPercent = 100·σ.
// Both are empty where the data cannot determine the value, or where the value rests on one of
// its bounds: there the data would take it further, and a symmetric error would say nothing.
struct FittedValue {
    int slot;
    std::string name;  // the part's control name, "Picture7"
    double value;      // ohms, henries or farads
    std::optional<double> stdErr;
    std::optional<double> stdErrPercent;
    bool atBound = false;
};

struct FitResult {
    std::vector<FittedValue> values;  // the free values, in slot order
    // The drawing's values with the fitted ones put in, indexed by slot.
    SlotTable slotValue{};
    // Free values the data cannot tell apart from others (two resistors in series: only their
    // sum shows) or cannot see at all.
    std::vector<std::string> undeterminable;
    // Parts placed but left out of the result: the data cannot see them.
    std::vector<std::string> notInResult;
    // Between the values of `values`; empty where either has no standard error.
    std::vector<std::vector<std::optional<double>>> correlation;

    // Over the weighted residuals, two per point (real and imaginary part).
    double chiSquare = 0;
    // χ² / (2·points − free values), the residual variance the standard errors are scaled by;
    // empty when there are no more residuals than free values.
    std::optional<double> chiSquarePerDof;
    // sqrt of the mean of ((Z model − Z measured) / |Z measured|)² over real and imaginary parts,
    // in percent, whatever the weighting: with relative noise σ on each part this is near σ.
    double rmsRelativeResidualPercent = 0;

    int iterations = 0;  // of the solver run that found the values kept
    int startsRun = 0;
    FitStop stop = FitStop::NothingToFit;
    // The solver stopped for one of its convergence tests and the result is finite.
    bool converged = false;
};
