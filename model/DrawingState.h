#pragma once

#include <optional>
#include <string>

#include "model/CircuitModel.h"

// The drawing and its editing state, taken out of the model and put back whole: what an undo
// step remembers and what a drawing file holds beside the user's choices. It leaves out the
// calculation's working state (every calculation rebuilds it) and the result unit (a view
// choice, not an edit).
struct DrawingState {
    SlotFlags slotUsed{};
    SlotTable slotValue{};
    KindTable impPartRe{}, impPartIm{};
    std::array<std::array<std::string, 2>, kSlotCount + 1> valueCaption{};
    KindTable resLeftX{}, resLeftY{}, resRightX{};
    KindTableF resRightY{};
    KindTable coilLeftX{}, coilLeftY{}, coilRightX{};
    KindTableF coilRightY{};
    KindTable capLeftX{}, capLeftY{}, capRightX{};
    KindTableF capRightY{};
    KindTable impLeftX{}, impLeftY{}, impRightX{};
    KindTableF impRightY{};
    LineFlags vLineUsed{}, hLineUsed{};
    LineTable vLineTopX{}, vLineTopY{}, vLineBottomX{};
    LineTableF vLineBottomY{};
    LineTable hLineLeftX{}, hLineLeftY{}, hLineRightX{};
    LineTableF hLineRightY{};
    std::string lastPartName, lastLineName;
    std::int16_t lastDragKind = kPartDraggedLast;
    std::int16_t startPart = 0;
    double frequency = 0;
    std::string frequencyCaption, frequencyUnitCaption;
    bool frequencyCommandShown = true;

    bool operator==(const DrawingState&) const = default;
    // Whether every part and line stands where it stood: editing state aside.
    bool samePlaces(const DrawingState& other) const;
};

DrawingState captureDrawing(const CircuitModel& model);
void restoreDrawing(CircuitModel& model, const DrawingState& state);

// Everything a drawing file holds: the drawing, the result unit and the numbers last typed in
// the three value dialogs, which a dialog closed without typing hands on again.
struct DrawingFileContents {
    DrawingState drawing;
    double resultUnitFactor = 1;
    double resistanceInput = 0, inductanceInput = 0, capacitanceInput = 0;

    bool operator==(const DrawingFileContents&) const = default;
};

DrawingFileContents captureFileContents(const CircuitModel& model);
void restoreFileContents(CircuitModel& model, const DrawingFileContents& contents);

// What is wrong with contents read from a file, in words for the user; nothing when the model
// can take them: numbers finite, each part and line inside the client area of 12840 x 8325
// twips, its terminals or ends where its size puts them, the flags and the drag kind 0 or 1.
std::optional<std::string> problemWith(const DrawingFileContents& contents);
