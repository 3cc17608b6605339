#include "engine/ReductionPlan.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "engine/Calculation.h"
#include "engine/CalculationTrace.h"
#include "engine/HarmlessValues.h"
#include "engine/ImpedanceArithmetic.h"

using arithmetic::add;
using arithmetic::capacitor;
using arithmetic::coil;
using arithmetic::impedanceOf;
using arithmetic::Marking;
using arithmetic::parallel;
using arithmetic::resultOf;
using arithmetic::Throwing;

namespace {

// Frequencies evaluated side by side: enough to keep the processor busy with independent
// divisions, few enough that their values stay in the first-level cache.
constexpr std::size_t kBlock = 64;

}  // namespace

// The values of kBlock frequencies on their way through the steps, one array per quantity so
// that each step is a plain loop over the lanes. A lane that has faulted goes on with
// meaningless values, which are never read.
struct ReductionPlan::Block {
    std::array<double, kBlock> frequency, columnRe, columnIm, chainRe, chainIm;
    // The steps that faulted in each lane; only whether there is one matters. It is a double, as
    // wide as the values beside it, because flags of another width keep the loops from
    // vectorising with SSE2.
    std::array<double, kBlock> faults;
    // The result step's arctangents, then its values.
    std::array<double, kBlock> arctangent, phase, phaseAngle, shownAbs, shownRe, shownIm;
};

namespace {

// One lane's values while a step runs.
struct Lane {
    Complex column, chain;
    double frequency;
    std::size_t index;
};

// Runs one step for every lane. The loop covers the whole block, whatever the number of
// frequencies, so that the compiler vectorises it without a remainder; everything it calls is
// inlined, since a call in the loop would keep it from vectorising.
template <typename Block, typename Body>
[[gnu::flatten]] void forEachLane(Block& b, Body body) {
    for (std::size_t i = 0; i < kBlock; ++i) {
        Lane lane{{b.columnRe[i], b.columnIm[i]}, {b.chainRe[i], b.chainIm[i]}, b.frequency[i], i};
        Marking check;
        body(lane, check);
        b.columnRe[i] = lane.column.re, b.columnIm[i] = lane.column.im;
        b.chainRe[i] = lane.chain.re, b.chainIm[i] = lane.chain.im;
        b.faults[i] += check.failed ? 1.0 : 0.0;
    }
}

}  // namespace

ReductionPlan::ReductionPlan(const CircuitModel& model) : mUnitFactor(model.resultUnitFactor) {
    readSteps(model);
}

// The walk is that of a calculation of the harmless copy, read back from its trace: a part taken
// and then joined to the column, a part taken and then bridging the chain, a part taken and left
// alone to start a column, and a column added to the chain.
void ReductionPlan::readSteps(const CircuitModel& model) {
    CircuitModel walked = withHarmlessValues(model);
    CalculationTrace trace;
    Calculate(walked, &trace);
    mTaken = walked.slotMarked;

    using Kind = TraceStep::Kind;
    const std::vector<TraceStep>& steps = trace.steps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].kind == Kind::Series) {
            // A column of one part goes into the chain as it is: the same addition, one step.
            if (!mSteps.empty() && mSteps.back().op == Op::StartColumn)
                mSteps.back().op = Op::AddPartToChain;
            else
                mSteps.push_back({Op::AddToChain, PartKind::Impedance, 0.0, {}});  // no part
        }
        if (steps[i].kind != Kind::Take) continue;
        const Kind next = i + 1 < steps.size() ? steps[i + 1].kind : Kind::Take;
        const Op op = next == Kind::Parallel ? Op::JoinColumn
                      : next == Kind::Bypass ? Op::BridgeChain
                                             : Op::StartColumn;
        mSteps.push_back(stepFor(op, model, steps[i].left.front()));
        mSteps.back().slot = steps[i].left.front();
    }
}

ReductionPlan ReductionPlan::withValues(const SlotTable& values) const {
    ReductionPlan copy = *this;
    for (Step& step : copy.mSteps) {
        if (!isPartSlot(step.slot)) continue;
        switch (step.kind) {
            case PartKind::Resistor: step.fixed = {values[step.slot], 0.0}; break;
            case PartKind::Coil:
            case PartKind::Capacitor: step.value = values[step.slot]; break;
            case PartKind::Impedance: break;
        }
    }
    return copy;
}

ReductionPlan::Step ReductionPlan::stepFor(Op op, const CircuitModel& model, int slot) {
    // A slot number outside 1..20 has the impedance 0 + j0.
    if (!isPartSlot(slot)) return {op, PartKind::Impedance, 0.0, {}};
    const PartKind kind = kindOfSlot(slot);
    switch (kind) {
        case PartKind::Resistor: return {op, kind, 0.0, {model.slotValue[slot], 0.0}};
        case PartKind::Coil:
        case PartKind::Capacitor: return {op, kind, model.slotValue[slot], {}};
        case PartKind::Impedance: {
            const int k = indexInKind(slot);
            return {op, kind, 0.0, {model.impPartRe[k], model.impPartIm[k]}};
        }
    }
    return {op, kind, 0.0, {}};
}

PlanResult ReductionPlan::evaluate(double frequency) const {
    Throwing check;
    Complex column, chain;
    for (const Step& step : mSteps) {
        // The part's impedance is formed first, then combined, as a calculation takes a part and
        // then joins it.
        const auto part = [&] { return impedanceOf(step, frequency, check); };
        switch (step.op) {
            case Op::StartColumn: column = part(); break;
            case Op::JoinColumn: column = parallel(column, part(), check); break;
            case Op::AddToChain: chain = add(column, chain, check); break;
            case Op::AddPartToChain: chain = add(part(), chain, check); break;
            case Op::BridgeChain: chain = parallel(chain, part(), check); break;
        }
    }
    return resultOf(chain, mUnitFactor, check, [](double q) { return std::atan(q); });
}

void ReductionPlan::evaluateEach(std::span<const double> frequencies,
                                 std::span<std::optional<PlanResult>> results) const {
    if (results.size() != frequencies.size())
        throw std::invalid_argument("one result is needed for every frequency");
    Block block;
    for (std::size_t first = 0; first < frequencies.size(); first += kBlock) {
        const std::size_t count = std::min(kBlock, frequencies.size() - first);
        // Lanes past the last frequency repeat it; their results are not read.
        for (std::size_t i = 0; i < kBlock; ++i)
            block.frequency[i] = frequencies[first + std::min(i, count - 1)];
        evaluateBlock(block);
        for (std::size_t i = 0; i < count; ++i) {
            if (block.faults[i] != 0.0) {
                results[first + i].reset();
                continue;
            }
            results[first + i] = PlanResult{{block.chainRe[i], block.chainIm[i]},
                                            block.phase[i],
                                            block.shownAbs[i],
                                            block.shownRe[i],
                                            block.shownIm[i],
                                            block.phaseAngle[i]};
        }
    }
}

// Step by step across all lanes rather than lane by lane: each step is looked at once, and the
// arithmetic of different frequencies, which does not wait on itself, runs side by side. Each
// lane still goes through its own steps in the calculation's order.
void ReductionPlan::evaluateBlock(Block& block) const {
    block.columnRe.fill(0.0), block.columnIm.fill(0.0);
    block.chainRe.fill(0.0), block.chainIm.fill(0.0);
    block.faults.fill(0.0);
    for (const Step& step : mSteps) apply(block, step);
    finishBlock(block);
}

// The result step of every lane. The arctangents, calls, come first, one lane at a time; the
// rest runs side by side. On the imaginary axis the quotient is meaningless, and its arctangent
// is not used.
void ReductionPlan::finishBlock(Block& block) const {
    for (std::size_t i = 0; i < kBlock; ++i)
        block.arctangent[i] = std::atan(block.chainIm[i] / block.chainRe[i]);
    const double unitFactor = mUnitFactor;
    forEachLane(block, [&](Lane& l, Marking& check) {
        const double arctangent = block.arctangent[l.index];
        const PlanResult r =
            resultOf(l.chain, unitFactor, check, [arctangent](double) { return arctangent; });
        const std::size_t i = l.index;
        block.phase[i] = r.phase, block.phaseAngle[i] = r.phaseAngle;
        block.shownAbs[i] = r.shownAbs, block.shownRe[i] = r.shownRe, block.shownIm[i] = r.shownIm;
    });
}

// The kind of part and the kind of step are chosen once per step, outside the loop over the
// lanes, so that the loop itself has no branch.
template <typename PartAt>
void ReductionPlan::apply(Block& block, Op op, PartAt partAt) {
    switch (op) {
        case Op::StartColumn:
            return forEachLane(
                block, [&](Lane& l, Marking& check) { l.column = partAt(l.frequency, check); });
        case Op::JoinColumn:
            return forEachLane(block, [&](Lane& l, Marking& check) {
                l.column = parallel(l.column, partAt(l.frequency, check), check);
            });
        case Op::AddToChain:
            return forEachLane(
                block, [](Lane& l, Marking& check) { l.chain = add(l.column, l.chain, check); });
        case Op::AddPartToChain:
            return forEachLane(block, [&](Lane& l, Marking& check) {
                l.chain = add(partAt(l.frequency, check), l.chain, check);
            });
        case Op::BridgeChain:
            return forEachLane(block, [&](Lane& l, Marking& check) {
                l.chain = parallel(l.chain, partAt(l.frequency, check), check);
            });
    }
}

void ReductionPlan::apply(Block& block, const Step& step) {
    const double value = step.value;
    switch (step.kind) {
        case PartKind::Coil:
            return apply(block, step.op,
                         [value](double f, Marking& check) { return coil(value, f, check); });
        case PartKind::Capacitor:
            return apply(block, step.op,
                         [value](double f, Marking& check) { return capacitor(value, f, check); });
        case PartKind::Resistor:
        case PartKind::Impedance: break;
    }
    const Complex fixed = step.fixed;
    apply(block, step.op, [fixed](double, Marking&) { return fixed; });
}
