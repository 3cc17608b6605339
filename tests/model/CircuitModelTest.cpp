#include "model/CircuitModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

template <typename Table>
bool allZero(const Table& table) {
    return std::all_of(table.begin(), table.end(), [](auto v) { return v == 0; });
}

TEST(CircuitModel, LoadedStateIsEmptyWithKindConstants) {
    CircuitModel model;
    loadInitialState(model);

    EXPECT_TRUE(allZero(model.slotUsed));
    EXPECT_TRUE(allZero(model.vLineUsed));
    EXPECT_TRUE(allZero(model.hLineUsed));
    EXPECT_TRUE(allZero(model.partRightX));
    EXPECT_TRUE(allZero(model.partRightY));
    EXPECT_TRUE(allZero(model.vLineBottomY));
    EXPECT_TRUE(allZero(model.hLineRightX));
    EXPECT_TRUE(allZero(model.slotValue));
    EXPECT_EQ(model.lastDragKind, 1);
    EXPECT_TRUE(model.lastPartName.empty());
    EXPECT_TRUE(model.lastLineName.empty());
    EXPECT_EQ(model.resultUnitFactor, 1.0);
    EXPECT_EQ(model.frequency, 0.0);
    EXPECT_EQ(model.dialogCancelled, 0);

    struct Row {
        PartKind kind;
        int width, height, termOffset;
    };
    const Row rows[] = {{PartKind::Resistor, 1110, 555, 360},
                        {PartKind::Coil, 1110, 780, 375},
                        {PartKind::Capacitor, 1110, 555, 345},
                        {PartKind::Impedance, 1110, 975, 345}};
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.kind));
        EXPECT_EQ(model.widthOf(row.kind), row.width);
        EXPECT_EQ(model.heightOf(row.kind), row.height);
        EXPECT_EQ(model.termOffsetOf(row.kind), row.termOffset);
    }
    EXPECT_EQ(model.vLineWidth, 135);
    EXPECT_EQ(model.vLineHeight, 975);
    EXPECT_EQ(model.hLineWidth, 615);
    EXPECT_EQ(model.hLineHeight, 135);
}

TEST(CircuitModel, LoadingZeroesStaleCombinedAndLineTables) {
    CircuitModel model;
    model.partLeftX[20] = 5, model.partRightY[0] = 7;
    model.vLineTopY[11] = 3, model.hLineRightY[4] = 9;
    loadInitialState(model);
    EXPECT_TRUE(allZero(model.partLeftX));
    EXPECT_TRUE(allZero(model.partRightY));
    EXPECT_TRUE(allZero(model.vLineTopY));
    EXPECT_TRUE(allZero(model.hLineRightY));
}

TEST(CircuitModel, KindTerminalsViewTheNamedTables) {
    CircuitModel model;
    model.terminals(PartKind::Resistor).leftX[1] = 1;
    model.terminals(PartKind::Coil).leftY[2] = 2;
    model.terminals(PartKind::Capacitor).rightX[3] = 3;
    model.terminals(PartKind::Impedance).rightY[5] = 4.5f;
    EXPECT_EQ(model.resLeftX[1], 1);
    EXPECT_EQ(model.coilLeftY[2], 2);
    EXPECT_EQ(model.capRightX[3], 3);
    EXPECT_EQ(model.impRightY[5], 4.5f);
}

TEST(PartKind, SlotNumbersMapToKindAndIndex) {
    struct Row {
        int slot;
        PartKind kind;
        int k;
    };
    const Row rows[] = {{1, PartKind::Resistor, 1},   {5, PartKind::Resistor, 5},
                        {6, PartKind::Coil, 1},       {10, PartKind::Coil, 5},
                        {11, PartKind::Capacitor, 1}, {15, PartKind::Capacitor, 5},
                        {16, PartKind::Impedance, 1}, {20, PartKind::Impedance, 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.slot);
        EXPECT_EQ(kindOfSlot(row.slot), row.kind);
        EXPECT_EQ(indexInKind(row.slot), row.k);
        EXPECT_EQ(slotOf(row.kind, row.k), row.slot);
    }
    EXPECT_FALSE(isPartSlot(0));
    EXPECT_FALSE(isPartSlot(21));
}

}  // namespace
