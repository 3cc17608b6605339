#include "model/CircuitEdits.h"

int firstFreeIndex(const CircuitModel& model, PartKind kind) {
    for (int k = 1; k <= kSlotsPerKind; ++k)
        if (model.slotUsed[slotOf(kind, k)] == 0) return k;
    return 0;
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
