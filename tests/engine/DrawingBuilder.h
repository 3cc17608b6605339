#pragma once

#include <vector>

#include "engine/Calculation.h"
#include "model/CircuitEdits.h"
#include "model/CircuitModel.h"

// Puts parts and lines into a model the way the editor leaves them after a drag, so that tests
// can state drawings by coordinates alone.
namespace drawing {

// A part whose picture stands at (left, top): terminals on its lead line, right Y as a single.
inline void placePart(CircuitModel& model, int s, double left, double top) {
    setPartTerminals(model, s, left, top);
    model.slotUsed[s] = 1;
}

// The same part, placed so that its left terminal lands on (x, y).
inline void placePartAt(CircuitModel& model, int s, double x, double y) {
    placePart(model, s, x, y - model.termOffsetOf(kindOfSlot(s)));
}

// A part with its left terminal at (x, y) and its value: ohms, henries or farads, or the real
// and imaginary part of an impedance part.
inline void placeValuedPart(CircuitModel& model, int s, double x, double y, double value,
                            double im = 0) {
    placePartAt(model, s, x, y);
    if (kindOfSlot(s) != PartKind::Impedance) {
        model.slotValue[s] = value;
        return;
    }
    model.impPartRe[indexInKind(s)] = value;
    model.impPartIm[indexInKind(s)] = im;
}

// Raw terminal entries, for drawings the editor cannot make (a right terminal left of the left).
inline void setTerminals(CircuitModel& model, int s, double leftX, double leftY, double rightX,
                         float rightY) {
    const KindTerminals terminals = model.terminals(kindOfSlot(s));
    const int k = indexInKind(s);
    terminals.leftX[k] = leftX, terminals.leftY[k] = leftY;
    terminals.rightX[k] = rightX, terminals.rightY[k] = rightY;
    model.slotUsed[s] = 1;
}

inline void setVLine(CircuitModel& model, int n, double x, double topY, double bottomY) {
    model.vLineTopX[n] = x, model.vLineTopY[n] = topY;
    model.vLineBottomX[n] = x, model.vLineBottomY[n] = static_cast<float>(bottomY);
    model.vLineUsed[n] = 1;
}

inline void setHLine(CircuitModel& model, int n, double leftX, double leftY, double rightX) {
    model.hLineLeftX[n] = leftX, model.hLineLeftY[n] = leftY;
    model.hLineRightX[n] = rightX, model.hLineRightY[n] = static_cast<float>(leftY);
    model.hLineUsed[n] = 1;
}

// A vertical line dragged to (x, y): 975 twips down to its bottom end.
inline void placeVLine(CircuitModel& model, int n, double x, double y) {
    setVLine(model, n, x, y, y + model.vLineHeight);
}

// A horizontal line dragged to (x, y): 615 twips right to its right end.
inline void placeHLine(CircuitModel& model, int n, double x, double y) {
    setHLine(model, n, x, y, x + model.hLineWidth);
}

// Slot `lower` with its left terminal at (3600, 3600), slot `upper` one line length above it,
// closed by vertical lines 1 (right terminals) and 2 (left terminals).
inline void stack(CircuitModel& model, int lower, int upper) {
    placePartAt(model, lower, 3600, 3600);
    placePartAt(model, upper, 3600, 2625);
    placeVLine(model, 1, 4710, 2625);
    placeVLine(model, 2, 3600, 2625);
}

// Table rows state elements by number and position: a part by its left terminal, a line by
// the point it was dragged to.
struct PartAt {
    int slot;
    double x, y;
};
struct LineAt {
    int n;
    double x, y;
};

inline CircuitModel emptyModel() {
    CircuitModel model;
    loadInitialState(model);
    return model;
}

// Resistor, coil and capacitor side by side, each touching the next: a series chain.
inline CircuitModel seriesRlc(double ohms, double henries, double farads) {
    CircuitModel model = emptyModel();
    placePartAt(model, 1, 6000, 3000);
    placePartAt(model, 6, 4890, 3000);
    placePartAt(model, 11, 3780, 3000);
    model.slotValue[1] = ohms, model.slotValue[6] = henries, model.slotValue[11] = farads;
    return model;
}

// A model holding the drawing with everything a search reads ready, as the calculation leaves it
// before its first search.
inline CircuitModel searchReady(const std::vector<PartAt>& parts, const std::vector<LineAt>& vLines,
                                const std::vector<LineAt>& hLines = {}) {
    CircuitModel model = emptyModel();
    for (const PartAt& part : parts) placePartAt(model, part.slot, part.x, part.y);
    for (const LineAt& line : vLines) placeVLine(model, line.n, line.x, line.y);
    for (const LineAt& line : hLines) placeHLine(model, line.n, line.x, line.y);
    model.joinTolerance = 200;
    RefreshCombinedTables(model);
    return model;
}

}  // namespace drawing
