#include "engine/ReductionPlan.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/NoPartPlacedError.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/engine/DrawingGenerator.h"
#include "tests/engine/RandomDrawing.h"

namespace {

// An outcome as text: "result" and the bits of every result field (so that -0 and +0 differ),
// or the kind of error, with its message when `why` is set.
template <typename Run>
std::string outcomeOf(Run run, bool why = true) {
    try {
        const std::vector<double> fields = run();
        std::ostringstream text;
        text << "result" << std::hex;
        for (const double field : fields) text << " " << std::bit_cast<std::uint64_t>(field);
        return text.str();
    } catch (const NoPartPlacedError& e) {
        return std::string("NoPartPlacedError ") + (why ? e.what() : "");
    } catch (const ArithmeticError& e) {
        return std::string("ArithmeticError ") + (why ? e.what() : "");
    }
}

std::vector<double> fieldsOf(const PlanResult& r) {
    return {r.z.re, r.z.im, r.shownAbs, r.shownRe, r.shownIm, r.phaseAngle};
}

// A calculation at the frequency; `marks` receives the parts it took.
std::string calculated(CircuitModel model, double frequency, bool why, SlotFlags* marks = nullptr) {
    model.frequency = frequency;
    const std::string outcome = outcomeOf(
        [&] {
            Calculate(model);
            return std::vector<double>{model.resultRe, model.resultIm, model.shownAbs,
                                       model.shownRe,  model.shownIm,  model.phaseAngle};
        },
        why);
    if (marks) *marks = model.slotMarked;
    return outcome;
}

struct Tally {
    int results = 0, faults = 0, noPartPlaced = 0, walkFaults = 0;
};

// The plan, evaluated one frequency at a time and all at once, against a calculation at each
// frequency. A plan that cannot be read must fail as every calculation does; the message may
// differ, since at some frequencies the calculation faults in its arithmetic before its walk.
void expectPlanMatchesCalculate(const CircuitModel& model, const std::vector<double>& frequencies,
                                Tally& tally) {
    std::optional<ReductionPlan> plan;
    const std::string walk = outcomeOf(
        [&] {
            plan.emplace(model);
            return std::vector<double>{};
        },
        false);
    std::vector<std::optional<PlanResult>> each(frequencies.size());
    if (plan) plan->evaluateEach(frequencies, each);
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        const double f = frequencies[i];
        SCOPED_TRACE(testing::Message() << "at " << f << " Hz");
        if (!plan) {
            EXPECT_EQ(walk, calculated(model, f, false));
            EXPECT_FALSE(each[i].has_value());
            ++(walk.starts_with("NoPartPlaced") ? tally.noPartPlaced : tally.walkFaults);
            continue;
        }
        SlotFlags marks{};
        const std::string expected = calculated(model, f, true, &marks);
        EXPECT_EQ(outcomeOf([&] { return fieldsOf(plan->evaluate(f)); }), expected);
        EXPECT_EQ(each[i] ? outcomeOf([&] { return fieldsOf(*each[i]); }) : "fault",
                  expected.starts_with("result") ? expected : "fault");
        if (!each[i]) {
            ++tally.faults;
            continue;
        }
        ++tally.results;
        EXPECT_EQ(plan->takenSlots(), marks);
    }
}

TEST(ReductionPlanTest, EqualsCalculateBitForBitOnRandomDrawings) {
    // First the oracle's drawings, which the reduction recognises, then drawings written straight
    // into the model, with walks that fail and values at the edges of the double range.
    oracle::DrawingGenerator recognised(20240611);
    RandomDrawing raw(11);
    std::array<int, oracle::kShapeCount> shapes{};
    std::mt19937_64 rng(3);
    Tally tally;
    for (int i = 0; i < 3200; ++i) {
        SCOPED_TRACE(testing::Message() << "drawing " << i);
        const CircuitModel model = i < 200 ? recognised.next(shapes).model : raw.next();
        // The working frequency, 0 Hz where capacitors and parallel coils fail, the edges of the
        // range and three from anywhere in it.
        std::vector<double> frequencies = {model.frequency, 0, 1e-300, 50, 1e300};
        for (int k = 0; k < 3; ++k)
            frequencies.push_back(std::pow(10.0, std::uniform_real_distribution(-3.0, 9.0)(rng)));
        expectPlanMatchesCalculate(model, frequencies, tally);
    }
    EXPECT_GT(tally.results, 10000);
    EXPECT_GT(tally.faults, 2000);
    EXPECT_GT(tally.noPartPlaced, 100);
    EXPECT_GT(tally.walkFaults, 100);
}

TEST(ReductionPlanTest, FailsWhereTheCalculationFails) {
    struct Case {
        const char* name;
        void (*draw)(CircuitModel&);
        double frequency;
        const char* outcome;  // of both
    };
    const Case cases[] = {
        {"capacitor at 0 Hz", [](CircuitModel& m) { drawing::placePartAt(m, 11, 3000, 3000); }, 0,
         "ArithmeticError"},
        {"coil over a resistor at 0 Hz", [](CircuitModel& m) { drawing::stack(m, 1, 6); }, 0,
         "ArithmeticError"},
        {"coil alone at 0 Hz", [](CircuitModel& m) { drawing::placePartAt(m, 6, 3000, 3000); }, 0,
         "result"},
        {"coil over a resistor at 50 Hz", [](CircuitModel& m) { drawing::stack(m, 1, 6); }, 50,
         "result"},
        {"nothing placed", [](CircuitModel&) {}, 50, "NoPartPlacedError"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        c.draw(model);
        model.slotValue.fill(1e-3);
        const std::string plan =
            outcomeOf([&] { return fieldsOf(ReductionPlan(model).evaluate(c.frequency)); });
        EXPECT_EQ(plan, calculated(model, c.frequency, true));
        EXPECT_EQ(plan.substr(0, plan.find(' ')), c.outcome);
    }
}

}  // namespace
