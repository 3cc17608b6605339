#include <gtest/gtest.h>

#include <vector>

#include "engine/FindNextInSeries.h"
#include "tests/engine/DrawingBuilder.h"

using drawing::LineAt;
using drawing::PartAt;

namespace {

// Left terminals: the column's single part 1 at (5000, 3000); for two-part columns part 2 above
// it at (5000, 2025). A part "at" a point below is given by its left terminal, 1110 to the left
// of its right terminal.
const PartAt kLone{1, 5000, 3000};
const PartAt kTop{2, 5000, 2025};

PartAt rightTerminalAt(int slot, double x, double y) {
    return {slot, x - 1110, y};
}

struct SeriesCase {
    const char* name;
    int columnTop, columnBottom;
    int expected;  // seriesPart
    std::vector<PartAt> parts;
    std::vector<LineAt> vLines;
    std::vector<LineAt> hLines;
};

TEST(FindNextInSeriesTest, FollowsTheFirstRouteThatApplies) {
    // clang-format off
    const SeriesCase cases[] = {
        {"nothing to the left", 1, 1, 0, {kLone}, {}, {}},
        {"right terminal touching the left side", 1, 1, 6,
         {kLone, rightTerminalAt(6, 4900, 3150)}, {}, {}},
        {"lowest slot among two touching parts", 1, 1, 3,
         {kLone, rightTerminalAt(7, 4900, 3000), rightTerminalAt(3, 5100, 3000)}, {}, {}},
        {"left side reaches 200 below the bottom part", 2, 1, 11,
         {kTop, kLone, rightTerminalAt(11, 4850, 3200)}, {}, {}},
        {"left side ends before 200.5 above the top part", 2, 1, 0,
         {kTop, kLone, rightTerminalAt(11, 4850, 1824.5)}, {}, {}},
        {"left side X is the top part's, not the bottom part's", 2, 1, 0,
         {kTop, {1, 5300, 3000}, rightTerminalAt(11, 5250, 3000)}, {}, {}},
        {"left side is 200 wide on each side of the top part's X", 2, 1, 11,
         {kTop, {1, 5300, 3000}, rightTerminalAt(11, 5200, 3000)}, {}, {}},

        {"horizontal line leading nowhere hides a touching part", 1, 1, 0,
         {kLone, rightTerminalAt(6, 4900, 3000)}, {}, {{1, 4385, 3000}}},
        {"horizontal line straight to a part", 1, 1, 13,
         {kLone, rightTerminalAt(13, 4485, 2850)}, {}, {{2, 4385, 3000}}},
        // Vertical line 3 runs from (4385, 2500) to (4385, 3475) through the line's left end.
        {"horizontal line on to a part 200 above a vertical line", 1, 1, 8,
         {kLone, rightTerminalAt(8, 4385, 2300)}, {{3, 4385, 2500}}, {{2, 4385, 3000}}},
        {"horizontal line on to the lowest slot along a vertical line", 1, 1, 4,
         {kLone, rightTerminalAt(8, 4385, 2300), rightTerminalAt(4, 4385, 3675)},
         {{3, 4385, 2500}}, {{2, 4385, 3000}}},
        {"part 200.5 beyond the vertical line's end", 1, 1, 0,
         {kLone, rightTerminalAt(8, 4385, 2299.5)}, {{3, 4385, 2500}}, {{2, 4385, 3000}}},
        {"vertical line at the left end rules out the part at that end", 1, 1, 0,
         {kLone, rightTerminalAt(9, 4235, 3000)}, {{3, 4535, 2500}}, {{2, 4385, 3000}}},

        {"lone part on the middle of a vertical line", 1, 1, 12,
         {kLone, rightTerminalAt(12, 5000, 2500)}, {{2, 5000, 2500}}, {}},
        {"horizontal line wins over the lone part's vertical line", 1, 1, 13,
         {kLone, rightTerminalAt(12, 5000, 2500), rightTerminalAt(13, 4385, 3000)},
         {{2, 5000, 2500}}, {{1, 4385, 3000}}},
        {"vertical line route is only for a lone part", 2, 1, 0,
         {kTop, kLone, rightTerminalAt(12, 5000, 1500)}, {{2, 5000, 1500}}, {}},
    };
    // clang-format on
    for (const SeriesCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::searchReady(c.parts, c.vLines, c.hLines);
        model.columnTop = static_cast<std::int16_t>(c.columnTop);
        model.columnBottom = static_cast<std::int16_t>(c.columnBottom);
        model.seriesPart = 17;
        FindNextInSeries(model);
        EXPECT_EQ(model.seriesPart, c.expected);
    }
}

TEST(FindNextInSeriesTest, ColumnOutsideTheSlotsEndsTheWalk) {
    CircuitModel model = drawing::searchReady({kLone, rightTerminalAt(6, 4900, 3000)}, {});
    model.columnTop = 21, model.columnBottom = 1;
    model.seriesPart = 17;
    FindNextInSeries(model);
    EXPECT_EQ(model.seriesPart, 0);
}

}  // namespace
