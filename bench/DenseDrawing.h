#pragma once

// The densest drawing the model holds, for the benchmarks: all 20 parts and all 20 lines, a chain
// of 15 columns with two three-part stacks, series links of every kind and a part bridging the
// first two columns through two horizontal lines.

#include "tests/engine/DrawingBuilder.h"

namespace bench {

constexpr double kRowZero = 10000;
constexpr double kRow = 975;
constexpr double kChainRight = 40000;

class DenseDrawing {
public:
    DenseDrawing() : mModel(drawing::emptyModel()) {
        mModel.frequency = 1000;
        const double bypassY = kRowZero - 3 * kRow;
        const int openLine = vLine();
        drawing::placeVLine(mModel, openLine, kChainRight, bypassY);
        drawing::placeHLine(mModel, hLine(), kChainRight - 615, bypassY);
        drawing::placeHLine(mModel, hLine(), kChainRight - 1230, bypassY);
        part(kChainRight - 1230 - 1110, bypassY);

        double rightX = kChainRight;
        for (int column = 1; column <= 15; ++column) {
            const double leftX = rightX - 1110;
            const int top = column <= 2 ? -2 : 0;
            for (int row = top; row <= 0; ++row) part(leftX, kRowZero + row * kRow);
            for (int row = top; row < 0; ++row) {
                drawing::placeVLine(mModel, vLine(), rightX, kRowZero + row * kRow);
                drawing::placeVLine(mModel, vLine(), leftX, kRowZero + row * kRow);
            }
            // Column 2 reaches column 3 through a horizontal and a vertical line, every odd
            // column after it the next through a horizontal line alone (the last one's line
            // leads nowhere), the rest by touching.
            if (column == 1 || (column > 2 && column % 2 == 0)) {
                rightX = leftX;
                continue;
            }
            rightX = leftX - 615;
            drawing::placeHLine(mModel, hLine(), rightX, kRowZero);
            if (column == 2) drawing::placeVLine(mModel, vLine(), rightX, kRowZero - 500);
        }
    }

    CircuitModel& model() { return mModel; }

    int markedParts() const {
        int marked = 0;
        for (int s = 1; s <= kSlotCount; ++s) marked += mModel.slotMarked[s];
        return marked;
    }

private:
    // Kinds take turns so that each contributes its five slots.
    void part(double leftX, double leftY) {
        const int kind = mParts % 4;
        const int slot = slotOf(static_cast<PartKind>(kind + 1), mParts / 4 + 1);
        ++mParts;
        drawing::placePartAt(mModel, slot, leftX, leftY);
        const double values[] = {100.0 * mParts, 0.01 * mParts, 1e-6 * mParts, 0};
        mModel.slotValue[slot] = values[kind];
        if (kindOfSlot(slot) == PartKind::Impedance) {
            mModel.impPartRe[indexInKind(slot)] = 50.0 * mParts;
            mModel.impPartIm[indexInKind(slot)] = -20.0 * mParts;
        }
    }
    int vLine() { return ++mVLines; }
    int hLine() { return ++mHLines; }

    CircuitModel mModel;
    int mParts = 0, mVLines = 0, mHLines = 0;
};

}  // namespace bench
