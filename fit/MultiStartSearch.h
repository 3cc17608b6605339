#pragma once

#include <Eigen/Core>
#include <vector>

#include "fit/CoarseScan.h"
#include "fit/FitMonitor.h"
#include "fit/LocalFit.h"
#include "fit/ParameterTransform.h"
#include "fit/ResidualModel.h"

// The search for the least sum of squares over the free values. One descent from the drawn
// values seldom suffices: a resonance placed at the wrong frequency or a value the data barely
// sees holds the solver in a valley of its own. So the search first gathers starts: the drawn
// values, those values after scans of each value in turn, coils and capacitors placed on the
// resonances the data shows, and points spread over the bounds. Each is descended coarsely on
// residuals that stay within 1 (ResidualModel::bounded); the three best valleys, and the starts
// other than the spread ones as they are, are descended in full. Values the best descent sent
// out of reach are then put back and descended again, and so is the best after scans around
// it, while those still find lower ground.
//
// Most problems need none of this: the drawn values, descended in full first, already lead to a
// fit as good as the noise of the data allows, and every other start would end in the same
// valley. The search ends at the first full descent whose relative residual is down at the noise
// the data shows (NoiseFloor).
class MultiStartSearch {
public:
    // The model and transform must outlive the search.
    MultiStartSearch(const ResidualModel& model, const ParameterTransform& transform,
                     int spreadStarts, bool onlyFromDrawnValues);

    struct Found {
        LocalOutcome best;  // stopped FitStop::Cancelled when no full descent finished
        int startsRun;
    };
    // Stops between descents and iterations once the monitor's flag is set.
    Found run(const FitMonitor& monitor) const;

private:
    // The state of one run: the best full descent so far or, until there is one, the best
    // start, marked cancelled, and the count of descents for the monitor.
    struct Search {
        const FitMonitor& monitor;
        LocalOutcome best;
        bool descended = false;
        // The best full descent is down at the noise floor: nothing is left to find.
        bool settled = false;
        int startsRun = 0;
        int descents = 0;
        int total = 0;

        // Whether the outcome is the new best.
        bool keep(const LocalOutcome& outcome) {
            const bool better = !descended || outcome.chiSquare < best.chiSquare;
            if (better) best = outcome;
            descended = true;
            return better;
        }
        bool over() const { return settled || monitor.cancelled(); }
        void keepStart(const Eigen::VectorXd& logValues, double chiSquare) {
            if (!descended && chiSquare < best.chiSquare)
                best = {logValues, chiSquare, 0, FitStop::Cancelled};
        }
        void report() { monitor.report(++descents, total); }
    };

    Found fromDrawnValues(const Eigen::VectorXd& centre, const FitMonitor& monitor) const;
    std::vector<Eigen::VectorXd> informedStarts(const Eigen::VectorXd& centre,
                                                const CoarseScan& scan) const;
    // Points first to last of the spread.
    std::vector<Eigen::VectorXd> spreadStarts(const Eigen::VectorXd& centre, const CoarseScan& scan,
                                              int first, int last) const;
    std::vector<LocalOutcome> coarseDescents(const std::vector<Eigen::VectorXd>& starts,
                                             Search& search) const;
    void fullDescent(const Eigen::VectorXd& start, Search& search) const;
    bool atNoiseFloor(const Eigen::VectorXd& logValues) const;
    static Found finish(Search& search);
    void recallRunaways(const Eigen::VectorXd& centre, Search& search) const;
    void polish(const Eigen::VectorXd& centre, Search& search) const;
    void searchFurther(const Eigen::VectorXd& centre, const CoarseScan& scan, Search& search) const;

    const ResidualModel& mModel;
    const ParameterTransform& mTransform;
    ResidualModel mCoarse;
    int mSpreadStarts;
    bool mOnlyFromDrawnValues;
};
