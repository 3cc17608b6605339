#include "response/LinearScale.h"

#include <QCategoryAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "results/NumberLabels.h"

namespace {

// Share of a range added at each end, so that no curve runs along the frame.
constexpr double kPadding = 0.05;
// Values whose distance from 0 is at most this share of the range shown reach it.
constexpr double kNearZero = 0.25;
constexpr double kFewestTicks = 4;
// The shortest label that still tells ticks apart is never shorter than this.
constexpr int kLeastDigits = 3;

AxisRange reachingZero(AxisRange range) {
    if (range.low > 0 && range.low <= range.length() * kNearZero) range.low = 0;
    if (range.high < 0 && -range.high <= range.length() * kNearZero) range.high = 0;
    return range;
}

// Grown to `length`, away from 0 when the values keep to one side of it, and shifted to reach 0
// when they then lie close to it and still fit.
AxisRange grown(AxisRange range, double length) {
    if (range.low >= 0) {
        const bool shift = range.low <= length * kNearZero && range.high <= length;
        return shift ? AxisRange{0, length} : AxisRange{range.low, range.low + length};
    }
    if (range.high <= 0) {
        const bool shift = -range.high <= length * kNearZero && -range.low <= length;
        return shift ? AxisRange{-length, 0} : AxisRange{range.high - length, range.high};
    }
    const double extra = (length - range.length()) / 2;
    return {range.low - extra, range.high + extra};
}

}  // namespace

AxisRange paddedRange(Span span) {
    if (span.empty()) return {-1, 1};
    double room = (span.high - span.low) * kPadding;
    if (room == 0) room = span.high != 0 ? std::fabs(span.high) * 2 * kPadding : 1;
    AxisRange range{span.low - room, span.high + room};
    if (span.low >= 0 && span.high > 0) range.low = std::max(range.low, 0.0);
    if (span.high <= 0 && span.low < 0) range.high = std::min(range.high, 0.0);
    return reachingZero(range);
}

std::pair<AxisRange, AxisRange> equalScale(AxisRange across, AxisRange up, QSizeF plot) {
    if (plot.isEmpty()) return {across, up};
    const double perPixel = std::max(across.length() / plot.width(), up.length() / plot.height());
    return {grown(across, perPixel * plot.width()), grown(up, perPixel * plot.height())};
}

std::vector<double> linearTicks(double low, double high) {
    if (!(high > low)) return {low};
    // The largest step of 1, 2 or 5 times a power of ten that leaves enough ticks.
    const double decade = std::pow(10.0, std::floor(std::log10((high - low) / kFewestTicks)));
    double step = decade;
    for (double m : {5.0, 2.0, 1.0})
        if ((high - low) / (m * decade) >= kFewestTicks) {
            step = m * decade;
            break;
        }
    std::vector<double> ticks;
    // Whole multiples of the step, so that 0 is exactly 0.
    for (double n = std::ceil(low / step); n * step <= high; ++n) ticks.push_back(n * step);
    return ticks;
}

void labelLinearAxis(QCategoryAxis* axis, AxisRange range) {
    if (axis->count() > 0 && axis->min() == range.low && axis->max() == range.high) return;
    for (const QString& old : axis->categoriesLabels()) axis->remove(old);
    axis->setRange(range.low, range.high);
    axis->setStartValue(range.low);
    const std::vector<double> ticks = linearTicks(range.low, range.high);
    const double largest = std::max(std::fabs(range.low), std::fabs(range.high));
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : largest;
    const int digits = std::max(kLeastDigits, int(std::ceil(std::log10(largest / step))) + 1);
    for (double tick : ticks) axis->append(siCompact(tick, digits), tick);
}
