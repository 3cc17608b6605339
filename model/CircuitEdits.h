#pragma once

#include <string>

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
void freeLineImage(CircuitModel& model, int imageNumber);

// The model's side of each editing command; the window then shows the model.

// A part of value `value` in slot k of its kind, at its palette position, handled last.
void placePart(CircuitModel& model, PartKind kind, int k, double value);
// The lowest free line of the kind in use at its parking position (its ends stay 0 until it is
// first dragged). Returns its image number, 0 when all ten are in use.
int placeLine(CircuitModel& model, bool vertical);
// One drag-over event of the control named `name` with its top-left corner put at (x, y). A
// part's terminals follow it; a line's ends follow it with the given length (its image's height
// or width). Return the slot or image number moved, 0 for a name of none.
int dragPartTo(CircuitModel& model, const std::string& name, float x, float y);
int dragLineTo(CircuitModel& model, const std::string& name, float x, float y, double length);
// Removes the part or line handled last, as the double-click does; nothing for a name of none.
void removeLastElement(CircuitModel& model);
// Every part and line removed.
void clearDrawing(CircuitModel& model);
// The parts marked by the last calculation and every line removed.
void removeReducedParts(CircuitModel& model);
// The last result as a new impedance part in slot k of the impedance row, handled last.
void placeImpedancePart(CircuitModel& model, int k);
