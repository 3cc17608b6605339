#pragma once

#include <vector>

#include "model/Complex.h"

// One step of a reduction: a part taken with its own impedance, a part joined to its column in
// parallel, a column added to the chain in series, or a part bridging the chain. `left` and
// `right` are the slots of the two operands (for a part taken, `left` is the part alone; for
// the first series step, `right` is the still empty chain); `value` is the result in ohms.
struct TraceStep {
    enum class Kind { Take, Parallel, Series, Bypass };
    Kind kind;
    std::vector<int> left;
    std::vector<int> right;
    Complex value;
};

// Records the steps of one calculation as the reduction makes them, so that what is shown can
// never differ from what was computed. It follows which parts make up the column being built and
// the chain done so far.
class CalculationTrace {
public:
    void took(int slot, const Complex& impedance);
    void joinedInParallel(const Complex& column);
    void addedInSeries(const Complex& chain);
    void bridged(const Complex& chain);

    const std::vector<TraceStep>& steps() const { return mSteps; }
    // The part each column of the walk was built on, in walk order: the start part first, the
    // series part of the last column last.
    std::vector<int> seriesParts() const;

private:
    std::vector<TraceStep> mSteps;
    std::vector<int> mColumn;
    std::vector<int> mChain;
    int mPending = 0;  // taken, not yet combined with the column
};
