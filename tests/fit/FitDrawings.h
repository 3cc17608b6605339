#pragma once

// Drawings and measurements for the fit's tests and benchmarks: networks of columns in series,
// each a stack of parts in parallel, laid out as the editor leaves them, and their impedance as
// an instrument with relative noise would read it.

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "engine/ReductionPlan.h"
#include "measurement/MeasuredPoint.h"
#include "tests/engine/DrawingBuilder.h"

namespace fit_drawing {

struct Part {
    int slot;
    double value;  // ohms, henries or farads
};
using Column = std::vector<Part>;  // parts in parallel, stacked upward from the bottom row

constexpr double kChainRight = 30000, kRowZero = 10000, kRow = 975, kPartWidth = 1110;

// The columns in series, the first at the right, each touching the next. A bridge part, where
// given, stands a row above the first column and spans the first two, reached by a vertical
// line from the first column's right end: the first two columns in series, that in parallel
// with the bridge, and the rest in series with that.
inline CircuitModel chainOf(const std::vector<Column>& columns,
                            std::optional<Part> bridge = std::nullopt) {
    CircuitModel model = drawing::emptyModel();
    double rightX = kChainRight;
    int line = 0;
    for (const Column& column : columns) {
        const double leftX = rightX - kPartWidth;
        for (std::size_t row = 0; row < column.size(); ++row) {
            const double y = kRowZero - kRow * static_cast<double>(row);
            drawing::placeValuedPart(model, column[row].slot, leftX, y, column[row].value);
            if (row == 0) continue;
            drawing::placeVLine(model, ++line, rightX, y);
            drawing::placeVLine(model, ++line, leftX, y);
        }
        rightX = leftX;
    }
    if (bridge) {
        drawing::placeVLine(model, ++line, kChainRight, kRowZero - kRow);
        drawing::placeValuedPart(model, bridge->slot, kChainRight - kPartWidth, kRowZero - kRow,
                                 bridge->value);
    }
    return model;
}

// The drawing's impedance at `count` frequencies evenly spaced on a logarithmic scale from low
// to high, each multiplied by 1 + noise·(g1 + j g2) with g1, g2 standard normal: the real and
// imaginary parts of a residual divided by |Z| then have the standard deviation `noise`.
inline std::vector<MeasuredPoint> measure(const CircuitModel& model, double low, double high,
                                          int count, double noise, std::uint64_t seed) {
    std::vector<double> frequencies(count);
    for (int i = 0; i < count; ++i)
        frequencies[i] = low * std::pow(high / low, static_cast<double>(i) / (count - 1));
    std::vector<std::optional<PlanResult>> results(count);
    ReductionPlan(model).evaluateEach(frequencies, results);
    std::mt19937_64 rng(seed);
    std::normal_distribution<double> gauss(0.0, noise);
    std::vector<MeasuredPoint> points;
    for (int i = 0; i < count; ++i) {
        const Complex z = results[i].value().z;
        const double re = gauss(rng), im = gauss(rng);
        points.push_back(
            {frequencies[i], {z.re * (1 + re) - z.im * im, z.im * (1 + re) + z.re * im}});
    }
    return points;
}

}  // namespace fit_drawing
