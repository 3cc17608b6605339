#pragma once

#include <string>

#include "model/CircuitModel.h"

// The drawing as wired, as the contents of a .cir file for ngspice. In batch mode
// (`ngspice -b file.cir`) it prints vr(in) and vi(in), the real and imaginary part of the port's
// impedance in ohms, to 15 digits.
struct SpiceNetlist {
    enum class Refusal {
        None,
        NotAboveZeroHertz,  // an AC analysis needs a working frequency above 0 Hz
        NoSolvedPort,       // the wired check found no port or could not solve it
    };
    Refusal refusal = Refusal::None;
    std::string reason;  // why there is no netlist; empty when there is one
    std::string text;    // the file's contents; empty when refused
};

// One element per part that carries current on the port's network, named after its kind and slot
// (R3, L7, C12, an impedance part 16 as R16 with L16 or C16), in plain exponents: ngspice reads a
// suffix such as "M" as milli. A 1 A AC source feeds the port. Parts left out (off the port,
// shorted, open) are named in comment lines with the reason.
SpiceNetlist WriteSpiceNetlist(const CircuitModel& model);
