#include "engine/ParallelPartner.h"

#include "engine/JoinWindow.h"

namespace {

enum class LineEnd { Top, Bottom };

LineEnd opposite(LineEnd end) {
    return end == LineEnd::Top ? LineEnd::Bottom : LineEnd::Top;
}

// The bottom end's Y is held as a single, so its window bounds are single too.
JoinWindow windowAtLineEnd(const CircuitModel& model, int n, LineEnd end) {
    if (end == LineEnd::Top)
        return pointWindow(model.vLineTopX[n], model.vLineTopY[n], model.joinTolerance);
    return pointWindow(model.vLineBottomX[n], model.vLineBottomY[n], model.joinTolerance);
}

bool lineEndIn(const CircuitModel& model, int n, LineEnd end, const JoinWindow& window) {
    if (end == LineEnd::Top) return window.contains(model.vLineTopX[n], model.vLineTopY[n]);
    return window.contains(model.vLineBottomX[n], model.vLineBottomY[n]);
}

struct Partner {
    std::int16_t slot = 0;
    std::int16_t leftLine = 0;
};

// One search serves both directions: nearEnd is the end of each vertical line that must sit at
// p's terminals (the bottom end when looking up), the other end at the partner's. Every search
// keeps its first match and nothing is retried when a later step fails. rightLine is written as
// soon as the line is found, so a fault further on leaves it set.
Partner findStackPartner(CircuitModel& model, std::int16_t p, LineEnd nearEnd,
                         std::int16_t& rightLine) {
    const LineEnd farEnd = opposite(nearEnd);
    const float t = model.joinTolerance;
    // p's own terminals come from its kind's tables; the driver keeps them equal to the
    // combined tables during a calculation.
    const KindTerminals own = model.terminals(kindOfSlot(p));
    const int k = indexInKind(p);

    rightLine = 0;
    const JoinWindow atOwnRight = pointWindow(own.rightX[k], own.rightY[k], t);
    std::int16_t i = 0;
    for (std::int16_t n = 1; n <= kLinesPerKind && i == 0; ++n)
        if (lineEndIn(model, n, nearEnd, atOwnRight)) i = n;
    if (i == 0) return {};
    rightLine = i;

    const JoinWindow atLineFar = windowAtLineEnd(model, i, farEnd);
    const std::int16_t j = firstRightTerminalIn(model, atLineFar);
    if (j == 0) return {};

    const JoinWindow atPartnerLeft = pointWindow(model.partLeftX[j], model.partLeftY[j], t);
    std::int16_t leftLine = 0;
    for (std::int16_t n = 1; n <= kLinesPerKind && leftLine == 0; ++n)
        if (lineEndIn(model, n, farEnd, atPartnerLeft)) leftLine = n;
    if (leftLine == 0) return {};

    if (!windowAtLineEnd(model, leftLine, nearEnd).contains(own.leftX[k], own.leftY[k])) return {};
    return {j, leftLine};
}

}  // namespace

void FindPartAbove(CircuitModel& model, std::int16_t p) {
    if (!isPartSlot(p)) return;
    const Partner above = findStackPartner(model, p, LineEnd::Bottom, model.rightJoinLine);
    model.partAbove = above.slot;
    model.leftJoinLine = above.leftLine;
}

void FindPartBelow(CircuitModel& model, std::int16_t p) {
    if (!isPartSlot(p)) return;
    std::int16_t rightLine = 0;
    model.partBelow = findStackPartner(model, p, LineEnd::Top, rightLine).slot;
}
