#pragma once

#include "model/Complex.h"

// One row of a one-port measurement: the impedance the instrument saw at one frequency.
struct MeasuredPoint {
    double frequency;  // hertz, above 0
    Complex z;         // ohms
};
