#include "response/NearestPoint.h"

#include <algorithm>
#include <cmath>

int nearestAlong(const std::vector<QPointF>& places, double x) {
    if (places.empty()) return -1;
    const auto after = std::lower_bound(places.begin(), places.end(), x,
                                        [](const QPointF& p, double v) { return p.x() < v; });
    if (after == places.end()) return static_cast<int>(places.size()) - 1;
    if (after == places.begin()) return 0;
    const auto before = after - 1;
    const auto nearest = x - before->x() < after->x() - x ? before : after;
    return static_cast<int>(nearest - places.begin());
}

int nearestOnScreen(const std::vector<QPointF>& places, QPointF at,
                    const std::function<QPointF(QPointF)>& toScreen) {
    int nearest = -1;
    double best = INFINITY;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!std::isfinite(places[i].x()) || !std::isfinite(places[i].y())) continue;
        const QPointF offset = toScreen(places[i]) - at;
        const double distance = QPointF::dotProduct(offset, offset);
        if (distance < best) best = distance, nearest = static_cast<int>(i);
    }
    return nearest;
}
