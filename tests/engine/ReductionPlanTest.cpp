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

TEST(ReductionPlanTest, EachLaneOfABlockFailsOrSucceedsOnItsOwn) {
    // Frequencies that fail (0 Hz for a capacitor, 1e300 Hz, 25 Hz for the large coil) between
    // ones that do not, in runs shorter than a block, as long as one, and over its end.
    const double cycle[] = {50, 0, 1e-3, 1e300, 7e5, 1e-300, 20, 25};
    std::vector<CircuitModel> models;
    CircuitModel coil = drawing::emptyModel();
    drawing::placeValuedPart(coil, 6, 3000, 3000, 1e152);  // |Z|² overflows above about 21 Hz
    models.push_back(coil);
    oracle::DrawingGenerator generator(7);
    std::array<int, oracle::kShapeCount> shapes{};
    for (int i = 0; i < 6; ++i) models.push_back(generator.next(shapes).model);
    Tally tally;
    for (const std::size_t count : {1, 3, 64, 65, 131}) {
        std::vector<double> frequencies(count);
        for (std::size_t i = 0; i < count; ++i) frequencies[i] = cycle[(i * 5 + i / 8) % 8];
        for (const CircuitModel& model : models) {
            SCOPED_TRACE(testing::Message() << count << " frequencies");
            expectPlanMatchesCalculate(model, frequencies, tally);
        }
    }
    EXPECT_GT(tally.results, 500);
    EXPECT_GT(tally.faults, 200);
}

TEST(ReductionPlanTest, ShownValuesAtTheEdgesOfTheirRounding) {
    const struct {
        double re, im, unitFactor;
    } rows[] = {
        {-0.0005, 0.0005, 1},                          // half up lands on 0 from both sides
        {-0.0004999, 0.0004999, 1},                    // just short of it
        {-2.5e-4, -1.5e-3, 1},                         // below 0 by less than a thousandth
        {4503599627370.4955, -4503599627370.4955, 1},  // near 2^52 thousandths
        {139668670261984.78, -34970035959034.508, 1},  // beyond it, where adding 2^52 rounds
        {1e300, -1e300, 1e-3},                         // huge, and still shown
        {1e-320, -1e-320, 1},                          // subnormal
        {0, 5, 1},
        {0, -5, 1},
        {0, 0, 1},          // on the imaginary axis: fixed angles
        {1e-300, 1e10, 1},  // a phase whose quotient overflows
        {1, 1, 1e306},      // shown values that overflow while Z does not
        {1e306, 0, 1},      // |Z| shown: its thousandths overflow
    };
    Tally tally;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.re << " + j" << row.im << ", unit " << row.unitFactor);
        CircuitModel model = drawing::emptyModel();
        drawing::placeValuedPart(model, 16, 3000, 3000, row.re, row.im);
        model.resultUnitFactor = row.unitFactor;
        expectPlanMatchesCalculate(model, {50}, tally);
    }
    EXPECT_GT(tally.results, 8);
    EXPECT_GT(tally.faults, 1);
}

}  // namespace
