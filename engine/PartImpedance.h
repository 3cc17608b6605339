#pragma once

#include <cstdint>

#include "engine/ImpedanceArithmetic.h"
#include "model/CircuitModel.h"

// Leaves the impedance of slot s at the working frequency in model.zWork; any other slot number
// gives 0 + j0. Throws ArithmeticError for a capacitor of 0 F or at 0 Hz, or on overflow.
void PartImpedance(CircuitModel& model, std::int16_t s);

// Records that slot s was taken into the calculation (its value label turns red); slot numbers
// outside 1..20 are ignored.
void MarkPartUsed(CircuitModel& model, std::int16_t s);

// Forgets every mark, also those of parts that are not placed.
void lblclr(CircuitModel& model);
