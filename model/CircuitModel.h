#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Complex.h"
#include "model/PartKind.h"

// Terminal coordinates of one kind of part, indexed by k = 1..5 (element 0 stays 0).
// Right Y is held in single precision like the original window's coordinate tables.
using KindTable = std::array<double, kSlotsPerKind + 1>;
using KindTableF = std::array<float, kSlotsPerKind + 1>;
// Slot tables, indexed by s = 1..20 (element 0 stays 0).
using SlotTable = std::array<double, kSlotCount + 1>;
using SlotTableF = std::array<float, kSlotCount + 1>;
using SlotFlags = std::array<std::int16_t, kSlotCount + 1>;
// Line tables, indexed by n = 1..10; elements 0 and 11 exist and stay 0.
using LineTable = std::array<double, kLinesPerKind + 2>;
using LineTableF = std::array<float, kLinesPerKind + 2>;
using LineFlags = std::array<std::int16_t, kLinesPerKind + 1>;

// The four per-kind terminal tables of one kind, seen together.
struct KindTerminals {
    KindTable& leftX;
    KindTable& leftY;
    KindTable& rightX;
    KindTableF& rightY;
};

inline constexpr std::int16_t kPartDraggedLast = 1;
inline constexpr std::int16_t kLineDraggedLast = 0;

// Everything that describes the drawn circuit and the values the windows exchange. One instance
// lives as long as the main window; every window reaches it. Nothing is ever stored about
// connections: they are found anew from coincident coordinates by every calculation.
// All coordinates are twips in the main window's client area, x to the right, y downward.
struct CircuitModel {
    // Kind constants, set when the main window loads.
    int resWidth = 0, resHeight = 0, resTermOffset = 0;
    int coilWidth = 0, coilHeight = 0, coilTermOffset = 0;
    int capWidth = 0, capHeight = 0, capTermOffset = 0;
    int impWidth = 0, impHeight = 0, impTermOffset = 0;
    int vLineWidth = 0, vLineHeight = 0, hLineWidth = 0, hLineHeight = 0;

    // Part slots.
    SlotFlags slotUsed{};
    SlotTable slotValue{};  // ohm, henry or farad for slots 1..15
    KindTable impPartRe{}, impPartIm{};
    // Red value label: the part was taken into the last calculation.
    SlotFlags slotMarked{};
    // The captions of each slot's value labels; only impedance parts use the second.
    std::array<std::array<std::string, 2>, kSlotCount + 1> valueCaption{};

    KindTable resLeftX{}, resLeftY{}, resRightX{};
    KindTableF resRightY{};
    KindTable coilLeftX{}, coilLeftY{}, coilRightX{};
    KindTableF coilRightY{};
    KindTable capLeftX{}, capLeftY{}, capRightX{};
    KindTableF capRightY{};
    KindTable impLeftX{}, impLeftY{}, impRightX{};
    KindTableF impRightY{};

    // Combined terminal tables: a copy of the per-kind tables laid end to end.
    SlotTable partLeftX{}, partLeftY{}, partRightX{};
    SlotTableF partRightY{};

    // Connecting lines.
    LineFlags vLineUsed{}, hLineUsed{};
    LineTable vLineTopX{}, vLineTopY{}, vLineBottomX{};
    LineTableF vLineBottomY{};
    LineTable hLineLeftX{}, hLineLeftY{}, hLineRightX{};
    LineTableF hLineRightY{};

    // Editing state.
    std::string lastPartName;
    std::string lastLineName;
    std::int16_t lastDragKind = 0;  // kPartDraggedLast or kLineDraggedLast

    // Values exchanged with the dialogs.
    double resistanceInput = 0, resistanceUnit = 0;
    double inductanceInput = 0, inductanceUnit = 0;
    double capacitanceInput = 0, capacitanceUnit = 0;
    std::int16_t dialogCancelled = 0;
    double frequency = 0;  // hertz once the frequency command has finished
    double frequencyUnit = 0;
    double resultUnitFactor = 0;

    // The frequency as the window shows it beside the palette (Label18, Label19), and whether
    // "周波数" can be used: impedance parts hide it.
    std::string frequencyCaption;
    std::string frequencyUnitCaption;
    bool frequencyCommandShown = false;

    // Calculation working state.
    float joinTolerance = 0;
    std::int16_t startPart = 0;
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
