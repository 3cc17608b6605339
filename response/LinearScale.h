#pragma once

#include <QSizeF>
#include <utility>
#include <vector>

#include "response/PointRuns.h"

class QCategoryAxis;

// The linear axes of the response charts: the range shown for a span of values, the same length
// of an ohm on both axes of the Nyquist plot, and labels at round numbers with SI prefixes, which
// Qt's value axis, taking only a printf format, cannot write.

struct AxisRange {
    double low = 0;
    double high = 0;

    double length() const { return high - low; }
    bool operator==(const AxisRange&) const = default;
};

// Values from span.low to span.high with room at each end. The room never takes the range across
// 0 when the values keep to one side of it; a range whose values come close to 0, next to their
// own spread, reaches it, so that the origin shows only where the values need it.
AxisRange paddedRange(Span span);

// The two ranges, each grown so that a unit is as many pixels long across as up on a plot of
// `plot` pixels. A range on one side of 0 grows away from it, and reaches it when it is then
// close to it.
std::pair<AxisRange, AxisRange> equalScale(AxisRange across, AxisRange up, QSizeF plot);

// Round values from low to high, a step of 1, 2 or 5 times a power of ten apart.
std::vector<double> linearTicks(double low, double high);

// Sets the axis to the range and labels each tick "2M", "500k", "-1.5m" with as many digits as
// tell neighbouring ticks apart; a range labelled already is left as it is.
void labelLinearAxis(QCategoryAxis* axis, AxisRange range);
