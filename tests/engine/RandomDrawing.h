#pragma once

// Random drawings written straight into the model, without the editor's regularity: lines of any
// length and direction, terminals anywhere, values and frequencies from zero to the edges of the
// double range, and one of the three result units.

#include <cmath>
#include <cstdint>
#include <random>

#include "model/CircuitModel.h"
#include "tests/engine/DrawingBuilder.h"

class RandomDrawing {
public:
    explicit RandomDrawing(std::uint64_t seed) : mRng(seed) {}

    CircuitModel next() {
        CircuitModel model = drawing::emptyModel();
        const double partShare = chance(0.03) ? 0.0 : 0.6;
        for (int s = 1; s <= kSlotCount; ++s) {
            if (!chance(partShare)) continue;
            if (chance(0.9)) {
                drawing::placePartAt(model, s, x(), y());
            } else {
                drawing::setTerminals(model, s, x(), y(), x(), static_cast<float>(y()));
            }
            model.slotValue[s] = value();
        }
        for (int k = 1; k <= kSlotsPerKind; ++k) {
            model.impPartRe[k] = value();
            model.impPartIm[k] = value();
        }
        for (int n = 1; n <= kLinesPerKind; ++n) {
            if (chance(0.6)) {
                const double top = y();
                drawing::setVLine(model, n, x(), top, chance(0.7) ? top + 975 : y());
            }
            if (chance(0.6)) {
                const double left = x();
                drawing::setHLine(model, n, left, y(), chance(0.7) ? left + 615 : x());
            }
        }
        const double frequencies[] = {0, 1e-300, 50, 1e300, std::pow(10.0, uniform(-3, 9))};
        model.frequency = frequencies[pick(0, 4)];
        const double factors[] = {1, 1e-3, 1e-6};
        model.resultUnitFactor = factors[pick(0, 2)];
        return model;
    }

private:
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(mRng);
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(mRng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(mRng); }

    // Mostly a small grid of part widths, line lengths and row heights with a spread wider than
    // the join tolerance, so that many elements join and some just miss; now and then a
    // coordinate far out of any window.
    double x() { return extremeOr(3000 + 1110 * pick(0, 3) + 615 * pick(0, 2) + spread()); }
    double y() { return extremeOr(3000 + 975 * pick(0, 3) + spread()); }
    double spread() { return chance(0.7) ? pick(-120, 120) : pick(-400, 400); }
    double extremeOr(double coordinate) {
        const double extremes[] = {0, -5000, 1e30, -1e30, 1e300};
        return chance(0.01) ? extremes[pick(0, 4)] : coordinate;
    }

    double value() {
        const double special[] = {0, -1, 1e-300, 1e300, -1e300, 1e-12};
        if (chance(0.2)) return special[pick(0, 5)];
        return (chance(0.9) ? 1 : -1) * std::pow(10.0, uniform(-12, 12));
    }

    std::mt19937_64 mRng;
};
