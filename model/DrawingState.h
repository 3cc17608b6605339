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

inline constexpr std::int16_t kPartDraggedLast = 1;
inline constexpr std::int16_t kLineDraggedLast = 0;

// The drawing and its editing state: every field that an undo step remembers and a drawing file
// holds, declared here once. The model is a DrawingState with the calculation's working state and
// the values the windows exchange beside it, so capturing and restoring the drawing is a copy of
// this part of the model. The result unit is a view choice, not an edit, and is not here.
// All coordinates are twips in the main window's client area, x to the right, y downward.
struct DrawingState {
    // Part slots.
    SlotFlags slotUsed{};
    SlotTable slotValue{};  // ohm, henry or farad for slots 1..15
    KindTable impPartRe{}, impPartIm{};
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
    // The calculation's start part, as the last calculation left it.
    std::int16_t startPart = 0;

    double frequency = 0;  // hertz once the frequency command has finished
    // The frequency as the window shows it beside the palette (Label18, Label19), and whether
    // "周波数" can be used: impedance parts hide it.
    std::string frequencyCaption;
    std::string frequencyUnitCaption;
    bool frequencyCommandShown = false;

    bool operator==(const DrawingState&) const = default;
    // Whether every part and line stands where it stood: editing state aside.
    bool samePlaces(const DrawingState& other) const;
};
