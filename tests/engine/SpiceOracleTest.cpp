// Checks the reduction against an independent circuit simulator: seeded random drawings that the
// reduction recognises are written as SPICE netlists, ngspice solves them, and the engine's
// unscaled result must agree with the node voltage that a 1 A source produces.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Calculation.h"
#include "tests/Ngspice.h"
#include "tests/engine/DrawingGenerator.h"

namespace {

using oracle::Branch;
using oracle::DrawingGenerator;
using oracle::kShapeCount;
using oracle::kShapeNames;
using oracle::kTwoPi;
using oracle::Network;

constexpr int kNetworkCount = 200;
constexpr int kNetworksPerRun = 10;
constexpr double kRelativeTolerance = 1e-6;

std::string node(int net, int k, int groundNode) {
    return k == groundNode ? "0" : "n" + std::to_string(net) + "_" + std::to_string(k);
}

std::string number(double value) {
    return spiceNumber(value);
}

// The network between node 0 and ground, fed by a 1 A AC source, so node 0's voltage is Z.
// An impedance part becomes a resistor in series with the coil or capacitor that has its
// reactance at the working frequency.
void writeNetwork(std::ostream& out, int index, const Network& net) {
    const double omega = kTwoPi * net.frequency;
    out << "I" << index << " 0 " << node(index, 0, net.groundNode) << " DC 0 AC 1\n";
    for (const Branch& b : net.branches) {
        const std::string from = node(index, b.from, net.groundNode);
        const std::string to = node(index, b.to, net.groundNode);
        const std::string name = std::to_string(index) + "_" + std::to_string(b.slot);
        const double value = net.model.slotValue[b.slot];
        switch (kindOfSlot(b.slot)) {
            case PartKind::Resistor: out << "R" << name << " " << from << " " << to; break;
            case PartKind::Coil: out << "L" << name << " " << from << " " << to; break;
            case PartKind::Capacitor: out << "C" << name << " " << from << " " << to; break;
            case PartKind::Impedance: {
                const int k = indexInKind(b.slot);
                const double re = net.model.impPartRe[k], im = net.model.impPartIm[k];
                const std::string middle = "m" + name;
                out << "R" << name << " " << from << " " << middle << " " << number(re) << "\n";
                if (im > 0)
                    out << "L" << name << " " << middle << " " << to << " " << number(im / omega);
                else
                    out << "C" << name << " " << middle << " " << to << " "
                        << number(-1 / (im * omega));
                out << "\n";
                continue;
            }
        }
        out << " " << number(value) << "\n";
    }
}

struct SpiceValue {
    Complex z;
    bool hasRe = false, hasIm = false;
};

struct SpiceRun {
    std::map<int, SpiceValue> voltages;
    std::string transcript;
};

// One ngspice run for several networks: each gets its own single-frequency AC analysis at the
// engine's ω.
SpiceRun runSpice(int first, const std::vector<Network>& nets) {
    std::ostringstream netlist;
    netlist << "selvoria oracle batch\n";
    for (std::size_t i = 0; i < nets.size(); ++i)
        writeNetwork(netlist, first + static_cast<int>(i), nets[i]);
    // The DC operating point is skipped because parallel coils make it singular.
    netlist << ".options noopac\n.control\nset numdgt=15\n";
    for (std::size_t i = 0; i < nets.size(); ++i) {
        const std::string f = number(spiceFrequency(nets[i].frequency));
        const std::string n = node(first + static_cast<int>(i), 0, -1);
        netlist << "ac lin 1 " << f << " " << f << "\nprint vr(" << n << ") vi(" << n << ")\n";
    }
    netlist << ".endc\n.end\n";

    SpiceRun run;
    run.transcript = runNgspice(netlist.str());
    // Value lines read "vr(n12_0) = 1.234567890123456e+02".
    std::istringstream lines(run.transcript);
    for (std::string line; std::getline(lines, line);) {
        char part = 0;
        int index = 0;
        double value = 0;
        if (std::sscanf(line.c_str(), "v%c(n%d_0) = %lf", &part, &index, &value) != 3) continue;
        SpiceValue& v = run.voltages[index];
        if (part == 'r') v.z.re = value, v.hasRe = true;
        if (part == 'i') v.z.im = value, v.hasIm = true;
    }
    return run;
}

TEST(SpiceOracleTest, ReductionAgreesWithNgspice) {
    DrawingGenerator generator(20240611);
    std::array<int, kShapeCount> shapes{};
    std::vector<Network> nets;
    for (int i = 0; i < kNetworkCount; ++i) nets.push_back(generator.next(shapes));

    std::map<int, SpiceValue> spice;
    std::string transcripts;
    for (int first = 0; first < kNetworkCount; first += kNetworksPerRun) {
        const std::vector<Network> batch(
            nets.begin() + first, nets.begin() + std::min(first + kNetworksPerRun, kNetworkCount));
        SpiceRun run = runSpice(first, batch);
        spice.merge(run.voltages);
        transcripts += run.transcript;
    }

    double largestError = 0;
    for (int i = 0; i < kNetworkCount; ++i) {
        SCOPED_TRACE(testing::Message() << "network " << i);
        Network& net = nets[i];
        ASSERT_NO_THROW(Calculate(net.model));
        for (const Branch& b : net.branches) EXPECT_EQ(net.model.slotMarked[b.slot], 1) << b.slot;
        for (const int s : net.unconnected) EXPECT_EQ(net.model.slotMarked[s], 0) << s;

        const auto found = spice.find(i);
        ASSERT_TRUE(found != spice.end() && found->second.hasRe && found->second.hasIm)
            << "ngspice printed no result; its output:\n"
            << transcripts.substr(0, 4000);
        const Complex expected = found->second.z;
        const double error =
            std::hypot(net.model.resultRe - expected.re, net.model.resultIm - expected.im) /
            std::hypot(expected.re, expected.im);
        EXPECT_LE(error, kRelativeTolerance)
            << "engine " << net.model.resultRe << " + j" << net.model.resultIm << ", ngspice "
            << expected.re << " + j" << expected.im;
        largestError = std::max(largestError, error);
    }
    for (int shape = 0; shape < kShapeCount; ++shape)
        EXPECT_GT(shapes[shape], 0) << "no drawing had a " << kShapeNames[shape];
    std::cout << "[ oracle   ] " << kNetworkCount << " drawings, largest relative error "
              << largestError << "\n";
}

}  // namespace
