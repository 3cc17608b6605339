#include "engine/FailureCause.h"

#include <stdexcept>

#include "engine/ReductionPlan.h"

bool capacitorAtZeroHertz(const CircuitModel& model) {
    if (model.frequency != 0) return false;
    try {
        // The plan reads the walk with values that cannot fault, so it names the parts taken.
        const ReductionPlan plan(model);
        for (int s = 1; s <= kSlotCount; ++s)
            if (plan.takenSlots()[s] != 0 && kindOfSlot(s) == PartKind::Capacitor) return true;
    } catch (const std::runtime_error&) {
    }
    return false;
}
