#pragma once

#include "engine/CalculationTrace.h"
#include "model/CircuitModel.h"

// Copies the per-kind terminal tables into partLeftX .. partRightY (resistors to slots 1-5, coils
// 6-10, capacitors 11-15, impedance parts 16-20). Dragging writes only the per-kind tables, so
// anything that reads the combined ones refreshes them first.
void RefreshCombinedTables(CircuitModel& model);

// Sets startPart to the slot whose right terminal has the largest positive X·Y product (the
// lowest slot among equals); when none is positive startPart keeps its value.
void FindStartPart(CircuitModel& model);

// One run of the calculate command, from setting the join tolerance to the result fields of the
// model (resultRe, resultIm, shownAbs, shownRe, shownIm, phaseAngle). Marks every part it takes
// into the result (slotMarked).
// Throws NoPartPlacedError when startPart stays 0, ArithmeticError for an arithmetic fault or a
// walk that does not end. The model keeps whatever state it reached, marks included.
// A trace, when given, records every step of the reduction.
void Calculate(CircuitModel& model, CalculationTrace* trace = nullptr);

// An impedance in ohms as the result fields show it: scaled by the result unit's factor, then
// rounded half up to three decimals. Throws ArithmeticError where the scaled value overflows.
double ShownValue(double ohms, double unitFactor);

// Phase angle in degrees from the plain arctangent with the program's 3.141592, unrounded:
// -90..+90, also for a negative real part; ±90 or 0 on the imaginary axis.
double PhaseDegrees(double re, double im);
