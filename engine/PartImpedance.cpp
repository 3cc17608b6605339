#include "engine/PartImpedance.h"

void PartImpedance(CircuitModel& model, std::int16_t s) {
    arithmetic::Throwing check;
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
            const double omega = arithmetic::angular(model.frequency, check);
            z.re = 0.0;
            z.im = arithmetic::coilReactance(model.slotValue[s], omega, check);
            return;
        }
        case PartKind::Capacitor: {
            const double omega = arithmetic::angular(model.frequency, check);
            // A failed calculation leaves the model as it stands: here the real part is already
            // cleared while the imaginary part keeps its previous value.
            z.re = 0.0;
            z.im = arithmetic::capacitorReactance(model.slotValue[s], omega, check);
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
