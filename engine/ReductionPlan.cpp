#include "engine/ReductionPlan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/CalculationTrace.h"
#include "engine/CheckedMath.h"
#include "engine/ComplexMath.h"
#include "engine/PartImpedance.h"

// One frequency on its way through the steps. The first fault ends its way, as it ends a
// calculation, and is kept to be thrown again.
struct ReductionPlan::Lane {
    double frequency = 0;
    Complex column, chain;
    std::exception_ptr fault;
    std::optional<PlanResult> result;
};

namespace {

// Frequencies evaluated side by side: enough to keep the processor busy with independent
// divisions, few enough that their registers stay in the first-level cache.
constexpr std::size_t kBlock = 64;

// The drawing with every part's impedance moved into the closed first quadrant (resistance and
// reactance >= 0, not both 0) and of a size near 1: a reciprocal of such a value lies in the
// fourth quadrant, sums stay in their quadrant and away from 0, so no step of a calculation can
// divide by zero or overflow. A calculation of this copy fails only where its walk fails, and
// the walk is the one of the real values, since the searches never read a value.
CircuitModel withHarmlessValues(const CircuitModel& model) {
    CircuitModel copy = model;
    copy.frequency = 1;
    copy.resultUnitFactor = 1;
    for (int s = 1; s <= kSlotCount; ++s)
        copy.slotValue[s] = kindOfSlot(s) == PartKind::Capacitor ? -1.0 : 1.0;  // -1 F: +j/ω
    copy.impPartRe.fill(1.0);
    copy.impPartIm.fill(1.0);
    return copy;
}

Complex parallel(const Complex& x, const Complex& y) {
    const Complex recipX = ComplexRecip(x);
    const Complex recipY = ComplexRecip(y);
    return ComplexRecip(ComplexAdd(recipX, recipY));
}

// Half up to three decimals, also for negative values; 1000 is formed as 10^3.
double roundToThousandths(double value) {
    const double scale = std::pow(10.0, 3);
    return checkedDiv(std::floor(checked(checked(scale * value) + 0.5)), scale);
}

// The calculation's result step, fault checks and order included: a result whose magnitude,
// phase or shown values overflow fails there.
PlanResult resultOf(const Complex& z, double unitFactor) {
    PlanResult result{};
    result.z = z;
    const double magnitude = ComplexAbs(z);
    result.phase = PhaseDegrees(z.re, z.im);
    // On the imaginary axis the three fixed angles are not rounded.
    result.phaseAngle = z.re != 0.0 ? roundToThousandths(result.phase) : result.phase;
    result.shownAbs = roundToThousandths(checked(magnitude * unitFactor));
    result.shownRe = roundToThousandths(checked(z.re * unitFactor));
    result.shownIm = roundToThousandths(checked(z.im * unitFactor));
    return result;
}

// Applies one step to every lane still on its way.
template <typename Lanes, typename Apply>
void forEachLane(Lanes lanes, Apply apply) {
    for (auto& lane : lanes) {
        if (lane.fault) continue;
        try {
            apply(lane);
        } catch (const ArithmeticError&) {
            lane.fault = std::current_exception();
        }
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
    }
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
    Lane lane;
    lane.frequency = frequency;
    evaluateLanes({&lane, 1});
    if (lane.fault) std::rethrow_exception(lane.fault);
    return *lane.result;
}

void ReductionPlan::evaluateEach(std::span<const double> frequencies,
                                 std::span<std::optional<PlanResult>> results) const {
    if (results.size() != frequencies.size())
        throw std::invalid_argument("one result is needed for every frequency");
    std::array<Lane, kBlock> block;
    for (std::size_t first = 0; first < frequencies.size(); first += kBlock) {
        const std::size_t count = std::min(kBlock, frequencies.size() - first);
        const std::span<Lane> lanes(block.data(), count);
        for (std::size_t i = 0; i < count; ++i) {
            lanes[i] = Lane{};
            lanes[i].frequency = frequencies[first + i];
        }
        evaluateLanes(lanes);
        for (std::size_t i = 0; i < count; ++i) results[first + i] = lanes[i].result;
    }
}

// Step by step across all lanes rather than lane by lane: each step is looked at once, and the
// arithmetic of different frequencies, which does not wait on itself, runs side by side. Each
// lane still goes through its own steps in the calculation's order.
void ReductionPlan::evaluateLanes(std::span<Lane> lanes) const {
    for (const Step& step : mSteps) apply(lanes, step);
    const double unitFactor = mUnitFactor;
    forEachLane(lanes, [unitFactor](Lane& l) { l.result = resultOf(l.chain, unitFactor); });
}

// The part's impedance is formed first, then combined, as a calculation takes a part and then
// joins it.
template <typename Impedance>
void ReductionPlan::apply(std::span<Lane> lanes, Op op, Impedance impedance) {
    switch (op) {
        case Op::StartColumn: forEachLane(lanes, [&](Lane& l) { l.column = impedance(l); }); return;
        case Op::JoinColumn:
            forEachLane(lanes, [&](Lane& l) { l.column = parallel(l.column, impedance(l)); });
            return;
        case Op::AddToChain:
            forEachLane(lanes, [](Lane& l) { l.chain = ComplexAdd(l.column, l.chain); });
            return;
        case Op::AddPartToChain:
            forEachLane(lanes, [&](Lane& l) { l.chain = ComplexAdd(impedance(l), l.chain); });
            return;
        case Op::BridgeChain:
            forEachLane(lanes, [&](Lane& l) { l.chain = parallel(l.chain, impedance(l)); });
            return;
    }
}

void ReductionPlan::apply(std::span<Lane> lanes, const Step& step) {
    const double value = step.value;
    switch (step.kind) {
        case PartKind::Coil:
            return apply(lanes, step.op, [value](const Lane& l) {
                return Complex{0.0, CoilReactance(value, AngularFrequency(l.frequency))};
            });
        case PartKind::Capacitor:
            return apply(lanes, step.op, [value](const Lane& l) {
                return Complex{0.0, CapacitorReactance(value, AngularFrequency(l.frequency))};
            });
        case PartKind::Resistor:
        case PartKind::Impedance: break;
    }
    const Complex fixed = step.fixed;
    apply(lanes, step.op, [fixed](const Lane&) { return fixed; });
}
