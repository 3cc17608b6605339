#pragma once

#include "engine/FrequencySweep.h"

// A marker the user placed on the curve, M1 to M4: its number and the drawing's impedance at its
// frequency, evaluated on the plan. Every view draws it where that impedance lies.
struct MarkedPoint {
    int number;  // 1..4
    SweepPoint point;
};
