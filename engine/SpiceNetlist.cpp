#include "engine/SpiceNetlist.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>
#include <utility>

#include "engine/WiredCheck.h"

namespace {

// The program forms ω as 6.283184·f, as written, not with 2π to full precision.
constexpr double kTwoPi = 6.283184;

// Every digit a double holds, in plain exponents ("1e-06"), never a scale suffix.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Twelve significant digits, as far as the program's check and ngspice are expected to agree.
std::string shown(const Complex& z) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12g %c j%.12g", z.re, z.im < 0 ? '-' : '+', std::abs(z.im));
    return text;
}

std::string reasonFor(WiredOutcome outcome) {
    switch (outcome) {
        case WiredOutcome::Solved: break;
        case WiredOutcome::NoPartPlaced: return "no part is placed";
        case WiredOutcome::NoPort: return "the calculation's walk names no port";
        case WiredOutcome::Singular: return "the port's network is singular: admittances cancel";
        case WiredOutcome::PortOneNode: return "the port's two terminals are wired to one node";
        case WiredOutcome::PortOpen: return "no path runs between the port's two terminals";
    }
    return {};
}

SpiceNetlist refused(SpiceNetlist::Refusal refusal, std::string reason) {
    SpiceNetlist netlist;
    netlist.refusal = refusal;
    netlist.reason = std::move(reason);
    return netlist;
}

std::string nodeName(const WiredCheck& check, int node) {
    if (node == check.portNode) return "in";
    if (node == check.groundNode) return "0";
    return "n" + std::to_string(node + 1);
}

// Why a part is no element of the netlist, or nullptr when it is one.
const char* leftOutBecause(const WiredCheck& check, const WiredBranch& branch) {
    const std::vector<int>& off = check.partsOffPort;
    if (std::find(off.begin(), off.end(), branch.slot) != off.end())
        return "it has no path to the port";
    if (branch.kind == WiredBranch::Kind::Short)
        return "its impedance is 0, so its terminals are one node";
    if (branch.kind == WiredBranch::Kind::Open)
        return "its impedance cannot be formed, so it carries nothing";
    return nullptr;
}

struct Element {
    char letter;
    std::string name, from, to;
    double value;
};

void write(std::ostream& out, const Element& e) {
    out << e.letter << e.name << ' ' << e.from << ' ' << e.to << ' ' << number(e.value) << '\n';
}

// An impedance part keeps its value at every frequency; at the working frequency it equals a
// resistor in series with the coil or capacitor of its reactance. A zero part is a short and
// never gets here.
void writeImpedancePart(std::ostream& out, const WiredBranch& branch, const std::string& from,
                        const std::string& to, double omega) {
    const double re = branch.impedance.re, im = branch.impedance.im;
    const std::string name = std::to_string(branch.slot);
    const char* reactance = im > 0 ? "inductor L" : "capacitor C";
    out << "* Impedance part " << name << " (" << shown(branch.impedance) << " ohm): ";
    if (re != 0) out << "resistor R" << name << (im != 0 ? " in series with " : "");
    if (im != 0) out << reactance << name << ", which has that reactance at the working frequency";
    out << '\n';
    // Where the resistor ends and the coil or capacitor begins; without one of them, the other
    // spans the whole part.
    const std::string joint = re != 0 && im != 0 ? "m" + name : re != 0 ? to : from;
    if (re != 0) write(out, {'R', name, from, joint, re});
    if (im > 0) write(out, {'L', name, joint, to, im / omega});
    if (im < 0) write(out, {'C', name, joint, to, -1 / (im * omega)});
}

void writeBranch(std::ostream& out, const CircuitModel& model, const WiredCheck& check,
                 const WiredBranch& branch) {
    if (const char* reason = leftOutBecause(check, branch)) {
        out << "* Part " << branch.slot << " is left out: " << reason << '\n';
        return;
    }
    const std::string from = nodeName(check, branch.leftNode);
    const std::string to = nodeName(check, branch.rightNode);
    const std::string name = std::to_string(branch.slot);
    const double value = model.slotValue[branch.slot];
    switch (kindOfSlot(branch.slot)) {
        case PartKind::Resistor: write(out, {'R', name, from, to, value}); return;
        case PartKind::Coil: write(out, {'L', name, from, to, value}); return;
        case PartKind::Capacitor: write(out, {'C', name, from, to, value}); return;
        case PartKind::Impedance: break;
    }
    writeImpedancePart(out, branch, from, to, kTwoPi * model.frequency);
}

void writeHeader(std::ostream& out, const WiredCheck& check) {
    out << "Selvoria: the drawing as wired\n"
        << "* The port runs from the right terminal of part " << check.startPart
        << ", where the calculation starts,\n"
        << "* to the left terminal of part " << check.lastSeriesPart
        << ", on which its last column is built.\n"
        << "* 1 A flows into node in and out of ground (0), so V(in) is the port's impedance.\n"
        << "* The program's nodal analysis gives " << shown(*check.impedance) << " ohm.\n"
        << "Iport 0 in DC 0 AC 1\n";
}

void writeAnalysis(std::ostream& out, double frequency) {
    const std::string f = number(frequency * kTwoPi / (2 * std::numbers::pi));
    out << "* No DC operating point: coils in parallel would make it singular.\n"
        << ".options noopac\n"
        << "* The program forms omega as 6.283184 * f, ngspice as 2 * pi * f: the working\n"
        << "* frequency of " << number(frequency) << " Hz is given as " << f
        << " Hz, so that both mean the same omega.\n"
        << ".ac lin 1 " << f << ' ' << f << '\n'
        << ".control\nset numdgt=15\nrun\nprint vr(in) vi(in)\n.endc\n.end\n";
}

}  // namespace

SpiceNetlist WriteSpiceNetlist(const CircuitModel& model) {
    if (!(model.frequency > 0))
        return refused(SpiceNetlist::Refusal::NotAboveZeroHertz,
                       "an AC analysis needs a working frequency above 0 Hz");
    const WiredCheck check = CheckWiredDrawing(model);
    if (check.outcome != WiredOutcome::Solved)
        return refused(SpiceNetlist::Refusal::NoSolvedPort, reasonFor(check.outcome));

    std::ostringstream out;
    writeHeader(out, check);
    for (const WiredBranch& branch : check.network.branches) writeBranch(out, model, check, branch);
    writeAnalysis(out, model.frequency);
    SpiceNetlist netlist;
    netlist.text = out.str();
    return netlist;
}
