#include "fit/MultiStartSearch.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// Full descents from the best valleys the coarse descents found.
constexpr std::size_t kFinalists = 3;
// Two valleys are one where no value differs by more than 1 %.
constexpr double kSameValley = 1e-2;
// Full descents from scans around the best values so far, while the scans still find a lower
// sum of squares than the descent ended on.
constexpr int kPolishRounds = 1;
constexpr double kLower = 1 - 1e-9;
// Scans around the drawn values go round the values twice, since the drawn values are the best
// guess there is; around a spread start once.
constexpr int kCentreRounds = 2;
// A fit is down at the noise floor when its rms relative residual is within 10 % of the noise
// the scatter between neighbouring points shows. The best fit there is sits a little below the
// noise (the fit absorbs a share of it, one free value's worth per two residuals); the estimate
// itself scatters by a few percent over 100 points and more; and a fit that leaves a
// systematic misfit of a tenth of the noise has only 0.5 % of its sum of squares to give.
constexpr double kNoiseFloorMargin = 1.1;
const double kFarFromDrawn = std::log(10.0);
constexpr int kFurtherSpread = 16;

// The radical inverse of `index` in a prime base: successive points of a Halton sequence,
// which fills the box of the search spans evenly however many starts are asked for.
double radicalInverse(int index, int base) {
    double inverse = 0, digit = 1.0 / base;
    for (; index > 0; index /= base, digit /= base) inverse += (index % base) * digit;
    return inverse;
}

constexpr int kPrimes[kSlotCount] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29,
                                     31, 37, 41, 43, 47, 53, 59, 61, 67, 71};

}  // namespace

MultiStartSearch::MultiStartSearch(const ResidualModel& model, const ParameterTransform& transform,
                                   int spreadStarts, bool onlyFromDrawnValues)
    : mModel(model),
      mTransform(transform),
      mCoarse(model.bounded(transform.clamp(model.drawnLogValues()))),
      mSpreadStarts(spreadStarts),
      mOnlyFromDrawnValues(onlyFromDrawnValues) {}

MultiStartSearch::Found MultiStartSearch::run(const FitMonitor& monitor) const {
    const Eigen::VectorXd centre = mTransform.clamp(mModel.drawnLogValues());
    if (mModel.parameterCount() == 0)
        return {{centre, mModel.chiSquare(centre), 0, FitStop::NothingToFit}, 0};
    if (mOnlyFromDrawnValues) return fromDrawnValues(centre, monitor);
    // The drawn values in full; then every start coarsely, the informed ones other than the
    // drawn values in full as well; then the finalists, the recall and the polish. Each stage
    // is skipped once a descent has reached the noise floor. The total counts the most starts
    // the scans can place.
    Search search{monitor, {centre, mModel.chiSquare(centre), 0, FitStop::Cancelled}};
    const int informedAtMost = 3 + static_cast<int>(CoarseScan::kMaxPlacements);
    search.total =
        2 * informedAtMost + mSpreadStarts + static_cast<int>(kFinalists) + 1 + kPolishRounds;
    fullDescent(centre, search);
    // Otherwise the drawn values are counted at their coarse descent, the first.
    if (search.over()) {
        search.startsRun = search.descended ? 1 : 0;
        return finish(search);
    }
    const CoarseScan scan(mCoarse, mTransform, centre);
    const std::vector<Eigen::VectorXd> informed = informedStarts(centre, scan);
    std::vector<Eigen::VectorXd> starts = informed;
    for (Eigen::VectorXd& spread : spreadStarts(centre, scan, 1, mSpreadStarts))
        starts.push_back(std::move(spread));
    const std::vector<LocalOutcome> valleys = coarseDescents(starts, search);
    for (std::size_t k = 0; k < valleys.size() && k < kFinalists; ++k)
        fullDescent(valleys[k].logValues, search);
    for (std::size_t k = 1; k < informed.size(); ++k) fullDescent(informed[k], search);
    recallRunaways(centre, search);
    polish(centre, search);
    searchFurther(centre, scan, search);
    return finish(search);
}

// Only for the few problems the search above leaves short of the noise floor: each value the
// best descent moved more than a decade from its drawn value put back alone, and a second, wider
// spread of starts.
void MultiStartSearch::searchFurther(const Eigen::VectorXd& centre, const CoarseScan& scan,
                                     Search& search) const {
    if (search.over()) return;
    // The progress total grows by the most descents this stage can make.
    const int parameters = mModel.parameterCount();
    search.total = std::max(search.total, search.descents) + parameters +
                   parameters * parameters / 4 + std::max(0, kFurtherSpread - mSpreadStarts) +
                   static_cast<int>(kFinalists) + kPolishRounds;
    const Eigen::VectorXd best = search.best.logValues;
    for (int i = 0; i < best.size(); ++i) {
        if (std::fabs(best[i] - centre[i]) <= kFarFromDrawn) continue;
        Eigen::VectorXd recalled = best;
        recalled[i] = centre[i];
        fullDescent(recalled, search);
    }
    const std::vector<int>& slots = mModel.freeSlots();
    for (int coil = 0; coil < best.size(); ++coil) {
        if (kindOfSlot(slots[coil]) != PartKind::Coil) continue;
        for (int cap = 0; cap < best.size(); ++cap) {
            if (kindOfSlot(slots[cap]) != PartKind::Capacitor || search.over()) continue;
            if (std::fabs(best[coil] - centre[coil]) <= kFarFromDrawn &&
                std::fabs(best[cap] - centre[cap]) <= kFarFromDrawn)
                continue;
            const LocalOutcome coarse =
                LocalFit(mCoarse, mTransform)
                    .run(scan.sweptPair(best, coil, cap), kCoarseEffort, search.monitor);
            if (coarse.stop != FitStop::Cancelled) fullDescent(coarse.logValues, search);
        }
    }
    if (search.over()) return;
    const std::vector<LocalOutcome> valleys =
        coarseDescents(spreadStarts(centre, scan, mSpreadStarts + 1, kFurtherSpread), search);
    for (std::size_t k = 0; k < valleys.size() && k < kFinalists; ++k)
        fullDescent(valleys[k].logValues, search);
    polish(centre, search);
}

MultiStartSearch::Found MultiStartSearch::finish(Search& search) {
    search.monitor.report(search.total, search.total);
    if (search.monitor.cancelled()) search.best.stop = FitStop::Cancelled;
    return {search.best, search.startsRun};
}

MultiStartSearch::Found MultiStartSearch::fromDrawnValues(const Eigen::VectorXd& centre,
                                                          const FitMonitor& monitor) const {
    Search search{monitor, {centre, mModel.chiSquare(centre), 0, FitStop::Cancelled}};
    search.total = 1;
    fullDescent(centre, search);
    search.startsRun = search.descended ? 1 : 0;
    if (monitor.cancelled()) search.best.stop = FitStop::Cancelled;
    return {search.best, search.startsRun};
}

// The drawn values, those values after scans of each value, and coils and capacitors placed on
// the data's resonances: each is descended from as it is as well as after a coarse descent,
// which on a sharp resonance can lose the place they start from.
std::vector<Eigen::VectorXd> MultiStartSearch::informedStarts(const Eigen::VectorXd& centre,
                                                              const CoarseScan& scan) const {
    const Eigen::VectorXd scanned = scan.alongEachValue(centre, kCentreRounds);
    std::vector<Eigen::VectorXd> starts = {centre, scanned, scan.nearEachValue(centre, 1)};
    for (Eigen::VectorXd& placed : scan.resonancePlacements(scanned))
        starts.push_back(std::move(placed));
    return starts;
}

std::vector<Eigen::VectorXd> MultiStartSearch::spreadStarts(const Eigen::VectorXd& centre,
                                                            const CoarseScan& scan, int first,
                                                            int last) const {
    std::vector<Eigen::VectorXd> starts;
    for (int k = first; k <= last; ++k) {
        Eigen::VectorXd spread(mModel.parameterCount());
        for (int i = 0; i < spread.size(); ++i) {
            const auto [low, high] = mTransform.searchSpan(i, centre[i]);
            spread[i] = low + (high - low) * radicalInverse(k, kPrimes[i]);
        }
        starts.push_back(scan.alongEachValue(spread, 1));
    }
    return starts;
}

// The valleys the starts lead into on the bounded residuals, best first, each once.
std::vector<LocalOutcome> MultiStartSearch::coarseDescents(
    const std::vector<Eigen::VectorXd>& starts, Search& search) const {
    std::vector<LocalOutcome> found;
    for (const Eigen::VectorXd& start : starts) {
        if (search.over()) break;
        LocalOutcome outcome =
            LocalFit(mCoarse, mTransform).run(start, kCoarseEffort, search.monitor);
        if (outcome.stop == FitStop::Cancelled) break;
        ++search.startsRun;
        search.keepStart(outcome.logValues, mModel.chiSquare(outcome.logValues));
        const auto same = [&](const LocalOutcome& other) {
            return (other.logValues - outcome.logValues).lpNorm<Eigen::Infinity>() < kSameValley;
        };
        if (std::none_of(found.begin(), found.end(), same)) found.push_back(std::move(outcome));
        search.report();
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.chiSquare < b.chiSquare; });
    return found;
}

void MultiStartSearch::fullDescent(const Eigen::VectorXd& start, Search& search) const {
    if (search.over()) return;
    const LocalOutcome outcome =
        LocalFit(mModel, mTransform).run(start, kFullEffort, search.monitor);
    if (outcome.stop == FitStop::Cancelled) return;
    if (search.keep(outcome) && isConvergence(outcome.stop))
        search.settled = atNoiseFloor(outcome.logValues);
    search.report();
}

bool MultiStartSearch::atNoiseFloor(const Eigen::VectorXd& logValues) const {
    const std::optional<double> noise = mModel.noiseFloor(logValues);
    return noise && mModel.rmsRelative(logValues) <= kNoiseFloorMargin * *noise;
}

// Values the best descent sent beyond the search span, where the data no longer sees them (a
// capacitor grown into a short, a coil shrunk into one), put back to their drawn values and
// the rest descended again: a valley where a part has vanished is a common trap.
void MultiStartSearch::recallRunaways(const Eigen::VectorXd& centre, Search& search) const {
    Eigen::VectorXd recalled = search.best.logValues;
    for (int i = 0; i < recalled.size(); ++i) {
        const auto [low, high] = mTransform.searchSpan(i, centre[i]);
        if (recalled[i] < low || recalled[i] > high) recalled[i] = centre[i];
    }
    if (recalled == search.best.logValues || search.over()) return;
    const LocalOutcome coarse =
        LocalFit(mCoarse, mTransform).run(recalled, kCoarseEffort, search.monitor);
    if (coarse.stop != FitStop::Cancelled) fullDescent(coarse.logValues, search);
}

void MultiStartSearch::polish(const Eigen::VectorXd& centre, Search& search) const {
    const CoarseScan scan(mModel, mTransform, centre);
    for (int round = 0; round < kPolishRounds && !search.over(); ++round) {
        const Eigen::VectorXd moved =
            scan.nearEachValue(scan.alongEachValue(search.best.logValues, 1), 1);
        if (!(mModel.chiSquare(moved) < kLower * search.best.chiSquare)) return;
        fullDescent(moved, search);
    }
}
