#pragma once

#include <optional>

#include "engine/FrequencySweep.h"
#include "engine/ReductionPlan.h"

// The −3 dB band around a resonance of |Z|: at a minimum (series resonance) the frequencies either
// side where |Z| has risen to √2 times its least value, at a maximum (parallel resonance) where it
// has fallen to 1/√2 of its peak. Q is the resonant frequency over the band's width; for a series
// R, L and C it is (1/R)·√(L/C).
struct Bandwidth {
    double low, high;  // hertz
    double q;
};

// Searched on the plan outward from the resonance, up to a factor of 1000 either way, each edge
// then narrowed by bisection on the logarithmic frequency axis. Nothing for a phase zero, for a
// minimum of 0 Ω or a maximum that is a pole (a Q of 1e8 or more: rounding, not a band), and
// where an edge is not found or an evaluation fails on the way.
std::optional<Bandwidth> bandwidthAround(const ReductionPlan& plan, const Resonance& resonance);
