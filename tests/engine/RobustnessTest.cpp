// Random drawings written straight into the model, without the editor's regularity: lines of any
// length and direction, terminals anywhere, values and frequencies from zero to the edges of the
// double range. The calculation must end, and either give finite results or throw one of its
// two errors.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/NoPartPlacedError.h"
#include "tests/engine/RandomDrawing.h"

namespace {

constexpr int kDrawingCount = 20000;

TEST(RobustnessTest, RandomDrawingsEndWithAResultOrAnEngineError) {
    RandomDrawing generator(7);
    int results = 0, arithmeticErrors = 0, noPart = 0, networks = 0;
    for (int i = 0; i < kDrawingCount; ++i) {
        SCOPED_TRACE(testing::Message() << "drawing " << i);
        CircuitModel model = generator.next();
        try {
            Calculate(model);
        } catch (const ArithmeticError&) {
            ++arithmeticErrors;
            continue;
        } catch (const NoPartPlacedError&) {
            ++noPart;
            continue;
        }
        ++results;
        for (const double value : {model.resultRe, model.resultIm, model.shownAbs, model.shownRe,
                                   model.shownIm, model.phaseAngle})
            ASSERT_TRUE(std::isfinite(value));
        EXPECT_LE(std::fabs(model.phaseAngle), 90.0);
        EXPECT_EQ(model.slotMarked[0], 0);
        int marked = 0;
        for (int s = 1; s <= kSlotCount; ++s) marked += model.slotMarked[s];
        if (marked >= 2) ++networks;
    }
    // Each outcome must be common enough that the drawings really exercise it.
    EXPECT_GT(results, kDrawingCount / 10);
    EXPECT_GT(networks, kDrawingCount / 20);
    EXPECT_GT(arithmeticErrors, kDrawingCount / 20);
    EXPECT_GT(noPart, 0);
    std::cout << "[ robust   ] " << results << " results (" << networks << " of several parts), "
              << arithmeticErrors << " arithmetic errors, " << noPart << " without a part\n";
}

}  // namespace
