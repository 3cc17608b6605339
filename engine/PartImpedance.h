#pragma once

#include <cstdint>

#include "engine/CheckedMath.h"
#include "model/CircuitModel.h"

// The formulas a coil and a capacitor follow; every step throws ArithmeticError on a fault. The
// angular frequency is formed first, and a capacitor divides -1 by the product C·ω.
// 6.283184 as written, not 2π to full precision: the shown results depend on it.
inline constexpr double kCalculationTwoPi = 6.283184;
inline double AngularFrequency(double frequency) {
    return checked(kCalculationTwoPi * frequency);
}
inline double CoilReactance(double henries, double omega) {
    return checked(henries * omega);
}
inline double CapacitorReactance(double farads, double omega) {
    return checkedDiv(-1.0, checked(farads * omega));
}

// Leaves the impedance of slot s at the working frequency in model.zWork; any other slot number
// gives 0 + j0. Throws ArithmeticError for a capacitor of 0 F or at 0 Hz, or on overflow.
void PartImpedance(CircuitModel& model, std::int16_t s);

// Records that slot s was taken into the calculation (its value label turns red); slot numbers
// outside 1..20 are ignored.
void MarkPartUsed(CircuitModel& model, std::int16_t s);

// Forgets every mark, also those of parts that are not placed.
void lblclr(CircuitModel& model);
