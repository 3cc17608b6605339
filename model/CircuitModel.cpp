#include "model/CircuitModel.h"

KindTerminals CircuitModel::terminals(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor: return {resLeftX, resLeftY, resRightX, resRightY};
        case PartKind::Coil: return {coilLeftX, coilLeftY, coilRightX, coilRightY};
        case PartKind::Capacitor: return {capLeftX, capLeftY, capRightX, capRightY};
        case PartKind::Impedance: break;
    }
    return {impLeftX, impLeftY, impRightX, impRightY};
}

int CircuitModel::widthOf(PartKind kind) const {
    switch (kind) {
        case PartKind::Resistor: return resWidth;
        case PartKind::Coil: return coilWidth;
        case PartKind::Capacitor: return capWidth;
        case PartKind::Impedance: break;
    }
    return impWidth;
}

int CircuitModel::heightOf(PartKind kind) const {
    switch (kind) {
        case PartKind::Resistor: return resHeight;
        case PartKind::Coil: return coilHeight;
        case PartKind::Capacitor: return capHeight;
        case PartKind::Impedance: break;
    }
    return impHeight;
}

int CircuitModel::termOffsetOf(PartKind kind) const {
    switch (kind) {
        case PartKind::Resistor: return resTermOffset;
        case PartKind::Coil: return coilTermOffset;
        case PartKind::Capacitor: return capTermOffset;
        case PartKind::Impedance: break;
    }
    return impTermOffset;
}

void loadInitialState(CircuitModel& model) {
    model.lastDragKind = 1;
    model.resTermOffset = 360, model.resWidth = 1110, model.resHeight = 555;
    model.coilTermOffset = 375, model.coilWidth = 1110, model.coilHeight = 780;
    model.capTermOffset = 345, model.capWidth = 1110, model.capHeight = 555;
    model.impTermOffset = 345, model.impWidth = 1110, model.impHeight = 975;
    model.vLineHeight = 975, model.vLineWidth = 135, model.hLineHeight = 135, model.hLineWidth = 615;
    model.resultUnitFactor = 1;
    model.partLeftX.fill(0), model.partLeftY.fill(0), model.partRightX.fill(0);
    model.partRightY.fill(0);
    model.vLineTopX.fill(0), model.vLineTopY.fill(0), model.vLineBottomX.fill(0);
    model.vLineBottomY.fill(0);
    model.hLineLeftX.fill(0), model.hLineLeftY.fill(0), model.hLineRightX.fill(0);
    model.hLineRightY.fill(0);
}
