#pragma once

// Random fitting problems: a network the calculation reads (series and parallel resistors,
// coils and capacitors, now and then an impedance part or a part left unconnected) with 2 to 6
// free values, measured over 3 to 5 decades around the frequency its parts were sized for, and
// drawn with every value off from the truth by a random factor of up to 10 either way.

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/ReductionPlan.h"
#include "tests/engine/DrawingGenerator.h"
#include "tests/fit/FitDrawings.h"

namespace fit_drawing {

struct FitCase {
    CircuitModel truth;
    CircuitModel drawn;
    std::vector<MeasuredPoint> points;
    int freeValues = 0;
};

class RandomFitCase {
public:
    RandomFitCase(std::uint64_t seed, double noise, int points)
        : mGenerator(seed), mRng(seed), mNoise(noise), mPoints(points) {}

    FitCase next() {
        for (;;) {
            oracle::Network net = mGenerator.next(mShapes);
            FitCase c{net.model, net.model, {}, takenValues(net.model)};
            if (c.freeValues < 2 || c.freeValues > 6) continue;
            const double decades = uniform(3, 5);
            const double low = net.frequency * std::pow(10.0, -decades * uniform(0.3, 0.7));
            c.points =
                measure(c.truth, low, low * std::pow(10.0, decades), mPoints, mNoise, mRng());
            for (int s = 1; s <= kSlotCount; ++s)
                c.drawn.slotValue[s] *= std::pow(10.0, uniform(-1, 1));
            return c;
        }
    }

private:
    static int takenValues(const CircuitModel& model) {
        const ReductionPlan plan(model);
        int count = 0;
        for (int s = 1; s <= kSlotCount; ++s)
            count += plan.takenSlots()[s] && kindOfSlot(s) != PartKind::Impedance;
        return count;
    }
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(mRng);
    }

    oracle::DrawingGenerator mGenerator;
    std::array<int, oracle::kShapeCount> mShapes{};
    std::mt19937_64 mRng;
    double mNoise;
    int mPoints;
};

}  // namespace fit_drawing
