#include "engine/WiredCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <vector>

#include "engine/Calculation.h"
#include "engine/SpiceNetlist.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/engine/DrawingGenerator.h"

namespace {

// A part by its left terminal and value; for an impedance part `value` is the real part.
struct Part {
    int slot;
    double x, y;
    double value;
    double im = 0;
};
struct Point {
    double x, y;
};

struct WiredCase {
    const char* name;
    std::vector<Part> parts;
    std::vector<Point> vLines, hLines;  // numbered 1, 2, ... in this order
    double frequency;
    WiredOutcome outcome;
    std::optional<Complex> wired, calculated;
    std::vector<int> offPort, notInResult;
};

CircuitModel build(const WiredCase& row) {
    CircuitModel model = drawing::emptyModel();
    for (const Part& part : row.parts) {
        drawing::placeValuedPart(model, part.slot, part.x, part.y, part.value, part.im);
    }
    for (std::size_t n = 0; n < row.vLines.size(); ++n)
        drawing::placeVLine(model, static_cast<int>(n) + 1, row.vLines[n].x, row.vLines[n].y);
    for (std::size_t n = 0; n < row.hLines.size(); ++n)
        drawing::placeHLine(model, static_cast<int>(n) + 1, row.hLines[n].x, row.hLines[n].y);
    model.frequency = row.frequency;
    return model;
}

void expectNear(const std::optional<Complex>& actual, const std::optional<Complex>& expected) {
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (!expected) return;
    EXPECT_NEAR(actual->re, expected->re, 1e-9 * std::abs(expected->re) + 1e-12);
    EXPECT_NEAR(actual->im, expected->im, 1e-9 * std::abs(expected->im) + 1e-12);
}

constexpr auto kSolved = WiredOutcome::Solved;
constexpr std::nullopt_t kNone = std::nullopt;
Complex ohms(double re) {
    return {re, 0};
}

// Rows 5000 and 5975 are one vertical line apart; parts are 1110 wide, so a part whose left
// terminal is at x 2890 has its right terminal at 4000, on the left terminal of the part at 4000.
// clang-format off
const WiredCase kCases[] = {
    {"a part stacked under the second through a route of lines the calculation does not close",
     {{1, 4000, 5000, 100}, {2, 2890, 5000, 200}, {3, 2890, 5975, 300}},
     {{4000, 5000}, {2275, 5000}}, {{2275, 5000}, {2275, 5975}},
     0, kSolved, ohms(100 + 120), ohms(300), {}, {3}},
    {"the same part stacked above is taken as bridging the whole chain, though it spans only the "
     "second part",
     {{1, 4000, 5000, 100}, {2, 2890, 5000, 200}, {3, 2890, 4025, 300}},
     {{4000, 4025}, {2275, 4025}}, {{2275, 4025}, {2275, 5000}},
     0, kSolved, ohms(100 + 120), ohms(150), {}, {}},
    // The start part R2 and R4 form the walk; R1, R3 and the bridge R5 hang off its nodes.
    // 17000/71 ohm from the nodal equations of R1 = 100 (A-C), R2 = 200 (A-D), R3 = 300 (C-B),
    // R4 = 400 (D-B), R5 = 500 (C-D).
    {"a Wheatstone bridge",
     {{5, 4000, 6000, 500}, {1, 5110, 5025, 100}, {3, 4000, 5025, 300}, {2, 4000, 6975, 200},
      {4, 2890, 6975, 400}},
     {{5110, 5025}, {4000, 6000}, {6220, 5025}, {6220, 6000}, {2890, 6000}, {2890, 5025}},
     {{5110, 6975}, {5725, 6975}, {2890, 5025}, {3505, 5025}},
     0, kSolved, ohms(17000.0 / 71), ohms(600), {}, {1, 3, 5}},
    {"a lone part's left terminal on the middle of a vertical line",
     {{1, 4000, 5000, 100}, {2, 2890, 4512, 200}}, {{4000, 4512}}, {},
     0, kSolved, ohms(300), ohms(300), {}, {}},
    {"a pair whose left terminals touch the middles of horizontal lines",
     {{1, 4000, 5000, 100}, {2, 4000, 5975, 200}},
     {{5110, 5000}, {3692, 5000}}, {{3692, 5000}, {3692, 5975}},
     0, kSolved, ohms(200.0 / 3), ohms(200), {}, {1}},
    {"a part left unjoined and a part hanging by its right terminal",
     {{1, 4000, 5000, 100}, {2, 1000, 1000, 200}, {3, 4000, 4025, 300}}, {{5110, 4025}}, {},
     0, kSolved, ohms(100), ohms(100), {2}, {2, 3}},
    {"a capacitor of 0 F in series leaves the port open",
     {{1, 4000, 5000, 100}, {11, 2890, 5000, 0}}, {}, {},
     50, WiredOutcome::PortOpen, kNone, kNone, {}, {}},
    {"a capacitor at 0 Hz stacked on a resistor carries nothing",
     {{1, 3600, 3600, 100}, {11, 3600, 2625, 1e-6}}, {{4710, 2625}, {3600, 2625}}, {},
     0, kSolved, ohms(100), kNone, {}, {}},
    {"a coil at 0 Hz in series joins its terminals",
     {{1, 4000, 5000, 100}, {6, 2890, 5000, 0.1}}, {}, {},
     0, kSolved, ohms(100), ohms(100), {}, {}},
    {"two horizontal lines across a part's terminals",
     {{1, 4000, 5000, 100}}, {}, {{4000, 5000}, {4615, 5000}},
     0, WiredOutcome::PortOneNode, kNone, ohms(100), {}, {}},
    {"a 0 ohm resistor alone",
     {{1, 4000, 5000, 0}}, {}, {},
     0, WiredOutcome::PortOneNode, kNone, ohms(0), {}, {}},
    {"reactances that cancel in parallel",
     {{16, 3600, 3600, 0, 100}, {17, 3600, 2625, 0, -100}}, {{4710, 2625}, {3600, 2625}}, {},
     50, WiredOutcome::Singular, kNone, kNone, {}, {}},
    {"nothing placed",
     {}, {{4000, 5000}}, {},
     50, WiredOutcome::NoPartPlaced, kNone, kNone, {}, {}},
};
// clang-format on

TEST(WiredCheckTest, HandDrawnCircuits) {
    for (const WiredCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const CircuitModel model = build(row);
        const WiredCheck check = CheckWiredDrawing(model);
        EXPECT_EQ(check.outcome, row.outcome);
        expectNear(check.impedance, row.wired);
        expectNear(check.calculated, row.calculated);
        EXPECT_EQ(check.partsOffPort, row.offPort);
        EXPECT_EQ(check.partsNotInResult, row.notInResult);
    }
}

TEST(WiredCheckTest, AWalkThatDoesNotEndNamesNoPort) {
    // A horizontal line drawn backwards leads the walk from part 1 back to part 1 forever.
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 1, 5000, 3000);
    drawing::setHLine(model, 1, 6110, 3000, 5000);
    model.slotValue[1] = 100, model.frequency = 50;
    const WiredCheck check = CheckWiredDrawing(model);
    EXPECT_EQ(check.outcome, WiredOutcome::NoPort);
    EXPECT_FALSE(check.impedance);
    EXPECT_EQ(WriteSpiceNetlist(model).refusal, SpiceNetlist::Refusal::NoSolvedPort);
}

// Agreement allows for rounding only: a relative 2e-9 is a difference the status bar names.
TEST(WiredCheckTest, AgreementIsWithinRoundingOnly) {
    const struct {
        Complex wired, calculated;
        bool agrees;
    } rows[] = {
        {{100, 50}, {100, 50}, true},
        {{100 * (1 + 5e-10), 0}, {100, 0}, true},
        {{100 * (1 + 2e-9), 0}, {100, 0}, false},
        {{0, -1000 * (1 - 2e-9)}, {0, -1000}, false},
        {{5e-13, 0}, {0, 0}, true},
        {{2e-12, 0}, {0, 0}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AgreesWithCalculation(row.wired, row.calculated), row.agrees)
            << row.wired.re << " + j" << row.wired.im;
}

// The oracle's drawings are read completely by the calculation, so the wiring must give its
// result, except that their bridging part hangs from its right terminal alone: its left
// terminal is joined to nothing, and as wired it carries no current.
TEST(WiredCheckTest, AgreesWithTheCalculationOnTheOraclesDrawings) {
    oracle::DrawingGenerator generator(20240611);
    std::array<int, oracle::kShapeCount> shapes{};
    int drawings = 0, bridged = 0;
    double largest = 0;
    for (int i = 0; i < 200; ++i) {
        SCOPED_TRACE(testing::Message() << "drawing " << i);
        oracle::Network net = generator.next(shapes);
        const WiredCheck check = CheckWiredDrawing(net.model);
        ASSERT_EQ(check.outcome, WiredOutcome::Solved);
        ASSERT_TRUE(check.calculated);

        CircuitModel withoutBridge = net.model;
        if (net.bypassSlot != 0) freePart(withoutBridge, net.bypassSlot), ++bridged;
        Calculate(withoutBridge);
        const Complex expected{withoutBridge.resultRe, withoutBridge.resultIm};
        EXPECT_TRUE(AgreesWithCalculation(*check.impedance, expected))
            << check.impedance->re << " + j" << check.impedance->im << " against " << expected.re
            << " + j" << expected.im;
        largest = std::max(largest, std::hypot(check.impedance->re - expected.re,
                                               check.impedance->im - expected.im) /
                                        std::hypot(expected.re, expected.im));

        std::vector<int> unconnected = net.unconnected;
        std::sort(unconnected.begin(), unconnected.end());
        EXPECT_EQ(check.partsOffPort, unconnected);
        EXPECT_EQ(check.partsNotInResult, unconnected);
        ++drawings;
    }
    EXPECT_GT(bridged, 0);
    std::cout << "[ wired    ] " << drawings << " drawings (" << bridged
              << " with a bridging part), largest relative difference " << largest << "\n";
}

}  // namespace
