#pragma once

#include <QList>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "response/ShownMeasurement.h"

// The runs of points a quantity has between the frequencies where it has no value: `map` gives
// a point's place in the chart, or nothing; a place that is not finite breaks the run too.
template <typename Map>
std::vector<QList<QPointF>> runsOf(const std::vector<SweepPoint>& points, Map map) {
    std::vector<QList<QPointF>> runs;
    bool open = false;
    for (const SweepPoint& p : points) {
        const std::optional<QPointF> at = p.valid ? map(p) : std::nullopt;
        if (!at || !std::isfinite(at->x()) || !std::isfinite(at->y())) {
            open = false;
            continue;
        }
        if (!open) {
            runs.emplace_back();
            runs.back().reserve(static_cast<qsizetype>(points.size()));
            open = true;
        }
        runs.back().append(*at);
    }
    return runs;
}

// Where each listed measurement's points lie in a chart, one list per measurement (empty for one
// without data): `map` gives a point's place, or nothing; a place that is not finite is left out.
template <typename Map>
std::vector<QList<QPointF>> placesOf(const std::vector<ShownMeasurement>& measured, Map map) {
    std::vector<QList<QPointF>> places(measured.size());
    for (std::size_t m = 0; m < measured.size(); ++m) {
        if (!measured[m].data) continue;
        for (const MeasuredPoint& p : measured[m].data->points) {
            const std::optional<QPointF> at = map(p);
            if (at && std::isfinite(at->x()) && std::isfinite(at->y())) places[m].append(*at);
        }
    }
    return places;
}

// The lowest and highest value of one coordinate over runs of points.
struct Span {
    double low = INFINITY;
    double high = -INFINITY;

    bool empty() const { return low > high; }
    void take(const std::vector<QList<QPointF>>& runs, double (QPointF::*coordinate)() const) {
        for (const QList<QPointF>& run : runs)
            for (const QPointF& p : run) {
                low = std::min(low, (p.*coordinate)());
                high = std::max(high, (p.*coordinate)());
            }
    }
};
