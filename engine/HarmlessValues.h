#pragma once

#include "model/CircuitModel.h"

// The drawing with every part's impedance moved into the closed first quadrant (resistance and
// reactance >= 0, not both 0) and of a size near 1: a reciprocal of such a value lies in the
// fourth quadrant, sums stay in their quadrant and away from 0, so no step of a calculation can
// divide by zero or overflow. A calculation of this copy fails only where its walk fails, and
// the walk is the one of the real values, since the searches never read a value.
CircuitModel withHarmlessValues(const CircuitModel& model);
