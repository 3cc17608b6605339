#pragma once

#include "model/CircuitModel.h"

// Edits of the drawing that the placing, dragging, removing and clearing commands share.

// Lowest free index k = 1..5 of the kind, or 0 when all five are in use.
int firstFreeIndex(const CircuitModel& model, PartKind kind);

// Terminal entries of a part whose picture's top-left corner stands at (left, top): both
// terminals on the symbol's lead line, at the picture's left and right edges.
void setPartTerminals(CircuitModel& model, int slot, double left, double top);
void clearPartTerminals(CircuitModel& model, int slot);
