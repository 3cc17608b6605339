#include "model/DrawingFileContents.h"

#include <cmath>

#include "model/DrawingFields.h"
#include "model/Palette.h"

namespace {

constexpr double kClientWidth = 12840;
constexpr double kClientHeight = 8325;

bool inside(double left, double top) {
    return left >= 0 && left <= kClientWidth && top >= 0 && top <= kClientHeight;
}

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Whether a caption could have come from the program: its captions are numbers, units and signs,
// never markup or control characters (C0, DEL, or C1 written as UTF-8).
bool writableCaption(const std::string& caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto byte = static_cast<unsigned char>(caption[i]);
        if (byte < 0x20 || byte == 0x7f || byte == '<' || byte == '>' || byte == '&') return false;
        const bool c1 = byte == 0xc2 && i + 1 < caption.size() &&
                        static_cast<unsigned char>(caption[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(caption[i + 1]) <= 0x9f;
        if (c1) return false;
    }
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
    for (const std::string& caption : model.valueCaption[slot])
        if (!writableCaption(caption)) return part + " の表示に使えない文字があります";
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

template <typename Owner, std::size_t N>
bool numbersFinite(const Owner& owner, const std::array<NamedField<Owner>, N>& fields) {
    for (const NamedField<Owner>& field : fields)
        if (auto number = std::get_if<double Owner::*>(&field.member))
            if (!std::isfinite(owner.**number)) return false;
    return true;
}

bool numbersFinite(const DrawingFileContents& contents) {
    return numbersFinite(contents.drawing, kDrawingFields) && numbersFinite(contents, kTypedFields);
}

}  // namespace

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
    if (!numbersFinite(contents)) return std::string("周波数または入力値が数ではありません");
    if (!writableCaption(model.frequencyCaption) || !writableCaption(model.frequencyUnitCaption))
        return std::string("周波数の表示に使えない文字があります");
    if (model.lastDragKind != kPartDraggedLast && model.lastDragKind != kLineDraggedLast)
        return std::string("最後に動かした要素の種類が 0 でも 1 でもありません");
    if (model.startPart < 0 || model.startPart > kSlotCount)
        return std::string("計算の開始素子が範囲外です");
    return std::nullopt;
}
