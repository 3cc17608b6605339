#include <gtest/gtest.h>

#include <vector>

#include "engine/FindBypassPart.h"
#include "tests/engine/DrawingBuilder.h"

using drawing::LineAt;
using drawing::PartAt;

namespace {

// Open line 1 rises from (6110, 3000) to its top end T = (6110, 2025). Horizontal lines are 615
// long, so a route of one line ends at x 5495 and one of two at x 4880.
const LineAt kOpenLine{1, 6110, 2025};

PartAt rightTerminalAt(int slot, double x, double y) {
    return {slot, x - 1110, y};
}

struct BypassCase {
    const char* name;
    int openLine;
    int expectedPart;
    int expectedOpenLine;
    std::vector<PartAt> parts;
    std::vector<LineAt> hLines;
};

TEST(FindBypassPartTest, FollowsTheOpenLineUpAndThenLeft) {
    // clang-format off
    const BypassCase cases[] = {
        {"nothing at the top", 1, 0, 1, {}, {}},
        {"part at the top", 1, 3, 0, {rightTerminalAt(3, 6010, 2175)}, {}},
        {"part 200 off the top on both axes", 1, 3, 0, {rightTerminalAt(3, 6310, 1825)}, {}},
        {"part 200.5 below the top", 1, 0, 1, {rightTerminalAt(3, 6110, 2225.5)}, {}},
        {"part 200.5 left of the top", 1, 0, 1, {rightTerminalAt(3, 5909.5, 2025)}, {}},
        {"part at the top wins over a horizontal route", 1, 3, 0,
         {rightTerminalAt(3, 6110, 2025), rightTerminalAt(2, 5495, 2025)}, {{1, 5495, 2025}}},
        {"one horizontal line", 1, 7, 0, {rightTerminalAt(7, 5495, 2025)}, {{4, 5495, 2025}}},
        {"two horizontal lines", 1, 12, 0,
         {rightTerminalAt(12, 4880, 2025)}, {{4, 5495, 2025}, {2, 4880, 2025}}},
        {"part after one line wins over a lower slot after two", 1, 14, 0,
         {rightTerminalAt(12, 4880, 2025), rightTerminalAt(14, 5495, 2025)},
         {{4, 5495, 2025}, {2, 4880, 2025}}},
        {"three horizontal lines are too many", 1, 0, 1,
         {rightTerminalAt(12, 4265, 2025)}, {{4, 5495, 2025}, {2, 4880, 2025}, {6, 4265, 2025}}},
        // Both lines end within 150 of T; only the one at y 1875 leads to part 9.
        {"lower-numbered of two lines at the top leads nowhere", 1, 0, 1,
         {rightTerminalAt(9, 5495, 1725)}, {{1, 5495, 2175}, {3, 5495, 1875}}},
        {"lower-numbered of two lines at the top leads to the part", 1, 9, 0,
         {rightTerminalAt(9, 5495, 1725)}, {{3, 5495, 2175}, {1, 5495, 1875}}},
        // Every unplaced slot has its right terminal at (0, 0), the top of line 0.
        {"no open line", 0, 0, 0, {rightTerminalAt(3, 6110, 2025)}, {}},
        {"line number past the last line", 11, 0, 11, {rightTerminalAt(3, 6110, 2025)}, {}},
    };
    // clang-format on
    for (const BypassCase& c : cases) {
        SCOPED_TRACE(c.name);
        CircuitModel model = drawing::searchReady(c.parts, {kOpenLine}, c.hLines);
        model.openLineUp = static_cast<std::int16_t>(c.openLine);
        model.bypassPart = 13;
        FindBypassPart(model);
        EXPECT_EQ(model.bypassPart, c.expectedPart);
        EXPECT_EQ(model.openLineUp, c.expectedOpenLine);
    }
}

}  // namespace
