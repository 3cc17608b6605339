#include "model/CircuitEdits.h"

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
