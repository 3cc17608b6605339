#include "engine/HarmlessValues.h"

CircuitModel withHarmlessValues(const CircuitModel& model) {
    CircuitModel copy = model;
    copy.frequency = 1;
    copy.resultUnitFactor = 1;
    for (int s = 1; s <= kSlotCount; ++s)
        copy.slotValue[s] = kindOfSlot(s) == PartKind::Capacitor ? -1.0 : 1.0;  // -1 F: +j/ω
    copy.impPartRe.fill(1.0);
    copy.impPartIm.fill(1.0);
    return copy;
}
