#include "engine/SpiceNetlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

#include "engine/WiredCheck.h"
#include "tests/Ngspice.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/engine/DrawingGenerator.h"

namespace {

using drawing::placePartAt;
using drawing::placeVLine;
using Refusal = SpiceNetlist::Refusal;

// Impedance parts of every form in series, a 0 F capacitor stacked on the first (open), a 0 Ω
// resistor in the chain (a short) and a capacitor apart from everything.
CircuitModel everyFormOfPart() {
    CircuitModel model = drawing::emptyModel();
    placePartAt(model, 16, 4000, 5000);
    placePartAt(model, 17, 2890, 5000);
    placePartAt(model, 18, 1780, 5000);
    placePartAt(model, 1, 670, 5000);
    placePartAt(model, 12, 4000, 4025);
    placeVLine(model, 1, 5110, 4025);
    placeVLine(model, 2, 4000, 4025);
    placePartAt(model, 11, 1000, 1000);
    model.impPartRe[1] = 30, model.impPartIm[1] = 40;
    model.impPartRe[2] = 0, model.impPartIm[2] = -25;
    model.impPartRe[3] = 75, model.impPartIm[3] = 0;
    model.slotValue[11] = 1e-6;
    model.frequency = 50;
    return model;
}

CircuitModel resistorsStacked(double upper, double frequency) {
    CircuitModel model = drawing::emptyModel();
    placePartAt(model, 1, 3600, 3600);
    placePartAt(model, 2, 3600, 2625);
    placeVLine(model, 1, 4710, 2625);
    placeVLine(model, 2, 3600, 2625);
    model.slotValue[1] = 100, model.slotValue[2] = upper;
    model.frequency = frequency;
    return model;
}

TEST(SpiceNetlistTest, RefusedWithoutAFrequencyOrASolvedPort) {
    struct Row {
        const char* name;
        CircuitModel model;
        Refusal refusal;
    } rows[] = {
        {"at 0 Hz", resistorsStacked(100, 0), Refusal::NotAboveZeroHertz},
        {"nothing placed", drawing::emptyModel(), Refusal::NotAboveZeroHertz},
        {"nothing placed at 50 Hz", drawing::emptyModel(), Refusal::NoSolvedPort},
        {"a port on one node", resistorsStacked(0, 50), Refusal::NoSolvedPort},
        {"a negative resistance cancelling in parallel", resistorsStacked(-100, 50),
         Refusal::NoSolvedPort},
        {"an open port", resistorsStacked(100, 50), Refusal::NoSolvedPort},
    };
    rows[2].model.frequency = 50;
    // Part 1 alone in series with a 0 F capacitor.
    freePart(rows[5].model, 2);
    placePartAt(rows[5].model, 11, 2490, 3600);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SpiceNetlist netlist = WriteSpiceNetlist(row.model);
        EXPECT_EQ(netlist.refusal, row.refusal);
        EXPECT_FALSE(netlist.reason.empty());
        EXPECT_TRUE(netlist.text.empty());
    }
}

TEST(SpiceNetlistTest, NamesThePartsItLeavesOut) {
    const SpiceNetlist netlist = WriteSpiceNetlist(everyFormOfPart());
    ASSERT_EQ(netlist.refusal, Refusal::None) << netlist.reason;
    for (const char* line : {"* Part 1 is left out: its impedance is 0",
                             "* Part 12 is left out: its impedance cannot be formed",
                             "* Part 11 is left out: it has no path to the port"})
        EXPECT_NE(netlist.text.find(line), std::string::npos) << line;
}

// ngspice solves the exported file and must print the check's impedance to at least 12
// significant digits.
TEST(SpiceNetlistTest, NgspicePrintsTheChecksImpedance) {
    std::vector<CircuitModel> models{everyFormOfPart(), resistorsStacked(1e6, 1e5)};
    oracle::DrawingGenerator generator(20240611);
    std::array<int, oracle::kShapeCount> shapes{};
    for (int i = 0; i < 40; ++i) models.push_back(generator.next(shapes).model);

    double largest = 0;
    for (std::size_t i = 0; i < models.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "drawing " << i);
        const WiredCheck check = CheckWiredDrawing(models[i]);
        const SpiceNetlist netlist = WriteSpiceNetlist(models[i]);
        ASSERT_TRUE(check.impedance);
        ASSERT_EQ(netlist.refusal, Refusal::None) << netlist.reason;
        const std::optional<Complex> spice = printedImpedance(runNgspice(netlist.text));
        ASSERT_TRUE(spice) << netlist.text;
        const Complex z = *check.impedance;
        const double difference =
            std::hypot(spice->re - z.re, spice->im - z.im) / std::hypot(z.re, z.im);
        EXPECT_LE(difference, 5e-12) << netlist.text;
        largest = std::max(largest, difference);
    }
    EXPECT_NEAR(CheckWiredDrawing(models[0]).impedance->re, 105, 1e-12);
    EXPECT_NEAR(CheckWiredDrawing(models[0]).impedance->im, 15, 1e-12);
    std::cout << "[ ngspice  ] " << models.size() << " netlists, largest relative difference "
              << largest << "\n";
}

}  // namespace
