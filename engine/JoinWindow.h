#pragma once

#include <cstdint>

#include "engine/CheckedMath.h"
#include "model/CircuitModel.h"

// The window in which a point counts as joined to a reference: per axis, both bounds inclusive.
// Bounds are formed before any point is compared with them, each in the precision of the
// coordinate it comes from: a bound from a single-precision coordinate is rounded to a float, so
// a point half a unit inside the double-precision bound can still fall outside.
struct JoinWindow {
    double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;

    bool contains(double x, double y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};

inline double lowerBound(double coordinate, float tolerance) {
    return checked(coordinate - tolerance);
}
inline double upperBound(double coordinate, float tolerance) {
    return checked(coordinate + tolerance);
}
inline double lowerBound(float coordinate, float tolerance) {
    const float bound = coordinate - tolerance;
    return checked(bound);
}
inline double upperBound(float coordinate, float tolerance) {
    const float bound = coordinate + tolerance;
    return checked(bound);
}

// A vertical stretch from (x, yTop) to (x, yBottom), widened by the tolerance on every side.
template <typename X, typename YTop, typename YBottom>
JoinWindow spanWindow(X x, YTop yTop, YBottom yBottom, float tolerance) {
    JoinWindow window;
    window.left = lowerBound(x, tolerance);
    window.right = upperBound(x, tolerance);
    window.top = lowerBound(yTop, tolerance);
    window.bottom = upperBound(yBottom, tolerance);
    return window;
}

// The join test's square around one reference point.
template <typename X, typename Y>
JoinWindow pointWindow(X x, Y y, float tolerance) {
    return spanWindow(x, y, y, tolerance);
}

// The scans every search is made of: the lowest-numbered element in the window wins; 0 when none
// is inside. A free slot is never a candidate: its terminals sit at (0, 0), where a line dragged
// into the window's corner would otherwise pull a removed part's stale value into the result.
// Lines need no such rule, since a free line at (0, 0) can lead to no placed part.
inline std::int16_t firstRightTerminalIn(const CircuitModel& model, const JoinWindow& window) {
    for (std::int16_t s = 1; s <= kSlotCount; ++s)
        if (model.slotUsed[s] != 0 && window.contains(model.partRightX[s], model.partRightY[s]))
            return s;
    return 0;
}

inline std::int16_t firstHLineRightEndIn(const CircuitModel& model, const JoinWindow& window) {
    for (std::int16_t n = 1; n <= kLinesPerKind; ++n)
        if (window.contains(model.hLineRightX[n], model.hLineRightY[n])) return n;
    return 0;
}
