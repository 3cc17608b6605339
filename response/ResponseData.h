#pragma once

#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "response/ShownMeasurement.h"

// What each view of the frequency response draws from: the sweep, its range, the result unit
// and the point at the working frequency, which is absent while no working frequency is set and
// invalid where the reduction fails there, and the measurements listed, drawn over the curves.
struct ResponseData {
    const std::vector<SweepPoint>& points;
    double start, stop;  // hertz
    double unitFactor;
    std::optional<SweepPoint> working;
    const std::vector<ShownMeasurement>& measured;
};
