#include "engine/WiredCheck.h"

#include <Eigen/Core>
#include <Eigen/LU>
#include <cmath>
#include <complex>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/CalculationTrace.h"
#include "engine/HarmlessValues.h"
#include "engine/NoPartPlacedError.h"
#include "engine/NodeSets.h"

namespace {

struct Walk {
    int startPart = 0, lastSeriesPart = 0;
    SlotFlags marked{};
    std::optional<Complex> result;
};

// Runs the calculation on the copy; throws as the calculation does.
Walk walkOf(CircuitModel copy) {
    CalculationTrace trace;
    Calculate(copy, &trace);
    const std::vector<int> series = trace.seriesParts();
    return {series.front(), series.back(), copy.slotMarked, Complex{copy.resultRe, copy.resultIm}};
}

// The walk of the drawing, or the outcome that leaves no port.
std::optional<Walk> readWalk(const CircuitModel& model, WiredOutcome& failure) {
    try {
        try {
            return walkOf(model);
        } catch (const ArithmeticError&) {
            Walk walk = walkOf(withHarmlessValues(model));
            walk.result.reset();
            return walk;
        }
    } catch (const NoPartPlacedError&) {
        failure = WiredOutcome::NoPartPlaced;
    } catch (const ArithmeticError&) {
        failure = WiredOutcome::NoPort;
    }
    return std::nullopt;
}

bool carries(const WiredBranch& branch) {
    return branch.kind == WiredBranch::Kind::Impedance;
}

// Nodes joined through branches that carry current; opens join nothing.
NodeSets componentsOf(const WiredNetwork& network) {
    NodeSets components(network.nodeCount);
    for (const WiredBranch& branch : network.branches)
        if (carries(branch)) components.join(branch.leftNode, branch.rightNode);
    return components;
}

using Matrix = Eigen::MatrixXcd;
using Vector = Eigen::VectorXcd;

void stamp(Matrix& y, int a, int b, const std::complex<double>& admittance) {
    if (a >= 0) y(a, a) += admittance;
    if (b >= 0) y(b, b) += admittance;
    if (a >= 0 && b >= 0) {
        y(a, b) -= admittance;
        y(b, a) -= admittance;
    }
}

// 1 A into the port node with the ground node held at 0 V: the port node's voltage is the
// impedance. The system has one row per other node of the port's component, at most 39. A rank
// below its size means the admittances cancel somewhere; the solve would only return rounding
// noise, so there is no impedance.
std::optional<Complex> solvePort(const WiredNetwork& network, NodeSets& components, int port,
                                 int ground) {
    std::vector<int> row(network.nodeCount, -1);
    int size = 0;
    for (int node = 0; node < network.nodeCount; ++node)
        if (node != ground && components.joined(node, port)) row[node] = size++;

    Matrix y = Matrix::Zero(size, size);
    for (const WiredBranch& branch : network.branches) {
        if (!carries(branch) || !components.joined(branch.leftNode, port)) continue;
        const std::complex<double> z(branch.impedance.re, branch.impedance.im);
        stamp(y, row[branch.leftNode], row[branch.rightNode], 1.0 / z);
    }
    Vector current = Vector::Zero(size);
    current(row[port]) = 1.0;

    const Eigen::FullPivLU<Matrix> lu(y);
    if (lu.rank() < size) return std::nullopt;
    const std::complex<double> v = lu.solve(current)(row[port]);
    if (!std::isfinite(v.real()) || !std::isfinite(v.imag())) return std::nullopt;
    return Complex{v.real(), v.imag()};
}

void listParts(const Walk& walk, NodeSets& components, WiredCheck& check) {
    const auto reachesPort = [&](int node) {
        return components.joined(node, check.portNode) || components.joined(node, check.groundNode);
    };
    for (const WiredBranch& branch : check.network.branches) {
        if (!reachesPort(branch.leftNode) && !reachesPort(branch.rightNode))
            check.partsOffPort.push_back(branch.slot);
        if (walk.marked[branch.slot] == 0) check.partsNotInResult.push_back(branch.slot);
    }
}

void solve(WiredCheck& check, NodeSets& components) {
    if (check.portNode == check.groundNode) {
        check.outcome = WiredOutcome::PortOneNode;
    } else if (!components.joined(check.portNode, check.groundNode)) {
        check.outcome = WiredOutcome::PortOpen;
    } else {
        check.impedance = solvePort(check.network, components, check.portNode, check.groundNode);
        check.outcome = check.impedance ? WiredOutcome::Solved : WiredOutcome::Singular;
    }
}

}  // namespace

WiredCheck CheckWiredDrawing(const CircuitModel& model) {
    WiredCheck check;
    check.network = ReadWiring(model);
    const std::optional<Walk> walk = readWalk(model, check.outcome);
    if (!walk) return check;

    const WiredBranch* start = check.network.branchOf(walk->startPart);
    const WiredBranch* last = check.network.branchOf(walk->lastSeriesPart);
    // A start part kept from before its slot was freed is no port of this drawing.
    if (start == nullptr || last == nullptr) {
        check.outcome = WiredOutcome::NoPort;
        return check;
    }
    check.startPart = walk->startPart;
    check.lastSeriesPart = walk->lastSeriesPart;
    check.portNode = start->rightNode;
    check.groundNode = last->leftNode;
    check.calculated = walk->result;

    NodeSets components = componentsOf(check.network);
    listParts(*walk, components, check);
    solve(check, components);
    return check;
}

bool AgreesWithCalculation(const Complex& wired, const Complex& calculated) {
    const double difference = std::hypot(wired.re - calculated.re, wired.im - calculated.im);
    return difference <= 1e-9 * std::hypot(calculated.re, calculated.im) + 1e-12;
}
