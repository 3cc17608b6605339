#pragma once

#include <optional>
#include <vector>

#include "engine/WiredNetwork.h"
#include "model/CircuitModel.h"
#include "model/Complex.h"

// What the nodal analysis of the drawing as wired came to.
enum class WiredOutcome {
    Solved,        // the port's impedance is known
    NoPartPlaced,  // the calculation finds no start part, so there is no port
    NoPort,        // the calculation's walk names no port: it does not end, or it starts from
                   // a start part kept from before its slot was freed
    Singular,      // the port's network has no unique solution (its admittances cancel)
    PortOneNode,   // the port's two terminals are wired to one node
    PortOpen,      // no path of admittances runs between the port's two terminals
};

// A second opinion beside the calculation. The calculation reads one chain of columns from the
// coordinates and leaves out whatever it does not reach; this solves the whole drawing as wired
// between the same two points: the right terminal of the start part and the left terminal of
// the part the walk's last column was built on.
struct WiredCheck {
    WiredOutcome outcome = WiredOutcome::NoPartPlaced;
    std::optional<Complex> impedance;  // ohms; present exactly when outcome is Solved
    WiredNetwork network;
    int startPart = 0, lastSeriesPart = 0;  // the port's parts; 0 without a port
    int portNode = -1, groundNode = -1;     // where 1 A enters and leaves; -1 without a port
    std::optional<Complex> calculated;      // the calculation's own result; none when it fails
    std::vector<int> partsOffPort;          // placed parts with no path to the port
    std::vector<int> partsNotInResult;      // placed parts the calculation's walk does not take
};

// Checks the drawing without changing it. The calculation runs on a copy to learn the port; when
// it fails on a value (a capacitor at 0 Hz, a 0 Ω part in a parallel column) its walk is learnt
// from a copy whose values cannot fail, since the walk reads coordinates only.
WiredCheck CheckWiredDrawing(const CircuitModel& model);

// The check and the calculation agree when they differ by no more than rounding could explain:
// |wired - calculated| <= 1e-9 |calculated| + 1e-12 ohm.
bool AgreesWithCalculation(const Complex& wired, const Complex& calculated);
