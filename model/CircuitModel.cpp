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

double CircuitModel::partLeft(int slot) const {
    return const_cast<CircuitModel*>(this)->terminals(kindOfSlot(slot)).leftX[indexInKind(slot)];
}

double CircuitModel::partTop(int slot) const {
    const PartKind kind = kindOfSlot(slot);
    const double leftY = const_cast<CircuitModel*>(this)->terminals(kind).leftY[indexInKind(slot)];
    return leftY - termOffsetOf(kind);
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
    model.lastDragKind = kPartDraggedLast;
    const auto load = [](PartKind kind, int& width, int& height, int& termOffset) {
        const KindRow& row = kindRow(kind);
        termOffset = row.termOffset, width = row.width, height = row.height;
    };
    load(PartKind::Resistor, model.resWidth, model.resHeight, model.resTermOffset);
    load(PartKind::Coil, model.coilWidth, model.coilHeight, model.coilTermOffset);
    load(PartKind::Capacitor, model.capWidth, model.capHeight, model.capTermOffset);
    load(PartKind::Impedance, model.impWidth, model.impHeight, model.impTermOffset);
    const Point vertical = lineKindRow(true).size, horizontal = lineKindRow(false).size;
    model.vLineHeight = vertical.y, model.vLineWidth = vertical.x;
    model.hLineHeight = horizontal.y, model.hLineWidth = horizontal.x;
    model.resultUnitFactor = 1;
    model.frequencyCaption = "0";
    model.frequencyUnitCaption = "Ｈｚ";
    model.frequencyCommandShown = true;
    model.partLeftX.fill(0), model.partLeftY.fill(0), model.partRightX.fill(0);
    model.partRightY.fill(0);
    model.vLineTopX.fill(0), model.vLineTopY.fill(0), model.vLineBottomX.fill(0);
    model.vLineBottomY.fill(0);
    model.hLineLeftX.fill(0), model.hLineLeftY.fill(0), model.hLineRightX.fill(0);
    model.hLineRightY.fill(0);
}
