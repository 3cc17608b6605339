#pragma once

#include <string>
#include <vector>

#include "engine/FrequencySweep.h"

// A frequency response as comma-separated text: frequency in hertz, real and imaginary part and
// magnitude in the result unit (ohms times the factor), phase in degrees. Numbers are written in
// their shortest exact form, so reading them back gives the same doubles; a frequency at which
// the reduction failed keeps its row with the values left empty.
std::string sweepCsv(const std::vector<SweepPoint>& points, double unitFactor);
