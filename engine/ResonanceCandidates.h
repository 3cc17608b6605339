#pragma once

#include <cstddef>
#include <vector>

#include "engine/FrequencySweep.h"

// Where the points of a sweep show a resonance, in frequency order: a phase that changes sign
// between points index - 1 and index, a |Z| minimum or maximum at point index between its two
// neighbours; only between valid points. RefineResonances searches each on the drawing's plan.
struct ResonanceCandidate {
    Resonance::Kind kind;
    std::size_t index;
};

std::vector<ResonanceCandidate> resonanceCandidates(const std::vector<SweepPoint>& points);
