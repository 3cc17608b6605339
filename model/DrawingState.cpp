#include "model/DrawingState.h"

#include <cmath>

#include "model/Palette.h"

namespace {

constexpr double kClientWidth = 12840;
constexpr double kClientHeight = 8325;

// The model and the state name their fields alike; the list is written once.
template <typename From, typename To>
void copyDrawing(const From& from, To& to) {
    to.slotUsed = from.slotUsed, to.slotValue = from.slotValue;
    to.impPartRe = from.impPartRe, to.impPartIm = from.impPartIm;
    to.valueCaption = from.valueCaption;
    to.resLeftX = from.resLeftX, to.resLeftY = from.resLeftY;
    to.resRightX = from.resRightX, to.resRightY = from.resRightY;
    to.coilLeftX = from.coilLeftX, to.coilLeftY = from.coilLeftY;
    to.coilRightX = from.coilRightX, to.coilRightY = from.coilRightY;
    to.capLeftX = from.capLeftX, to.capLeftY = from.capLeftY;
    to.capRightX = from.capRightX, to.capRightY = from.capRightY;
    to.impLeftX = from.impLeftX, to.impLeftY = from.impLeftY;
    to.impRightX = from.impRightX, to.impRightY = from.impRightY;
    to.vLineUsed = from.vLineUsed, to.hLineUsed = from.hLineUsed;
    to.vLineTopX = from.vLineTopX, to.vLineTopY = from.vLineTopY;
    to.vLineBottomX = from.vLineBottomX, to.vLineBottomY = from.vLineBottomY;
    to.hLineLeftX = from.hLineLeftX, to.hLineLeftY = from.hLineLeftY;
    to.hLineRightX = from.hLineRightX, to.hLineRightY = from.hLineRightY;
    to.lastPartName = from.lastPartName, to.lastLineName = from.lastLineName;
    to.lastDragKind = from.lastDragKind, to.startPart = from.startPart;
    to.frequency = from.frequency;
    to.frequencyCaption = from.frequencyCaption;
    to.frequencyUnitCaption = from.frequencyUnitCaption;
    to.frequencyCommandShown = from.frequencyCommandShown;
}

bool inside(double left, double top) {
    return left >= 0 && left <= kClientWidth && top >= 0 && top <= kClientHeight;
}

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

std::optional<std::string> partProblem(const CircuitModel& model, int slot) {
    const PartKind kind = kindOfSlot(slot);
    const int k = indexInKind(slot);
    const KindTerminals t = const_cast<CircuitModel&>(model).terminals(kind);
    const std::string part = "素子 " + std::to_string(slot);
    if (!finite({t.leftX[k], t.leftY[k], t.rightX[k], t.rightY[k]}))
        return part + " の座標が数ではありません";
    if (model.slotUsed[slot] == 0) {
        if (t.leftX[k] != 0 || t.leftY[k] != 0 || t.rightX[k] != 0 || t.rightY[k] != 0)
            return part + " は置かれていないのに座標があります";
        return std::nullopt;
    }
    const bool impedance = kind == PartKind::Impedance;
    if (!finite({impedance ? model.impPartRe[k] : model.slotValue[slot],
                 impedance ? model.impPartIm[k] : 0.0}))
        return part + " の値が数ではありません";
    if (!inside(model.partLeft(slot), model.partTop(slot))) return part + " が画面の外にあります";
    if (t.rightX[k] != t.leftX[k] + model.widthOf(kind) ||
        t.rightY[k] != static_cast<float>(t.leftY[k]))
        return part + " の端子の座標が素子の大きさと合いません";
    return std::nullopt;
}

std::optional<std::string> lineProblem(const CircuitModel& model, int image) {
    const bool vertical = isVerticalImage(image);
    const int n = lineOfImage(image);
    const double x1 = vertical ? model.vLineTopX[n] : model.hLineLeftX[n];
    const double y1 = vertical ? model.vLineTopY[n] : model.hLineLeftY[n];
    const double x2 = vertical ? model.vLineBottomX[n] : model.hLineRightX[n];
    const double y2 = vertical ? model.vLineBottomY[n] : model.hLineRightY[n];
    const std::string line = std::string(lineKindRow(vertical).name) + " " + std::to_string(n);
    if (!finite({x1, y1, x2, y2})) return line + " の座標が数ではありません";
    const bool parked = x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0;
    const bool used = (vertical ? model.vLineUsed[n] : model.hLineUsed[n]) != 0;
    if (parked) return std::nullopt;
    if (!used) return line + " は置かれていないのに座標があります";
    if (!inside(x1, y1)) return line + " が画面の外にあります";
    const bool fits = vertical ? x2 == x1 && y2 == static_cast<float>(y1 + model.vLineHeight)
                               : x2 == x1 + model.hLineWidth && y2 == static_cast<float>(y1);
    if (!fits) return line + " の端の座標が線の長さと合いません";
    return std::nullopt;
}

}  // namespace

bool DrawingState::samePlaces(const DrawingState& other) const {
    DrawingState placesOnly = other;
    placesOnly.lastPartName = lastPartName, placesOnly.lastLineName = lastLineName;
    placesOnly.lastDragKind = lastDragKind;
    return placesOnly == *this;
}

DrawingState captureDrawing(const CircuitModel& model) {
    DrawingState state;
    copyDrawing(model, state);
    return state;
}

void restoreDrawing(CircuitModel& model, const DrawingState& state) {
    copyDrawing(state, model);
}

DrawingFileContents captureFileContents(const CircuitModel& model) {
    return {captureDrawing(model), model.resultUnitFactor, model.resistanceInput,
            model.inductanceInput, model.capacitanceInput};
}

void restoreFileContents(CircuitModel& model, const DrawingFileContents& contents) {
    restoreDrawing(model, contents.drawing);
    model.resultUnitFactor = contents.resultUnitFactor;
    model.resistanceInput = contents.resistanceInput;
    model.inductanceInput = contents.inductanceInput;
    model.capacitanceInput = contents.capacitanceInput;
}

std::optional<std::string> problemWith(const DrawingFileContents& contents) {
    CircuitModel model;
    loadInitialState(model);
    restoreFileContents(model, contents);
    for (int s = 1; s <= kSlotCount; ++s)
        if (auto problem = partProblem(model, s)) return problem;
    for (int image = 1; image <= 2 * kLinesPerKind; ++image)
        if (auto problem = lineProblem(model, image)) return problem;
    if (!finite({model.frequency, model.resistanceInput, model.inductanceInput,
                 model.capacitanceInput}))
        return std::string("周波数または入力値が数ではありません");
    if (model.lastDragKind != kPartDraggedLast && model.lastDragKind != kLineDraggedLast)
        return std::string("最後に動かした要素の種類が 0 でも 1 でもありません");
    if (model.startPart < 0 || model.startPart > kSlotCount)
        return std::string("計算の開始素子が範囲外です");
    return std::nullopt;
}
