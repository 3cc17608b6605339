#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/NoPartPlacedError.h"
#include "tests/engine/DrawingBuilder.h"

using drawing::placePartAt;
using drawing::placeVLine;

namespace {

using Build = void (*)(CircuitModel&);

std::set<int> markedSlots(const CircuitModel& model) {
    std::set<int> marked;
    for (int s = 0; s <= kSlotCount; ++s)
        if (model.slotMarked[s] != 0) marked.insert(s);
    return marked;
}

// Slot `lower` with its left terminal at (3600, 3600), slot `upper` one line length above it,
// closed by vertical lines 1 (right terminals) and 2 (left terminals).
void stack(CircuitModel& model, int lower, int upper) {
    placePartAt(model, lower, 3600, 3600);
    placePartAt(model, upper, 3600, 2625);
    placeVLine(model, 1, 4710, 2625);
    placeVLine(model, 2, 3600, 2625);
}

// One part alone, the start part.
void lone(CircuitModel& model, int s) {
    placePartAt(model, s, 5000, 3000);
}

void loneImpedance(CircuitModel& model, double re, double im) {
    lone(model, 16);
    model.impPartRe[1] = re, model.impPartIm[1] = im;
}

const double kTenMicro = 10 * std::pow(10.0, -6);

void stackedResistors(CircuitModel& m) {
    stack(m, 2, 1);
    m.slotValue[1] = m.slotValue[2] = 100;
}
void resistorThenCoil(CircuitModel& m) {
    lone(m, 1);
    placePartAt(m, 6, 3890, 3000);  // its right terminal on the resistor's left one
    m.slotValue[1] = 100, m.slotValue[6] = 0.1;
}
void resistorOverCap(CircuitModel& m) {
    stack(m, 1, 11);
    m.slotValue[1] = 100, m.slotValue[11] = kTenMicro;
}
void loneCoil(CircuitModel& m) {
    lone(m, 6), m.slotValue[6] = 0.1;
}
void loneCapacitor(CircuitModel& m) {
    lone(m, 11), m.slotValue[11] = kTenMicro;
}
void loneZeroResistor(CircuitModel& m) {
    lone(m, 1);
}
// The start part, farthest right and down, touches nothing; the stack is left out.
void startPartApart(CircuitModel& m) {
    stackedResistors(m);
    placePartAt(m, 5, 9000, 7000);
    m.slotValue[5] = 70;
}
// The upper part was dragged away after the last refresh of the combined tables.
void staleCombinedTables(CircuitModel& m) {
    stackedResistors(m);
    RefreshCombinedTables(m);
    placePartAt(m, 1, 600, 600);
}

struct ResultCase {
    const char* name;
    Build build;
    double frequency;
    double unitFactor;
    double shownAbs, shownRe, shownIm, phaseAngle;
    std::set<int> marked;
};

TEST(CalculateTest, ReducesTheDrawingAndRoundsWhatIsShown) {
    const ResultCase cases[] = {
        {"two 100 ohm stacked", stackedResistors, 0, 1, 50, 50, 0, 0, {1, 2}},
        {"100 ohm + 0.1 H", resistorThenCoil, 50, 1, 104.819, 100, 31.416, 17.441, {1, 6}},
        {"100 ohm || 10 uF", resistorOverCap, 50, 1, 95.403, 91.017, -28.594, -17.441, {1, 11}},
        {"coil alone", loneCoil, 50, 1, 31.416, 0, 31.416, 90, {6}},
        {"capacitor alone", loneCapacitor, 50, 1, 318.31, 0, -318.31, -90, {11}},
        {"zero ohm alone", loneZeroResistor, 0, 1, 0, 0, 0, 0, {1}},
        {"lone start part leaves the rest out", startPartApart, 0, 1, 70, 70, 0, 0, {5}},
        {"kind tables, not a stale copy", staleCombinedTables, 0, 1, 100, 100, 0, 0, {2}},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        c.build(model);
        model.frequency = c.frequency;
        model.resultUnitFactor = c.unitFactor;
        model.slotMarked[20] = 1;  // left from an earlier calculation
        Calculate(model);
        EXPECT_EQ(model.shownAbs, c.shownAbs);
        EXPECT_EQ(model.shownRe, c.shownRe);
        EXPECT_EQ(model.shownIm, c.shownIm);
        EXPECT_EQ(model.phaseAngle, c.phaseAngle);
        EXPECT_EQ(markedSlots(model), c.marked);
    }
}

TEST(CalculateTest, ScalesRoundsAndGivesThePhaseOfTheResult) {
    struct Case {
        const char* name;
        Complex z;  // of a lone impedance part
        double unitFactor;
        double shownAbs, shownRe, shownIm, phaseAngle;
    };
    const double kilo = std::pow(10.0, -3), mega = std::pow(10.0, -6);
    const Case cases[] = {
        {"1234.5678 ohm in kilo-ohm", {1234.5678, 0}, kilo, 1.235, 1.235, 0, 0},
        {"1234.5678 ohm in mega-ohm", {1234.5678, 0}, mega, 0.001, 0.001, 0, 0},
        {"phase of 3 - j4", {3, -4}, 1, 5, 3, -4, -53.13},
        {"phase of -3 + j4 stays in the right half plane", {-3, 4}, 1, 5, -3, 4, -53.13},
        {"negative halves round up", {1, -12.3455}, 1, 12.386, 1, -12.345, -85.369},
        {"phase on the imaginary axis is not scaled", {0, -2500}, kilo, 2.5, 0, -2.5, -90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        loneImpedance(model, c.z.re, c.z.im);
        model.resultUnitFactor = c.unitFactor;
        Calculate(model);
        EXPECT_EQ(model.shownAbs, c.shownAbs);
        EXPECT_EQ(model.shownRe, c.shownRe);
        EXPECT_EQ(model.shownIm, c.shownIm);
        EXPECT_EQ(model.phaseAngle, c.phaseAngle);
    }
}

TEST(CalculateTest, KeepsTheUnroundedResultInOhms) {
    CircuitModel model = drawing::emptyModel();
    loneImpedance(model, 1234.5678, -0.0004);
    model.resultUnitFactor = std::pow(10.0, -6);
    Calculate(model);
    EXPECT_EQ(model.resultRe, 1234.5678);
    EXPECT_EQ(model.resultIm, -0.0004);
    EXPECT_EQ(model.shownIm, 0);
}

void nothing(CircuitModel&) {}
void capacitorInSecondColumn(CircuitModel& m) {
    lone(m, 1);
    placePartAt(m, 11, 3890, 3000);
    m.slotValue[1] = 100, m.slotValue[11] = 1e-6;
}
void zeroOhmOverResistor(CircuitModel& m) {
    stack(m, 2, 1);
    m.slotValue[2] = 100;
}
void resistorOverCoil(CircuitModel& m) {
    stack(m, 6, 1);
    m.slotValue[1] = 100, m.slotValue[6] = 0.1;
}
// Zero-length lines at both terminals make part 1 its own partner above and below.
void ownPartnerAbove(CircuitModel& m) {
    lone(m, 1);
    drawing::setVLine(m, 1, 6110, 3000, 3000);
    drawing::setVLine(m, 2, 5000, 3000, 3000);
}
// Line 1 ends the climb at once, so only the descent loops.
void ownPartnerBelow(CircuitModel& m) {
    lone(m, 1);
    drawing::setVLine(m, 1, 6110, 2025, 3000);
    drawing::setVLine(m, 2, 6110, 3000, 3000);
    drawing::setVLine(m, 3, 5000, 3000, 3000);
}

enum class Failure { NoPart, Arithmetic };

struct FailureCase {
    const char* name;
    Build build;
    double frequency;
    Failure failure;
    int startPart;
    std::set<int> marked;
};

TEST(CalculateTest, FailsAndKeepsTheStateItReached) {
    // clang-format off
    const FailureCase cases[] = {
        {"nothing placed", nothing, 50, Failure::NoPart, 0, {}},
        {"capacitor at 0 Hz in the second column", capacitorInSecondColumn, 0,
         Failure::Arithmetic, 1, {1}},
        {"zero ohm branch in parallel", zeroOhmOverResistor, 50, Failure::Arithmetic, 2, {1, 2}},
        {"coil in parallel at 0 Hz", resistorOverCoil, 0, Failure::Arithmetic, 6, {1, 6}},
        {"upward walk back to its part", ownPartnerAbove, 0, Failure::Arithmetic, 1, {1}},
        {"downward walk back to its part", ownPartnerBelow, 0, Failure::Arithmetic, 1, {1}},
    };
    // clang-format on
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        c.build(model);
        model.frequency = c.frequency;
        if (c.failure == Failure::NoPart) {
            EXPECT_THROW(Calculate(model), NoPartPlacedError);
        } else {
            EXPECT_THROW(Calculate(model), ArithmeticError);
        }
        EXPECT_EQ(model.startPart, c.startPart);
        EXPECT_EQ(markedSlots(model), c.marked);
    }
}

TEST(CalculateTest, SeriesWalkStopsAfterOneColumnPerSlot) {
    // A horizontal line drawn backwards from the part's left terminal to its right one leads
    // the walk back to the same part after every column.
    CircuitModel model = drawing::emptyModel();
    lone(model, 1);
    drawing::setHLine(model, 1, 6110, 3000, 5000);
    model.slotValue[1] = 100;
    EXPECT_THROW(Calculate(model), ArithmeticError);
    EXPECT_EQ(model.zChain.re, 20 * 100);
    EXPECT_EQ(markedSlots(model), std::set<int>{1});
}

TEST(CalculateTest, FreeSlotsNeverJoinTheNetwork) {
    // A part at the window's left edge with a vertical line dragged into the top-left corner:
    // the line reaches (0, 0), where every free slot's terminals lie. Slot 2 was removed but still
    // holds its value; it must not enter the result.
    CircuitModel model = drawing::emptyModel();
    placePartAt(model, 1, 0, 760);
    placeVLine(model, 1, 0, 0);
    model.slotValue[1] = 100;
    model.slotValue[2] = 47;
    Calculate(model);
    EXPECT_EQ(model.resultRe, 100);
    EXPECT_EQ(markedSlots(model), std::set<int>{1});
}

struct StartCase {
    const char* name;
    std::vector<drawing::PartAt> rightTerminals;  // right X and right Y of each slot
    int before;
    int expected;
};

TEST(FindStartPartTest, PicksTheLargestRightTerminalProduct) {
    const StartCase cases[] = {
        {"largest product wins", {{1, 4710, 3600}, {7, 6000, 5000}, {12, 6500, 3000}}, 0, 7},
        {"lowest slot among equal products", {{9, 2000, 3000}, {4, 3000, 2000}}, 0, 4},
        {"no part placed keeps the previous start part", {}, 7, 7},
        {"products of 0 or below never qualify", {{2, -100, 3000}, {3, 0, 5000}}, 0, 0},
        // 16777217 rounds to 16777216 as a single, so the second equal product is larger.
        {"best product held as a single", {{1, 16777217, 1}, {2, 16777217, 1}}, 0, 2},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        for (const drawing::PartAt& t : c.rightTerminals)
            drawing::setTerminals(model, t.slot, t.x - 1110, t.y, t.x, static_cast<float>(t.y));
        RefreshCombinedTables(model);
        model.startPart = static_cast<std::int16_t>(c.before);
        FindStartPart(model);
        EXPECT_EQ(model.startPart, c.expected);
    }
}

}  // namespace
