#pragma once

#include "model/CircuitModel.h"

// Whether a failed calculation failed because the working frequency is 0 Hz and its walk takes a
// capacitor, whose impedance -1/(C·ω) cannot be formed there; not so for a capacitor of 0 F at a
// set frequency, nor for a drawing whose walk fails on its own.
bool capacitorAtZeroHertz(const CircuitModel& model);
