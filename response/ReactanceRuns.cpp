#include "response/ReactanceRuns.h"

#include <cmath>
#include <optional>

#include "response/MeasuredPlaces.h"
#include "response/PointRuns.h"

namespace {

// The axis shows at most this many decades: X passes through 0 at a resonance, and the sweep
// point nearest it would otherwise squeeze the rest of the curves to a line.
constexpr double kLogDecades = 8;
// Decades added below and above before the axis is widened to whole decades, so that no curve
// runs along the frame.
constexpr double kRoom = 0.1;

template <typename Value>
std::vector<QList<QPointF>> logRuns(const std::vector<SweepPoint>& points, Value value) {
    return runsOf(points, [&](const SweepPoint& p) -> std::optional<QPointF> {
        const double v = value(p);
        if (!(v > 0)) return std::nullopt;
        return QPointF(std::log10(p.frequency), std::log10(v));
    });
}

std::vector<QList<QPointF>> logMeasured(const std::vector<ShownMeasurement>& measured,
                                        double Complex::*component, double unitFactor) {
    return placesOf(measured, [&](const MeasuredPoint& p) -> std::optional<QPointF> {
        const double v = std::fabs(p.z.*component) * unitFactor;
        if (!(v > 0)) return std::nullopt;
        return QPointF(std::log10(p.frequency), std::log10(v));
    });
}

// The runs with the places below `floor` cut out.
void cutBelow(std::vector<QList<QPointF>>& runs, double floor) {
    std::vector<QList<QPointF>> kept;
    for (const QList<QPointF>& run : runs) {
        bool open = false;
        for (const QPointF& p : run) {
            if (p.y() < floor) {
                open = false;
                continue;
            }
            if (!open) kept.emplace_back(), open = true;
            kept.back().append(p);
        }
    }
    runs = std::move(kept);
}

}  // namespace

ReactanceRuns linearReactanceRuns(const std::vector<SweepPoint>& points,
                                  const std::vector<ShownMeasurement>& measured,
                                  double unitFactor) {
    const auto part = [&](double Complex::*component) {
        return runsOf(points, [&](const SweepPoint& p) -> std::optional<QPointF> {
            return QPointF(std::log10(p.frequency), p.z.*component * unitFactor);
        });
    };
    ReactanceRuns r{part(&Complex::re),
                    part(&Complex::im),
                    {},
                    parts(measured, &Complex::re, unitFactor),
                    parts(measured, &Complex::im, unitFactor),
                    {}};
    Span span;
    for (const auto* runs : {&r.resistance, &r.reactance, &r.measuredR, &r.measuredX})
        span.take(*runs, &QPointF::y);
    r.range = paddedRange(span);
    return r;
}

ReactanceRuns logReactanceRuns(const std::vector<SweepPoint>& points,
                               const std::vector<ShownMeasurement>& measured, double unitFactor) {
    ReactanceRuns r;
    r.resistance = logRuns(points, [&](const SweepPoint& p) { return p.z.re * unitFactor; });
    r.reactance = logRuns(points, [&](const SweepPoint& p) { return p.z.im * unitFactor; });
    r.negative = logRuns(points, [&](const SweepPoint& p) { return -p.z.im * unitFactor; });
    r.measuredR = logMeasured(measured, &Complex::re, unitFactor);
    r.measuredX = logMeasured(measured, &Complex::im, unitFactor);
    Span span;
    for (const auto* runs : {&r.resistance, &r.reactance, &r.negative, &r.measuredR, &r.measuredX})
        span.take(*runs, &QPointF::y);
    if (span.empty()) {
        r.range = {0, 1};
        return r;
    }
    const double high = std::ceil(span.high + kRoom);
    r.range = {std::max(std::floor(span.low - kRoom), high - kLogDecades), high};
    for (auto* runs : {&r.resistance, &r.reactance, &r.negative}) cutBelow(*runs, r.range.low);
    // A measurement's places stay in its own list, whatever is left out.
    for (auto* places : {&r.measuredR, &r.measuredX})
        for (QList<QPointF>& list : *places)
            list.removeIf([&r](const QPointF& p) { return p.y() < r.range.low; });
    return r;
}
