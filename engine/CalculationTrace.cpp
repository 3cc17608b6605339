#include "engine/CalculationTrace.h"

// A part taken while no column is being built starts one (the start part, the next part in
// series, or a bridging part, which the chain then takes in whole); any other part waits to
// be joined to the column in parallel.
void CalculationTrace::took(int slot, const Complex& impedance) {
    mSteps.push_back({TraceStep::Kind::Take, {slot}, {}, impedance});
    if (mColumn.empty())
        mColumn.push_back(slot);
    else
        mPending = slot;
}

void CalculationTrace::joinedInParallel(const Complex& column) {
    mSteps.push_back({TraceStep::Kind::Parallel, mColumn, {mPending}, column});
    mColumn.push_back(mPending);
}

void CalculationTrace::addedInSeries(const Complex& chain) {
    mSteps.push_back({TraceStep::Kind::Series, mColumn, mChain, chain});
    mChain.insert(mChain.end(), mColumn.begin(), mColumn.end());
    mColumn.clear();
}

void CalculationTrace::bridged(const Complex& chain) {
    mSteps.push_back({TraceStep::Kind::Bypass, mChain, mColumn, chain});
    mChain.insert(mChain.end(), mColumn.begin(), mColumn.end());
    mColumn.clear();
}

// A column's first part is the one it was built on: every other part joins it in parallel.
std::vector<int> CalculationTrace::seriesParts() const {
    std::vector<int> parts;
    for (const TraceStep& step : mSteps)
        if (step.kind == TraceStep::Kind::Series) parts.push_back(step.left.front());
    return parts;
}
