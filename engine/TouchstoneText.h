#pragma once

#include <string>
#include <vector>

#include "engine/FrequencySweep.h"

// The contents of a one-port Touchstone 1.1 file (.s1p) for a sweep: comment lines, the option
// line "# Hz S RI R <z0>", then one line "f re(S11) im(S11)" per point, with
// S11 = (Z - z0) / (Z + z0). Numbers are written in their shortest form that reads back to the
// same double. A point without an impedance, or one where Z = -z0 and S11 has no value, is left
// out with a comment line that says why. Throws std::invalid_argument unless z0 is a positive
// number of ohms.
std::string TouchstoneText(const std::vector<SweepPoint>& points, double z0);
