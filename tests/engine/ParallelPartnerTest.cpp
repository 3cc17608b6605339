#include <gtest/gtest.h>

#include <vector>

#include "engine/ParallelPartner.h"
#include "tests/engine/DrawingBuilder.h"

using drawing::LineAt;
using drawing::PartAt;

namespace {

// The basic pair: slot 2 below with its left terminal at (1000, 3000), slot 7 one line length
// higher, right line 3 from (2110, 2025) down to (2110, 3000), left line 5 at x 1000.
const PartAt kLower{2, 1000, 3000};
const PartAt kUpper{7, 1000, 2025};
const LineAt kRightLine{3, 2110, 2025};
const LineAt kLeftLine{5, 1000, 2025};

const std::vector<PartAt> kThreeStacked = {{1, 1000, 3000}, {12, 1000, 2025}, {17, 1000, 1050}};
const std::vector<LineAt> kThreeStackedLines = {
    {2, 2110, 2025}, {4, 1000, 2025}, {6, 2110, 1050}, {8, 1000, 1050}};

LineAt shifted(LineAt line, double dx, double dy) {
    return {line.n, line.x + dx, line.y + dy};
}

struct PairCase {
    const char* name;
    std::vector<PartAt> parts;
    std::vector<LineAt> vLines;
    int p;
    int partner;
    int rightLine;  // rightJoinLine after FindPartAbove
    int leftLine;
};

// Each row: drawing, p, then partner, rightJoinLine and leftJoinLine as FindPartAbove leaves them.
const std::vector<PairCase>& pairCases() {
    // clang-format off
    static const std::vector<PairCase> cases = {
        {"no line at p's right terminal", {kLower, kUpper}, {kLeftLine}, 2, 0, 0, 0},
        {"line up from p reaches no part", {kLower}, {kRightLine}, 2, 0, 3, 0},
        {"closed pair, asked from below", {kLower, kUpper}, {kRightLine, kLeftLine}, 2, 7, 3, 5},
        {"closed pair, asked from above", {kLower, kUpper}, {kRightLine, kLeftLine}, 7, 0, 0, 0},
        {"left line ends 300 above p's left terminal",
         {kLower, {7, 1000, 1875}}, {kRightLine, {5, 1000, 1725}}, 2, 0, 3, 0},

        {"right line 200 off on both axes",
         {kLower, kUpper}, {shifted(kRightLine, 200, -200), kLeftLine}, 2, 7, 3, 5},
        {"right line 200.5 right",
         {kLower, kUpper}, {shifted(kRightLine, 200.5, 0), kLeftLine}, 2, 0, 0, 0},
        {"right line 200.5 low",
         {kLower, kUpper}, {shifted(kRightLine, 0, 200.5), kLeftLine}, 2, 0, 0, 0},
        {"left line 200 off on both axes",
         {kLower, kUpper}, {kRightLine, shifted(kLeftLine, -200, 200)}, 2, 7, 3, 5},
        {"left line 200.5 high",
         {kLower, kUpper}, {kRightLine, shifted(kLeftLine, 0, -200.5)}, 2, 0, 3, 0},

        // Two lines leave p's right terminal: the one at x 2260 leads to slot 8, which no left
        // line closes; the one at x 1960 to slot 7, closed by line 5 at x 850.
        {"first right line leads to an open part",
         {kLower, {8, 1300, 2025}, {7, 700, 2025}},
         {{1, 2260, 2025}, {3, 1960, 2025}, {5, 850, 2025}}, 2, 0, 1, 0},
        {"first right line leads to the closed part",
         {kLower, {8, 1300, 2025}, {7, 700, 2025}},
         {{3, 2260, 2025}, {1, 1960, 2025}, {5, 850, 2025}}, 2, 7, 1, 5},
        // Two parts at the top of the right line; only the one at x 850 is closed by line 5.
        {"lowest slot at the line's top is open",
         {kLower, {6, 1150, 2025}, {9, 850, 2025}}, {kRightLine, {5, 850, 2025}}, 2, 0, 3, 0},
        {"lowest slot at the line's top is closed",
         {kLower, {9, 1150, 2025}, {6, 850, 2025}}, {kRightLine, {5, 850, 2025}}, 2, 6, 3, 5},
        // The partner stands 150 right of p; the left line at x 1300 reaches only the partner,
        // the one at x 1075 both.
        {"first left line misses p",
         {kLower, {7, 1150, 2025}}, {{3, 2185, 2025}, {1, 1300, 2025}, {4, 1075, 2025}},
         2, 0, 3, 0},
        {"first left line closes the pair",
         {kLower, {7, 1150, 2025}}, {{3, 2185, 2025}, {4, 1300, 2025}, {1, 1075, 2025}},
         2, 7, 3, 1},

        {"three stacked, from the bottom", kThreeStacked, kThreeStackedLines, 1, 12, 2, 4},
        {"three stacked, from the middle", kThreeStacked, kThreeStackedLines, 12, 17, 6, 8},
        {"three stacked, from the top", kThreeStacked, kThreeStackedLines, 17, 0, 0, 0},
    };
    // clang-format on
    return cases;
}

// Upside down around y = 3000: what was above is below, and each vertical line's top end takes
// the place of its bottom end.
std::vector<PartAt> mirrored(const std::vector<PartAt>& parts) {
    std::vector<PartAt> result;
    for (const PartAt& part : parts) result.push_back({part.slot, part.x, 6000 - part.y});
    return result;
}
std::vector<LineAt> mirrored(const std::vector<LineAt>& lines) {
    std::vector<LineAt> result;
    for (const LineAt& line : lines) result.push_back({line.n, line.x, 6000 - line.y - 975});
    return result;
}

TEST(FindPartAboveTest, FindsTheClosedPartnerAndReportsItsLines) {
    for (const PairCase& c : pairCases()) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::searchReady(c.parts, c.vLines);
        model.partAbove = model.rightJoinLine = model.leftJoinLine = 9;
        FindPartAbove(model, static_cast<std::int16_t>(c.p));
        EXPECT_EQ(model.partAbove, c.partner);
        EXPECT_EQ(model.rightJoinLine, c.rightLine);
        EXPECT_EQ(model.leftJoinLine, c.leftLine);
    }
}

TEST(FindPartBelowTest, MirrorsFindPartAboveAndWritesOnlyThePartner) {
    for (const PairCase& c : pairCases()) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::searchReady(mirrored(c.parts), mirrored(c.vLines));
        model.partBelow = 9;
        model.partAbove = model.rightJoinLine = model.leftJoinLine = 4;
        FindPartBelow(model, static_cast<std::int16_t>(c.p));
        EXPECT_EQ(model.partBelow, c.partner);
        EXPECT_EQ(model.partAbove, 4);
        EXPECT_EQ(model.rightJoinLine, 4);
        EXPECT_EQ(model.leftJoinLine, 4);
    }
}

TEST(ParallelPartnerTest, SlotNumbersOutsideThePartsChangeNothing) {
    // Unplaced slots and lines all sit at (0, 0); a search that ran for slot 0 would pair it
    // with them.
    for (const int p : {0, 21, -1}) {
        SCOPED_TRACE(p);
        CircuitModel model = drawing::searchReady({kLower, kUpper}, {kRightLine, kLeftLine});
        model.partAbove = 5, model.rightJoinLine = 6, model.leftJoinLine = 7;
        model.partBelow = 8;
        FindPartAbove(model, static_cast<std::int16_t>(p));
        FindPartBelow(model, static_cast<std::int16_t>(p));
        EXPECT_EQ(model.partAbove, 5);
        EXPECT_EQ(model.rightJoinLine, 6);
        EXPECT_EQ(model.leftJoinLine, 7);
        EXPECT_EQ(model.partBelow, 8);
    }
}

}  // namespace
