#include "model/CircuitModel.h"

#include "model/Palette.h"

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
    const auto load = [](PartKind kind, int& width, int& height, int& termOffset) {
        const KindGeometry geometry = kindGeometry(kind);
        termOffset = geometry.termOffset, width = geometry.width, height = geometry.height;
    };
    load(PartKind::Resistor, model.resWidth, model.resHeight, model.resTermOffset);
    load(PartKind::Coil, model.coilWidth, model.coilHeight, model.coilTermOffset);
    load(PartKind::Capacitor, model.capWidth, model.capHeight, model.capTermOffset);
    load(PartKind::Impedance, model.impWidth, model.impHeight, model.impTermOffset);
    model.vLineHeight = kVLineSize.y, model.vLineWidth = kVLineSize.x;
    model.hLineHeight = kHLineSize.y, model.hLineWidth = kHLineSize.x;
    model.resultUnitFactor = 1;
    model.partLeftX.fill(0), model.partLeftY.fill(0), model.partRightX.fill(0);
    model.partRightY.fill(0);
    model.vLineTopX.fill(0), model.vLineTopY.fill(0), model.vLineBottomX.fill(0);
    model.vLineBottomY.fill(0);
    model.hLineLeftX.fill(0), model.hLineLeftY.fill(0), model.hLineRightX.fill(0);
    model.hLineRightY.fill(0);
}
