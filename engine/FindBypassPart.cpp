#include "engine/FindBypassPart.h"

#include "engine/JoinWindow.h"

namespace {

JoinWindow atLeftEnd(const CircuitModel& model, int h) {
    return pointWindow(model.hLineLeftX[h], model.hLineLeftY[h], model.joinTolerance);
}

// Each stage keeps its first match only: one line h1 is tried, and a part at the end of a shorter
// route wins over a longer one.
std::int16_t partAtEndOfRoute(const CircuitModel& model, int openLine) {
    const JoinWindow atTop =
        pointWindow(model.vLineTopX[openLine], model.vLineTopY[openLine], model.joinTolerance);
    if (const std::int16_t direct = firstRightTerminalIn(model, atTop)) return direct;

    const std::int16_t h1 = firstHLineRightEndIn(model, atTop);
    if (h1 == 0) return 0;
    if (const std::int16_t viaOne = firstRightTerminalIn(model, atLeftEnd(model, h1)))
        return viaOne;

    const std::int16_t h2 = firstHLineRightEndIn(model, atLeftEnd(model, h1));
    if (h2 == 0) return 0;
    return firstRightTerminalIn(model, atLeftEnd(model, h2));
}

}  // namespace

void FindBypassPart(CircuitModel& model) {
    model.bypassPart = 0;
    // The driver calls this only with an open line; line 0 would stand for the corner (0, 0),
    // where every unplaced part and line lies.
    if (model.openLineUp < 1 || model.openLineUp > kLinesPerKind) return;
    const std::int16_t found = partAtEndOfRoute(model, model.openLineUp);
    if (found == 0) return;
    model.openLineUp = 0;
    model.bypassPart = found;
}
