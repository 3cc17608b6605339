#pragma once

#include "model/CircuitModel.h"

// Edits of the drawing that the placing, dragging, removing and clearing commands share.

// Lowest free index k = 1..5 of the kind, or 0 when all five are in use.
int firstFreeIndex(const CircuitModel& model, PartKind kind);

// Whether turning the last result into an impedance part finds a slot for it: one is free now or
// is freed because its part went into the result (its label is marked).
bool conversionFindsImpedanceSlot(const CircuitModel& model);

// Terminal entries of a part whose picture's top-left corner stands at (left, top): both
// terminals on the symbol's lead line, at the picture's left and right edges.
void setPartTerminals(CircuitModel& model, int slot, double left, double top);
void clearPartTerminals(CircuitModel& model, int slot);

// End points of vertical line n (1..10) whose image stands at (left, top) with the given height,
// and of horizontal line n with the given width; the ends lie on the image's left or top edge.
void setVLineEnds(CircuitModel& model, int n, double left, double top, double height);
void setHLineEnds(CircuitModel& model, int n, double left, double top, double width);

// Frees a slot or a line: flag and coordinates back to 0. Stored values stay for later reuse.
void freePart(CircuitModel& model, int slot);
void freeVLine(CircuitModel& model, int n);
void freeHLine(CircuitModel& model, int n);
