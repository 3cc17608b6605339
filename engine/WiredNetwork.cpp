#include "engine/WiredNetwork.h"

#include <cmath>
#include <complex>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/JoinWindow.h"
#include "engine/NodeSets.h"
#include "engine/PartImpedance.h"

namespace {

// The calculation's join tolerance, which it sets at the start of every calculation.
constexpr float kJoinTolerance = 200.0f;

// A terminal or a line end. Right terminal Y and the lines' second-end Y are held as singles,
// and a join window around such a point is bounded in single precision, as in the calculation.
struct WirePoint {
    double x = 0.0, y = 0.0;
    bool singleY = false;
};

JoinWindow windowAround(const WirePoint& p) {
    if (p.singleY) return pointWindow(p.x, static_cast<float>(p.y), kJoinTolerance);
    return pointWindow(p.x, p.y, kJoinTolerance);
}

bool contains(const JoinWindow& window, const WirePoint& p) {
    return window.contains(p.x, p.y);
}

// A placed line: its first end is point `end`, its second `end + 1`.
struct WireLine {
    int end = 0;
    JoinWindow along;
};

struct Drawing {
    std::vector<WirePoint> points;  // placed parts' terminals first, left before right
    std::vector<int> slots;         // placed parts, ascending; part i owns points 2i and 2i + 1
    std::vector<WireLine> lines;
};

JoinWindow alongHorizontal(const CircuitModel& model, int n) {
    JoinWindow window;
    window.left = lowerBound(model.hLineLeftX[n], kJoinTolerance);
    window.right = upperBound(model.hLineRightX[n], kJoinTolerance);
    window.top = lowerBound(model.hLineLeftY[n], kJoinTolerance);
    window.bottom = upperBound(model.hLineLeftY[n], kJoinTolerance);
    return window;
}

// A line placed but never dragged keeps both ends at (0, 0): the model does not say where it is
// drawn (it stands at its parking place), so it joins nothing. A dragged line is 975 or 615
// twips long and never has both ends there.
bool neverDragged(double x1, double y1, double x2, double y2) {
    return x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0;
}

void addLine(Drawing& drawing, const WirePoint& first, const WirePoint& second,
             const JoinWindow& along) {
    if (neverDragged(first.x, first.y, second.x, second.y)) return;
    drawing.lines.push_back({static_cast<int>(drawing.points.size()), along});
    drawing.points.push_back(first);
    drawing.points.push_back(second);
}

Drawing collectPoints(const CircuitModel& model) {
    Drawing drawing;
    for (int s = 1; s <= kSlotCount; ++s) {
        if (model.slotUsed[s] == 0) continue;
        drawing.slots.push_back(s);
        drawing.points.push_back({model.partLeftX[s], model.partLeftY[s], false});
        drawing.points.push_back({model.partRightX[s], model.partRightY[s], true});
    }
    for (int n = 1; n <= kLinesPerKind; ++n) {
        if (model.vLineUsed[n] != 0)
            addLine(drawing, {model.vLineTopX[n], model.vLineTopY[n], false},
                    {model.vLineBottomX[n], model.vLineBottomY[n], true},
                    spanWindow(model.vLineTopX[n], model.vLineTopY[n], model.vLineBottomY[n],
                               kJoinTolerance));
        if (model.hLineUsed[n] != 0)
            addLine(drawing, {model.hLineLeftX[n], model.hLineLeftY[n], false},
                    {model.hLineRightX[n], model.hLineRightY[n], true}, alongHorizontal(model, n));
    }
    return drawing;
}

// The join test is made with either point as the reference: the single-precision bounds make it
// not quite symmetric, and a join seen from one side is a join.
void joinWiring(const Drawing& drawing, NodeSets& sets) {
    const int count = static_cast<int>(drawing.points.size());
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (contains(windowAround(drawing.points[i]), drawing.points[j]) ||
                contains(windowAround(drawing.points[j]), drawing.points[i]))
                sets.join(i, j);
    for (const WireLine& line : drawing.lines) {
        sets.join(line.end, line.end + 1);
        for (int i = 0; i < count; ++i)
            if (contains(line.along, drawing.points[i])) sets.join(i, line.end);
    }
}

// The program's own impedance of the part. One that it cannot form (a division by zero, or a
// value beyond the double range) is infinite: an open branch. One whose admittance cannot be
// formed is zero: a short.
WiredBranch branchFor(CircuitModel& scratch, int slot) {
    WiredBranch branch;
    branch.slot = slot;
    try {
        PartImpedance(scratch, static_cast<std::int16_t>(slot));
    } catch (const ArithmeticError&) {
        branch.kind = WiredBranch::Kind::Open;
        return branch;
    }
    const std::complex<double> admittance =
        1.0 / std::complex<double>(scratch.zWork.re, scratch.zWork.im);
    if (!std::isfinite(admittance.real()) || !std::isfinite(admittance.imag())) {
        branch.kind = WiredBranch::Kind::Short;
        return branch;
    }
    branch.impedance = scratch.zWork;
    return branch;
}

// Numbers the sets that hold a part terminal in the order the terminals reach them.
void numberNodes(const Drawing& drawing, NodeSets& sets, WiredNetwork& network) {
    std::vector<int> nodeOfSet(drawing.points.size(), -1);
    const auto nodeOf = [&](int point) {
        int& node = nodeOfSet[sets.find(point)];
        if (node < 0) node = network.nodeCount++;
        return node;
    };
    for (std::size_t i = 0; i < network.branches.size(); ++i) {
        network.branches[i].leftNode = nodeOf(static_cast<int>(2 * i));
        network.branches[i].rightNode = nodeOf(static_cast<int>(2 * i + 1));
    }
}

}  // namespace

const WiredBranch* WiredNetwork::branchOf(int slot) const {
    for (const WiredBranch& branch : branches)
        if (branch.slot == slot) return &branch;
    return nullptr;
}

WiredNetwork ReadWiring(const CircuitModel& model) {
    CircuitModel scratch = model;
    RefreshCombinedTables(scratch);
    const Drawing drawing = collectPoints(scratch);

    WiredNetwork network;
    NodeSets sets(static_cast<int>(drawing.points.size()));
    joinWiring(drawing, sets);
    for (std::size_t i = 0; i < drawing.slots.size(); ++i) {
        network.branches.push_back(branchFor(scratch, drawing.slots[i]));
        if (network.branches.back().kind == WiredBranch::Kind::Short)
            sets.join(static_cast<int>(2 * i), static_cast<int>(2 * i + 1));
    }
    numberNodes(drawing, sets, network);
    return network;
}
