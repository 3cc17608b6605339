#include "response/ResponseSweep.h"

#include <algorithm>

#include "engine/ArithmeticError.h"
#include "engine/NoPartPlacedError.h"
#include "engine/ReductionPlan.h"
#include "engine/ResonanceBandwidth.h"

namespace {

QString failedPointsText(const std::vector<SweepPoint>& points) {
    const auto failed =
        std::count_if(points.begin(), points.end(), [](const SweepPoint& p) { return !p.valid; });
    if (failed == static_cast<std::ptrdiff_t>(points.size()))
        return QStringLiteral("この範囲のどの周波数でも計算できません");
    if (failed > 0)
        return QStringLiteral("%1 点の周波数で計算できません（グラフの切れ目）").arg(failed);
    return {};
}

// The drawing's plan, or none and in `problem` why the drawing cannot be read.
std::optional<ReductionPlan> planOf(const CircuitModel& model, QString& problem) {
    try {
        return ReductionPlan(model);
    } catch (const NoPartPlacedError&) {
        problem = QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい");
    } catch (const ArithmeticError&) {
        problem = QStringLiteral(
            "この図は計算できません（図をたどると同じ素子に戻るか、座標が大きすぎます）");
    }
    return std::nullopt;
}

// Invalid where there is no plan or the reduction fails at the frequency.
SweepPoint pointOn(const ReductionPlan* plan, double frequency) {
    try {
        if (plan) {
            const PlanResult r = plan->evaluate(frequency);
            return SweepPoint{frequency, true, r.z, r.phase};
        }
    } catch (const ArithmeticError&) {
    }
    return SweepPoint{frequency, false, {}, 0.0};
}

}  // namespace

ResponseSweep sweepResponse(const CircuitModel& model, double start, double stop, int count) {
    ResponseSweep swept;
    const std::optional<ReductionPlan> plan = planOf(model, swept.problem);
    swept.points = SweepFrequencies(plan ? &*plan : nullptr, start, stop, count);
    if (plan) swept.resonances = RefineResonances(*plan, swept.points);
    for (const Resonance& r : swept.resonances)
        swept.bandwidths.push_back(bandwidthAround(*plan, r));
    if (swept.problem.isEmpty()) swept.problem = failedPointsText(swept.points);
    const double f0 = model.frequency;
    if (!(f0 > 0)) return swept;
    swept.working = pointOn(plan ? &*plan : nullptr, f0);
    return swept;
}

std::vector<SweepPoint> pointsAt(const CircuitModel& model,
                                 const std::vector<double>& frequencies) {
    std::optional<ReductionPlan> plan;
    try {
        plan.emplace(model);
    } catch (const NoPartPlacedError&) {
    } catch (const ArithmeticError&) {
    }
    std::vector<SweepPoint> points;
    points.reserve(frequencies.size());
    for (double f : frequencies) points.push_back(pointOn(plan ? &*plan : nullptr, f));
    return points;
}
