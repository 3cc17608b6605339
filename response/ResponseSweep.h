#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "engine/ResonanceBandwidth.h"
#include "model/CircuitModel.h"

// What the frequency response window shows of a drawing over a range: the sweep through the
// reduction of the calculate command, the resonances refined on it with the −3 dB band and Q of
// each where defined, the point at the working frequency (absent while none is set, invalid where
// the reduction fails there) and what keeps the drawing from being swept, in words for the window
// (empty when nothing does).
struct ResponseSweep {
    std::vector<SweepPoint> points;
    std::vector<Resonance> resonances;
    std::vector<std::optional<Bandwidth>> bandwidths;  // of each resonance, where defined
    std::optional<SweepPoint> working;
    QString problem;
};

ResponseSweep sweepResponse(const CircuitModel& model, double start, double stop, int count);

// The drawing at each of the frequencies, through the same plan; invalid where it has no value.
std::vector<SweepPoint> pointsAt(const CircuitModel& model, const std::vector<double>& frequencies);
