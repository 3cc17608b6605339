#include "fit/FitStop.h"

bool isConvergence(FitStop stop) {
    switch (stop) {
        case FitStop::SumStopsFalling:
        case FitStop::StepsTooSmall:
        case FitStop::SumAndStepsTooSmall:
        case FitStop::GradientVanishes:
        case FitStop::MachinePrecision: return true;
        case FitStop::TooManyEvaluations:
        case FitStop::SolverRefused:
        case FitStop::Cancelled:
        case FitStop::NothingToFit: return false;
    }
    return false;
}

std::string_view describe(FitStop stop) {
    switch (stop) {
        case FitStop::SumStopsFalling: return "the sum of squares no longer falls";
        case FitStop::StepsTooSmall: return "the values no longer move";
        case FitStop::SumAndStepsTooSmall:
            return "the sum of squares no longer falls and the values no longer move";
        case FitStop::GradientVanishes: return "no direction lowers the sum of squares";
        case FitStop::MachinePrecision:
            return "the sum of squares cannot fall further in double precision";
        case FitStop::TooManyEvaluations: return "too many evaluations without converging";
        case FitStop::SolverRefused: return "the solver refused its input";
        case FitStop::Cancelled: return "cancelled";
        case FitStop::NothingToFit: return "no value is free to fit";
    }
    return "";
}
