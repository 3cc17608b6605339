#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "model/CircuitModel.h"

// What the frequency response window shows of a drawing over a range: the sweep through the
// reduction of the calculate command, the resonances refined on it, the point at the working
// frequency (absent while none is set, invalid where the reduction fails there) and what keeps
// the drawing from being swept, in words for the window (empty when nothing does).
struct ResponseSweep {
    std::vector<SweepPoint> points;
    std::vector<Resonance> resonances;
    std::optional<SweepPoint> working;
    QString problem;
};

ResponseSweep sweepResponse(const CircuitModel& model, double start, double stop, int count);
