#pragma once

#include <vector>

#include "model/CircuitModel.h"
#include "model/Complex.h"

// A placed part as a branch between the nodes its two terminals are wired to.
struct WiredBranch {
    enum class Kind {
        Impedance,  // carries current through `impedance`
        Short,      // zero impedance (a 0 Ω resistor, a coil at 0 Hz): its terminals are one node
        Open,       // no impedance can be formed (a capacitor of 0 F or at 0 Hz): carries nothing
    };
    int slot = 0;
    Kind kind = Kind::Impedance;
    Complex impedance;  // ohms at the working frequency; 0 + j0 unless kind is Impedance
    int leftNode = 0, rightNode = 0;
};

// The drawing as its coordinates wire it, whatever the calculation makes of it. Nodes are
// numbered 0..nodeCount-1 in the order the placed parts' terminals first reach them (slot by
// slot, left terminal before right); only nodes that hold a part terminal are counted, so there
// are at most 40.
struct WiredNetwork {
    int nodeCount = 0;
    std::vector<WiredBranch> branches;  // one per placed part, by ascending slot

    // The branch of a placed part, or nullptr for a free slot.
    const WiredBranch* branchOf(int slot) const;
};

// Joins the terminals of placed parts and the ends of placed lines as the program's join test
// does (the square window of 200 twips around a point, both bounds inclusive), and takes joins
// transitively. A line also joins every terminal or line end that lies on it, measured as the
// calculation measures a point on a vertical line: from 200 twips before one end to 200 beyond
// the other, 200 to either side. Two lines that merely cross join nothing, as on a schematic.
// A short's two terminals are merged into one node. Impedances are the program's own at the
// working frequency.
WiredNetwork ReadWiring(const CircuitModel& model);
