#pragma once

#include <Eigen/Core>
#include <vector>

#include "fit/ParameterTransform.h"
#include "fit/ResidualModel.h"

// Moves over whole decades between descents, where the solver, which only follows the slope,
// stays in the valley it starts in: a value the data barely sees sits on a plateau, and a coil
// and a capacitor resonating at the wrong frequency are held there by the ripple of the phase.
class CoarseScan {
public:
    // Scans span the bounds, or three decades either side of `centre` where they are open.
    CoarseScan(const ResidualModel& model, const ParameterTransform& transform,
               Eigen::VectorXd centre);

    // Each value in turn over a grid of half decades, the others held, kept where the sum of
    // squares is least. Moving one value changes where the next fits best, so a scan that
    // matters goes more than one round.
    Eigen::VectorXd alongEachValue(Eigen::VectorXd logValues, int rounds) const;

    // The same over a decade either side of each value in tenths of a decade: a sharp
    // resonance fits only within a few percent of its place, which a coarse grid steps over.
    Eigen::VectorXd nearEachValue(Eigen::VectorXd logValues, int rounds) const;

    // For each coil and capacitor among the free values and each resonance the measured |Z|
    // shows (a clear minimum or maximum at f0), the pair placed at LC = 1/(2π f0)², the coil
    // swept over its grid and the capacitor following: the best place on each such curve, even
    // where it fits worse than `logValues`, since it starts the solver in another valley. The
    // best few (at most kMaxPlacements), best first.
    std::vector<Eigen::VectorXd> resonancePlacements(const Eigen::VectorXd& logValues) const;
    static constexpr std::size_t kMaxPlacements = 3;

    // A coil and a capacitor placed as by resonancePlacements, but at every resonance frequency
    // across the measured range in tenths of a decade, the data showing none: a pair that
    // resonates where the measured |Z| barely moves (a series pair across a low impedance) is
    // otherwise found only by chance. The best place.
    Eigen::VectorXd sweptPair(const Eigen::VectorXd& logValues, int coil, int capacitor) const;

private:
    template <typename Grid>
    Eigen::VectorXd eachValueOver(Eigen::VectorXd logValues, int rounds, Grid gridAt) const;
    std::vector<double> grid(int i) const;
    struct Resonance {
        double frequency;
        double width;  // half the logarithmic distance between the neighbouring points
    };
    std::vector<Resonance> resonances() const;
    Eigen::VectorXd placedPair(Eigen::VectorXd logValues, int coil, int capacitor,
                               const Resonance& resonance) const;

    const ResidualModel& mModel;
    const ParameterTransform& mTransform;
    Eigen::VectorXd mCentre;
};
