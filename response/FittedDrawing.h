#pragma once

#include <QList>

#include "model/DrawingState.h"

// One value a fit found, to be written into the drawing's part in that slot.
struct FittedPartValue {
    int slot;
    double value;  // ohms, henries or farads
};

// What "適用" hands the program: the drawing the fit started from, so that a drawing changed since
// is refused, and the values found. The program and the window's library both use this plain
// header; it crosses between them by Qt's meta-object calls, which match the type by its name.
struct FittedDrawing {
    DrawingState before;
    QList<FittedPartValue> values;
};
