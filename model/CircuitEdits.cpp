#include "model/CircuitEdits.h"

#include "model/ControlNames.h"
#include "model/Palette.h"

int firstFreeIndex(const CircuitModel& model, PartKind kind) {
    for (int k = 1; k <= kSlotsPerKind; ++k)
        if (model.slotUsed[slotOf(kind, k)] == 0) return k;
    return 0;
}

bool conversionFindsImpedanceSlot(const CircuitModel& model) {
    for (int k = 1; k <= kSlotsPerKind; ++k) {
        const int slot = slotOf(PartKind::Impedance, k);
        if (model.slotUsed[slot] == 0 || model.slotMarked[slot] != 0) return true;
    }
    return false;
}

void setPartTerminals(CircuitModel& model, int slot, double left, double top) {
    const PartKind kind = kindOfSlot(slot);
    const int k = indexInKind(slot);
    KindTerminals table = model.terminals(kind);
    table.leftX[k] = left;
    table.leftY[k] = top + model.termOffsetOf(kind);
    table.rightX[k] = table.leftX[k] + model.widthOf(kind);
    table.rightY[k] = static_cast<float>(table.leftY[k]);
}

void clearPartTerminals(CircuitModel& model, int slot) {
    const int k = indexInKind(slot);
    KindTerminals table = model.terminals(kindOfSlot(slot));
    table.leftX[k] = 0, table.leftY[k] = 0, table.rightX[k] = 0, table.rightY[k] = 0;
}

void setVLineEnds(CircuitModel& model, int n, double left, double top, double height) {
    model.vLineTopX[n] = left;
    model.vLineTopY[n] = top;
    model.vLineBottomX[n] = left;
    model.vLineBottomY[n] = static_cast<float>(top + height);
}

void setHLineEnds(CircuitModel& model, int n, double left, double top, double width) {
    model.hLineLeftX[n] = left;
    model.hLineLeftY[n] = top;
    model.hLineRightX[n] = left + width;
    model.hLineRightY[n] = static_cast<float>(top);
}

void freePart(CircuitModel& model, int slot) {
    model.slotUsed[slot] = 0;
    clearPartTerminals(model, slot);
}

void freeVLine(CircuitModel& model, int n) {
    model.vLineUsed[n] = 0;
    model.vLineTopX[n] = 0, model.vLineTopY[n] = 0, model.vLineBottomX[n] = 0;
    model.vLineBottomY[n] = 0;
}

void freeHLine(CircuitModel& model, int n) {
    model.hLineUsed[n] = 0;
    model.hLineLeftX[n] = 0, model.hLineLeftY[n] = 0, model.hLineRightX[n] = 0;
    model.hLineRightY[n] = 0;
}

void freeLineImage(CircuitModel& model, int imageNumber) {
    if (isVerticalImage(imageNumber))
        freeVLine(model, lineOfImage(imageNumber));
    else
        freeHLine(model, lineOfImage(imageNumber));
}

void placePart(CircuitModel& model, PartKind kind, int k, double value) {
    const int slot = slotOf(kind, k);
    model.slotValue[slot] = value;
    setPartTerminals(model, slot, kPaletteLeft[k], kindRow(kind).paletteTop);
    model.lastPartName = pictureName(slot);
    model.slotUsed[slot] = 1;
}

int placeLine(CircuitModel& model, bool vertical) {
    auto& used = vertical ? model.vLineUsed : model.hLineUsed;
    for (int n = 1; n <= kLinesPerKind; ++n) {
        if (used[n] != 0) continue;
        used[n] = 1;
        return imageOfLine(vertical, n);
    }
    return 0;
}

int dragPartTo(CircuitModel& model, const std::string& name, float x, float y) {
    model.lastPartName = name;
    model.lastDragKind = kPartDraggedLast;
    const int slot = pictureSlot(name);
    if (slot != 0) setPartTerminals(model, slot, x, y);
    return slot;
}

int dragLineTo(CircuitModel& model, const std::string& name, float x, float y, double length) {
    model.lastDragKind = kLineDraggedLast;
    const int image = imageNumber(name);
    if (image != 0 && isVerticalImage(image)) setVLineEnds(model, lineOfImage(image), x, y, length);
    if (image != 0 && !isVerticalImage(image))
        setHLineEnds(model, lineOfImage(image), x, y, length);
    model.lastLineName = name;
    return image;
}

void removeLastElement(CircuitModel& model) {
    if (model.lastDragKind == kPartDraggedLast) {
        if (const int slot = pictureSlot(model.lastPartName)) freePart(model, slot);
    } else if (model.lastDragKind == kLineDraggedLast) {
        if (const int image = imageNumber(model.lastLineName)) freeLineImage(model, image);
    }
}

void clearDrawing(CircuitModel& model) {
    for (int s = 1; s <= kSlotCount; ++s) freePart(model, s);
    for (int image = 1; image <= 2 * kLinesPerKind; ++image) freeLineImage(model, image);
}

void removeReducedParts(CircuitModel& model) {
    for (int s = 1; s <= kSlotCount; ++s)
        if (model.slotMarked[s] != 0) freePart(model, s);
    for (int image = 1; image <= 2 * kLinesPerKind; ++image) freeLineImage(model, image);
}

void placeImpedancePart(CircuitModel& model, int k) {
    const int slot = slotOf(PartKind::Impedance, k);
    model.impPartRe[k] = model.resultRe;
    model.impPartIm[k] = model.resultIm;
    setPartTerminals(model, slot, kPaletteLeft[k], kindRow(PartKind::Impedance).paletteTop);
    model.lastPartName = pictureName(slot);
    model.slotUsed[slot] = 1;
}
