#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "engine/ArithmeticError.h"
#include "engine/PartImpedance.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

struct ImpedanceCase {
    const char* name;
    int slot;
    double value;  // slotValue for slots 1..15
    double frequency;
    std::optional<Complex> expected;  // empty: raises the arithmetic error
};

TEST(PartImpedanceTest, GivesTheImpedanceOfEachKind) {
    const ImpedanceCase cases[] = {
        {"resistor", 3, 470, 50, Complex{470, 0}},
        {"resistor needs no frequency", 3, 470, 0, Complex{470, 0}},
        {"resistor ignores even an overflowing frequency", 5, 10, 1e308, Complex{10, 0}},
        {"coil, omega = 6.283184 f", 7, 0.01, 50, Complex{0, 3.141592}},
        {"coil at 0 Hz", 9, 0.5, 0, Complex{0, 0}},
        {"coil whose reactance overflows", 6, 1e300, 1e10, std::nullopt},
        {"capacitor", 12, 1e-6, 50, Complex{0, -1 / (1e-6 * 314.1592)}},
        {"capacitor at 0 Hz", 14, 1e-6, 0, std::nullopt},
        {"capacitor of 0 F", 11, 0, 50, std::nullopt},
        {"slot 0", 0, 0, 50, Complex{0, 0}},
        {"slot 21", 21, 0, 50, Complex{0, 0}},
    };
    for (const ImpedanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::emptyModel();
        if (c.slot >= 1 && c.slot <= 15) model.slotValue[c.slot] = c.value;
        model.frequency = c.frequency;
        model.zWork = {-7, -9};
        const auto s = static_cast<std::int16_t>(c.slot);
        if (c.expected) {
            PartImpedance(model, s);
            EXPECT_DOUBLE_EQ(model.zWork.re, c.expected->re);
            EXPECT_DOUBLE_EQ(model.zWork.im, c.expected->im);
        } else {
            EXPECT_THROW(PartImpedance(model, s), ArithmeticError);
        }
    }
}

TEST(PartImpedanceTest, ImpedancePartKeepsItsStoredValueAtAnyFrequency) {
    for (const double frequency : {0.0, 50.0, 1e9}) {
        SCOPED_TRACE(frequency);
        CircuitModel model = drawing::emptyModel();
        model.impPartRe[3] = 10, model.impPartIm[3] = -20;
        model.frequency = frequency;
        PartImpedance(model, 18);
        EXPECT_EQ(model.zWork.re, 10);
        EXPECT_EQ(model.zWork.im, -20);
    }
}

TEST(PartImpedanceTest, FailingCapacitorHasClearedOnlyTheRealPart) {
    CircuitModel model = drawing::emptyModel();
    model.slotValue[13] = 1e-6;
    model.zWork = {5, 7};
    EXPECT_THROW(PartImpedance(model, 13), ArithmeticError);
    EXPECT_EQ(model.zWork.re, 0);
    EXPECT_EQ(model.zWork.im, 7);
}

std::set<int> markedSlots(const CircuitModel& model) {
    std::set<int> marked;
    for (int s = 0; s <= kSlotCount; ++s)
        if (model.slotMarked[s] != 0) marked.insert(s);
    return marked;
}

TEST(MarkPartUsedTest, MarksOnlyTheNamedPart) {
    struct Case {
        int slot;
        std::set<int> marked;
    };
    const Case cases[] = {{1, {1}}, {15, {15}}, {19, {19}}, {20, {20}}, {0, {}}, {21, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        CircuitModel model = drawing::emptyModel();
        MarkPartUsed(model, static_cast<std::int16_t>(c.slot));
        EXPECT_EQ(markedSlots(model), c.marked);
    }
}

TEST(MarkPartUsedTest, LblclrForgetsEveryMarkAlsoOfUnplacedParts) {
    CircuitModel model = drawing::emptyModel();
    for (const std::int16_t s : {1, 8, 20}) MarkPartUsed(model, s);
    lblclr(model);
    EXPECT_EQ(markedSlots(model), std::set<int>{});
}

}  // namespace
