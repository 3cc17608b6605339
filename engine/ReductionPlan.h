#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/ImpedanceArithmetic.h"
#include "model/CircuitModel.h"

// The reduction of one drawing as a flat list of steps over its parts' values. The searches of a
// calculation read coordinates only, never an impedance, so the walk is the same at every
// frequency and is made once, here. Evaluating the plan repeats only the arithmetic, step for
// step in the calculation's order, and gives the same bits as Calculate at that frequency, or
// fails at the step where Calculate fails.
class ReductionPlan {
public:
    // Reads the drawing as Calculate does. Throws NoPartPlacedError when no part qualifies as the
    // start part and ArithmeticError when the walk itself fails (a coordinate far out of range,
    // a walk that does not end): then every calculation of this drawing fails, whatever the
    // frequency, with the same kind of error.
    explicit ReductionPlan(const CircuitModel& model);

    // The result at a frequency. Throws ArithmeticError where Calculate would.
    PlanResult evaluate(double frequency) const;

    // The same at many frequencies: results[i] for frequencies[i], empty where evaluate throws.
    // Throws std::invalid_argument unless both spans have the same size.
    void evaluateEach(std::span<const double> frequencies,
                      std::span<std::optional<PlanResult>> results) const;

    // The slots a calculation takes into the result (its slotMarked), indexed by slot.
    const SlotFlags& takenSlots() const { return mTaken; }

    // The same walk with the resistors, coils and capacitors valued from `values`, indexed by
    // slot; impedance parts keep theirs. A fit tries many values on one drawing, and the walk
    // does not depend on them.
    ReductionPlan withValues(const SlotTable& values) const;

private:
    enum class Op : std::uint8_t {
        StartColumn,     // column := the part
        JoinColumn,      // column := parallel(column, the part)
        AddToChain,      // chain := series(column, chain)
        AddPartToChain,  // a column of one part: chain := series(the part, chain)
        BridgeChain,     // chain := parallel(chain, the part)
    };
    // A coil or capacitor keeps its value; any other part its impedance, which no frequency
    // changes.
    struct Step {
        Op op;
        PartKind kind;
        double value;
        Complex fixed;
        int slot = 0;  // 0 for a step that takes no part
    };

    struct Block;

    void readSteps(const CircuitModel& model);
    static Step stepFor(Op op, const CircuitModel& model, int slot);
    void evaluateBlock(Block& block) const;
    void finishBlock(Block& block) const;
    template <typename PartAt>
    static void apply(Block& block, Op op, PartAt partAt);
    static void apply(Block& block, const Step& step);

    std::vector<Step> mSteps;
    SlotFlags mTaken{};
    double mUnitFactor = 0;
};
