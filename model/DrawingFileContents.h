#pragma once

#include <optional>
#include <string>

#include "model/CircuitModel.h"

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
