#include "engine/ResonanceCandidates.h"

#include <cmath>

namespace {

double magnitude(const SweepPoint& p) {
    return std::hypot(p.z.re, p.z.im);
}

}  // namespace

std::vector<ResonanceCandidate> resonanceCandidates(const std::vector<SweepPoint>& points) {
    std::vector<ResonanceCandidate> found;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const SweepPoint& a = points[i - 1];
        const SweepPoint& b = points[i];
        if (!a.valid || !b.valid) continue;
        if ((a.phase < 0 && b.phase > 0) || (a.phase > 0 && b.phase < 0))
            found.push_back({Resonance::Kind::PhaseZero, i});
        if (i + 1 == points.size() || !points[i + 1].valid) continue;
        const double before = magnitude(a), here = magnitude(b), after = magnitude(points[i + 1]);
        if (here < before && here < after) found.push_back({Resonance::Kind::Minimum, i});
        if (here > before && here > after) found.push_back({Resonance::Kind::Maximum, i});
    }
    return found;
}
