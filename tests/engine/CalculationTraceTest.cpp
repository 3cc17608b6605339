#include "engine/CalculationTrace.h"

#include <gtest/gtest.h>

#include "engine/Calculation.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

using Kind = TraceStep::Kind;

struct ExpectedStep {
    Kind kind;
    std::vector<int> left, right;
    double re;
};

void expectSteps(const CalculationTrace& trace, const std::vector<ExpectedStep>& expected) {
    ASSERT_EQ(trace.steps().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const TraceStep& step = trace.steps()[i];
        EXPECT_EQ(step.kind, expected[i].kind);
        EXPECT_EQ(step.left, expected[i].left);
        EXPECT_EQ(step.right, expected[i].right);
        EXPECT_DOUBLE_EQ(step.value.re, expected[i].re);
    }
}

TEST(CalculationTraceTest, TwoStackedResistorsTakeTheLowerOneFirst) {
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 2, 3600, 3600);
    drawing::placePartAt(model, 1, 3600, 2625);
    drawing::placeVLine(model, 1, 4710, 2625);
    drawing::placeVLine(model, 2, 3600, 2625);
    model.slotValue[1] = model.slotValue[2] = 100;
    CalculationTrace trace;
    Calculate(model, &trace);
    expectSteps(trace, {{Kind::Take, {2}, {}, 100},
                        {Kind::Take, {1}, {}, 100},
                        {Kind::Parallel, {2}, {1}, 50},
                        {Kind::Series, {2, 1}, {}, 50}});
}

TEST(CalculationTraceTest, BridgingPartCombinesWithTheWholeChain) {
    // Resistor 1 starts the walk; a line rises from its right terminal to the right terminal of
    // resistor 3, which bridges the chain of 1 and of resistor 2 to its left.
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 1, 5000, 3000);
    drawing::placePartAt(model, 2, 3890, 3000);
    drawing::placePartAt(model, 3, 5000, 2025);
    drawing::placeVLine(model, 1, 6110, 2025);
    model.slotValue[1] = model.slotValue[2] = 100;
    model.slotValue[3] = 200;
    CalculationTrace trace;
    Calculate(model, &trace);
    expectSteps(trace, {{Kind::Take, {1}, {}, 100},
                        {Kind::Series, {1}, {}, 100},
                        {Kind::Take, {2}, {}, 100},
                        {Kind::Series, {2}, {1}, 200},
                        {Kind::Take, {3}, {}, 200},
                        {Kind::Bypass, {1, 2}, {3}, 100}});
    EXPECT_EQ(trace.seriesParts(), (std::vector<int>{1, 2}));
    EXPECT_DOUBLE_EQ(model.resultRe, 100);
}

TEST(CalculationTraceTest, TracingChangesNothingInTheResult) {
    CircuitModel traced = drawing::emptyModel();
    drawing::placePartAt(traced, 7, 5000, 3000);
    drawing::placePartAt(traced, 12, 3890, 3000);
    traced.slotValue[7] = 0.1, traced.slotValue[12] = 1e-5, traced.frequency = 50;
    CircuitModel plain = traced;
    CalculationTrace trace;
    Calculate(traced, &trace);
    Calculate(plain);
    EXPECT_EQ(traced.resultRe, plain.resultRe);
    EXPECT_EQ(traced.resultIm, plain.resultIm);
    EXPECT_EQ(traced.slotMarked, plain.slotMarked);
    EXPECT_EQ(trace.steps().back().value.im, plain.resultIm);
}

}  // namespace
