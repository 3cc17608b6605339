#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/DrawingState.h"

// The four per-kind terminal tables of one kind, seen together.
struct KindTerminals {
    KindTable& leftX;
    KindTable& leftY;
    KindTable& rightX;
    KindTableF& rightY;
};

// Everything that describes the drawn circuit (the drawing's own fields, DrawingState) and the
// values the windows exchange. One instance lives as long as the main window; every window
// reaches it. Nothing is ever stored about connections: they are found anew from coincident
// coordinates by every calculation.
struct CircuitModel : DrawingState {
    // Kind constants, set when the main window loads.
    int resWidth = 0, resHeight = 0, resTermOffset = 0;
    int coilWidth = 0, coilHeight = 0, coilTermOffset = 0;
    int capWidth = 0, capHeight = 0, capTermOffset = 0;
    int impWidth = 0, impHeight = 0, impTermOffset = 0;
    int vLineWidth = 0, vLineHeight = 0, hLineWidth = 0, hLineHeight = 0;

    // Red value label: the part was taken into the last calculation.
    SlotFlags slotMarked{};

    // Combined terminal tables: a copy of the per-kind tables laid end to end.
    SlotTable partLeftX{}, partLeftY{}, partRightX{};
    SlotTableF partRightY{};

    // Values exchanged with the dialogs.
    double resistanceInput = 0, resistanceUnit = 0;
    double inductanceInput = 0, inductanceUnit = 0;
    double capacitanceInput = 0, capacitanceUnit = 0;
    std::int16_t dialogCancelled = 0;
    double frequencyUnit = 0;
    double resultUnitFactor = 0;

    // Calculation working state.
    float joinTolerance = 0;
    std::int16_t seriesPart = 0, partAbove = 0, partBelow = 0;
    std::int16_t columnTop = 0, columnBottom = 0, bypassPart = 0;
    std::int16_t leftJoinLine = 0, rightJoinLine = 0, openLineUp = 0;
    double resultRe = 0, resultIm = 0;
    double shownAbs = 0, shownRe = 0, shownIm = 0, phaseAngle = 0;
    Complex zWork, zColumn, zChain;

    KindTerminals terminals(PartKind kind);
    // Where the part of a slot stands: its picture's top-left corner, from its left terminal.
    double partLeft(int slot) const;
    double partTop(int slot) const;
    int widthOf(PartKind kind) const;
    int heightOf(PartKind kind) const;
    int termOffsetOf(PartKind kind) const;
    // Vertical lines: vLineWidth x vLineHeight; horizontal: hLineWidth x hLineHeight.
    int lineWidth(bool vertical) const { return vertical ? vLineWidth : hLineWidth; }
    int lineHeight(bool vertical) const { return vertical ? vLineHeight : hLineHeight; }
};

// The start-up state the main window establishes when it loads: kind constants, unit factor,
// drag kind, and the combined and line tables explicitly zeroed.
void loadInitialState(CircuitModel& model);

// The drawing and its editing state taken out of the model, and put back whole.
inline DrawingState captureDrawing(const CircuitModel& model) {
    return model;
}
inline void restoreDrawing(CircuitModel& model, const DrawingState& state) {
    static_cast<DrawingState&>(model) = state;
}
