#pragma once

#include <QPointF>
#include <functional>
#include <vector>

// Which sweep point the pointer is at, by the places the points are plotted at.

// The place whose x is nearest `x`, the places in increasing x; -1 when there are none.
int nearestAlong(const std::vector<QPointF>& places, double x);

// The place drawn nearest `at`, where `toScreen` draws each; places that are not finite are
// passed over; -1 when none is left.
int nearestOnScreen(const std::vector<QPointF>& places, QPointF at,
                    const std::function<QPointF(QPointF)>& toScreen);
