#pragma once

#include <string_view>

// Why the solver stopped with the values kept.
enum class FitStop {
    SumStopsFalling,      // the sum of squares falls by less than its relative tolerance
    StepsTooSmall,        // the values move by less than their relative tolerance
    SumAndStepsTooSmall,  // both of the above
    GradientVanishes,     // the residuals are orthogonal to every direction the values can take
    MachinePrecision,     // no further reduction is possible in double precision
    TooManyEvaluations,   // the evaluation budget ran out before any of the above
    SolverRefused,        // the solver refused its input
    Cancelled,            // the caller asked to stop
    NothingToFit,         // every value the result takes in is fixed, or none is a free kind
};

// The solver's own tests of a minimum; everything else is not a convergence.
bool isConvergence(FitStop stop);

// A sentence for the window's and the command line's report, in Japanese like the rest of them.
std::string_view describe(FitStop stop);
