#include "engine/PartImpedance.h"

void PartImpedance(CircuitModel& model, std::int16_t s) {
    Complex& z = model.zWork;
    if (!isPartSlot(s)) {
        z = Complex{};
        return;
    }
    switch (kindOfSlot(s)) {
        case PartKind::Resistor:
            z.re = model.slotValue[s];
            z.im = 0.0;
            return;
        case PartKind::Coil: {
            const double omega = AngularFrequency(model.frequency);
            z.re = 0.0;
            z.im = CoilReactance(model.slotValue[s], omega);
            return;
        }
        case PartKind::Capacitor: {
            const double omega = AngularFrequency(model.frequency);
            // A failed calculation leaves the model as it stands: here the real part is already
            // cleared while the imaginary part keeps its previous value.
            z.re = 0.0;
            z.im = CapacitorReactance(model.slotValue[s], omega);
            return;
        }
        case PartKind::Impedance: {
            const int k = indexInKind(s);
            z.re = model.impPartRe[k];
            z.im = model.impPartIm[k];
            return;
        }
    }
}

void MarkPartUsed(CircuitModel& model, std::int16_t s) {
    if (isPartSlot(s)) model.slotMarked[s] = 1;
}

void lblclr(CircuitModel& model) {
    model.slotMarked.fill(0);
}
