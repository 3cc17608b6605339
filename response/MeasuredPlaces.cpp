#include "response/MeasuredPlaces.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "response/PointRuns.h"

std::vector<QList<QPointF>> logMagnitudes(const std::vector<ShownMeasurement>& measured,
                                          double unitFactor) {
    return placesOf(measured, [unitFactor](const MeasuredPoint& p) -> std::optional<QPointF> {
        const double m = std::hypot(p.z.re, p.z.im) * unitFactor;
        if (!(m > 0)) return std::nullopt;
        return QPointF(std::log10(p.frequency), std::log10(m));
    });
}

std::vector<QList<QPointF>> phaseAngles(const std::vector<ShownMeasurement>& measured) {
    return placesOf(measured, [](const MeasuredPoint& p) {
        const double degrees = std::atan2(p.z.im, p.z.re) * 180 / std::numbers::pi;
        return std::optional(QPointF(std::log10(p.frequency), degrees));
    });
}

std::vector<QList<QPointF>> parts(const std::vector<ShownMeasurement>& measured,
                                  double Complex::*component, double unitFactor) {
    return placesOf(measured, [component, unitFactor](const MeasuredPoint& p) {
        return std::optional(QPointF(std::log10(p.frequency), p.z.*component * unitFactor));
    });
}

std::vector<QList<QPointF>> nyquistPlaces(const std::vector<ShownMeasurement>& measured,
                                          double unitFactor) {
    return placesOf(measured, [unitFactor](const MeasuredPoint& p) {
        return std::optional(QPointF(p.z.re * unitFactor, -p.z.im * unitFactor));
    });
}
