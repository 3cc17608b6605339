#pragma once

#include <array>
#include <optional>

#include "model/CircuitModel.h"

// What one point's difference between model and measurement is divided by before it is squared.
// The real and imaginary parts of the difference are two residuals, divided alike.
enum class Weighting {
    Modulus,       // |Z measured|: every point counts alike, whatever its size
    Unit,          // nothing: residuals in ohms, so the largest impedances dominate
    Proportional,  // |Z model| at the trial values: relative to what the drawing predicts
};

// Limits on a value in ohms, henries or farads; either may be left open. Both above 0.
struct ValueBounds {
    std::optional<double> min, max;
};

struct FitOptions {
    // Nonzero: the part keeps its drawn value and is no free value of the fit.
    SlotFlags fixed{};
    std::array<ValueBounds, kSlotCount + 1> bounds{};
    Weighting weighting = Weighting::Modulus;
    // Starts spread over the bounds (or three decades either side of the drawn value where
    // there are none), beside the drawn values and the starts placed from the data.
    int spreadStarts = 4;
    // One descent from the drawn values and no search: a quick refinement of values already
    // near the data.
    bool onlyFromDrawnValues = false;
};
