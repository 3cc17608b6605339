#pragma once

#include <vector>

#include "engine/ReductionPlan.h"
#include "model/CircuitModel.h"

// The network's impedance over a range of frequencies, from the same reduction as the calculate
// command: the drawing is read into a plan once and the plan evaluated at each frequency, which
// gives the bits of a calculation there. Impedance parts keep their stored value at every
// frequency, as in a calculation.
struct SweepPoint {
    double frequency;  // hertz
    bool valid;        // false where the reduction fails (a gap in the response)
    Complex z;         // ohms, unscaled
    double phase;      // degrees, unrounded
};

// `count` frequencies spaced evenly on a logarithmic scale from start to stop, both included.
// Every point is invalid when the drawing cannot be read (no part placed, a walk that fails).
std::vector<SweepPoint> SweepFrequencies(const CircuitModel& model, double start, double stop,
                                         int count);
// The same on a plan already read; every point is invalid where there is none (nullptr).
std::vector<SweepPoint> SweepFrequencies(const ReductionPlan* plan, double start, double stop,
                                         int count);

struct Resonance {
    enum class Kind { PhaseZero, Minimum, Maximum };
    Kind kind;
    double frequency;
};

// Where the phase crosses 0° and where |Z| has a local minimum or maximum: each place the
// sweep's points show one (between valid neighbouring points only) searched again on the plan
// of the swept drawing until the interval holding it is a billionth of its frequency wide: a
// phase zero by bisection on the sign of the phase between its two points, a |Z| extremum by
// golden-section search on the logarithmic frequency axis between its two neighbours. Where an
// evaluation inside the interval fails, that search stops with the middle of the interval it has
// narrowed down to. A sign change whose search ends where the phase is not near 0° (the jump from
// +90° to -90° at a pole of |Z|) or cannot be evaluated is no phase zero and is left out. The
// points must be a sweep of the plan's drawing.
std::vector<Resonance> RefineResonances(const ReductionPlan& plan,
                                        const std::vector<SweepPoint>& points);
