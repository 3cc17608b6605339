#include "engine/FindNextInSeries.h"

#include "engine/JoinWindow.h"

namespace {

// A vertical line accepts points from t above its top end to t below its bottom end, at its
// top end's X.
JoinWindow alongVerticalLine(const CircuitModel& model, int m) {
    return spanWindow(model.vLineTopX[m], model.vLineTopY[m], model.vLineBottomY[m],
                      model.joinTolerance);
}

std::int16_t firstVerticalLineThrough(const CircuitModel& model, double x, double y) {
    for (std::int16_t m = 1; m <= kLinesPerKind; ++m)
        if (alongVerticalLine(model, m).contains(x, y)) return m;
    return 0;
}

bool isSlotIndex(int s) {
    return s >= 0 && s <= kSlotCount;
}

}  // namespace

void FindNextInSeries(CircuitModel& model) {
    const int top = model.columnTop;
    const int bottom = model.columnBottom;
    // The driver only ever passes slots; anything else has no left side to continue from.
    if (!isSlotIndex(top) || !isSlotIndex(bottom)) {
        model.seriesPart = 0;
        return;
    }
    const float t = model.joinTolerance;

    std::int16_t loneLine = 0;
    if (top == bottom)
        loneLine = firstVerticalLineThrough(model, model.partLeftX[top], model.partLeftY[top]);

    // The left side runs from t above the top part's left terminal to t below the bottom part's,
    // always at the top part's X.
    const JoinWindow leftSide =
        spanWindow(model.partLeftX[top], model.partLeftY[top], model.partLeftY[bottom], t);
    const std::int16_t h = firstHLineRightEndIn(model, leftSide);

    // A horizontal line decides the route even when it leads nowhere, and a vertical line at its
    // left end rules out the part at that end.
    if (h != 0) {
        const std::int16_t m =
            firstVerticalLineThrough(model, model.hLineLeftX[h], model.hLineLeftY[h]);
        model.seriesPart = firstRightTerminalIn(
            model, m != 0 ? alongVerticalLine(model, m)
                          : pointWindow(model.hLineLeftX[h], model.hLineLeftY[h], t));
    } else if (loneLine != 0) {
        model.seriesPart = firstRightTerminalIn(model, alongVerticalLine(model, loneLine));
    } else {
        model.seriesPart = firstRightTerminalIn(model, leftSide);
    }
}
