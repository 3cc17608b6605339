#pragma once

#include <optional>
#include <span>

#include "model/Complex.h"

// The relative noise of a measurement, read from the fit's own residuals: the logarithm of
// measured / model at each point, less the straight line through its neighbours (over the
// logarithm of the frequency), leaves the noise of three points and little of anything smooth.
// A misfit spread over many points, such as a value slightly off, cancels there; only the point
// to point scatter stays. So a fit whose relative residual is near this level has nothing left
// to explain, and the search need not look further.
class NoiseFloor {
public:
    // The standard deviation of the real and imaginary parts of (Z measured − Z model) / |Z|
    // that the scatter between neighbouring points shows; empty for fewer than three usable
    // points. `model` and `measured` are indexed alike by `frequencies`, in any order.
    static std::optional<double> estimate(std::span<const double> frequencies,
                                          std::span<const Complex> measured,
                                          std::span<const Complex> model);
};
