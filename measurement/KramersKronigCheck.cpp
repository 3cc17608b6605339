#include "measurement/KramersKronigCheck.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "measurement/LinKkFit.h"

namespace {

// Fewer points leave too few equations beside the series R, L, C and a few RC elements.
constexpr std::size_t kLeastPoints = 10;

// RC elements closer than an eighth of a decade have nearly the same shape and add nothing but
// freedom to follow noise.
constexpr double kElementsPerDecade = 8;

// The model is the one with the fewest elements whose rms residual is within this factor of the
// best of all the fits tried: more elements only follow the noise further, and fewer elements fall
// short of the data as a whole. (Schönleber's rule, stop when the negative R_k reach 15 % of the
// positive ones, stops too early on some plain RC networks, whose residuals then stay systematic.)
constexpr double kCloseToBest = 1.25;

// Thresholds for a verdict, in percent of |Z|. Impedance analysers and potentiostats measure
// within about 0.1–0.5 %; residuals that stay within 1 % rms and 3 % at the worst point are noise
// of that size, while a sweep in which the sample changed leaves residuals of several percent
// that follow the frequency rather than scatter around zero.
constexpr double kValidRmsPercent = 1.0;
constexpr double kValidMaxPercent = 3.0;

int mostElements(const std::vector<MeasuredPoint>& points) {
    const double decades = std::log10(points.back().frequency / points.front().frequency);
    return std::clamp(static_cast<int>(std::ceil(kElementsPerDecade * decades)) + 1, 2,
                      static_cast<int>(points.size() / 2));
}

LinKkFit bestFit(const std::vector<MeasuredPoint>& points, int most) {
    std::vector<LinKkFit> fits;
    for (FitDomain domain : {FitDomain::Impedance, FitDomain::Admittance})
        for (int m = 2; m <= most; ++m) fits.push_back(fitLinKk(points, m, domain));
    const auto byRms = [](const LinKkFit& a, const LinKkFit& b) {
        return a.rmsPercent < b.rmsPercent;
    };
    const LinKkFit& best = *std::min_element(fits.begin(), fits.end(), byRms);
    for (const LinKkFit& fit : fits)
        if (fit.domain == best.domain && fit.rmsPercent <= kCloseToBest * best.rmsPercent)
            return fit;
    return best;
}

// RC networks are never inductive. A phase clearly above 0° (beyond noise of the size accepted
// above) means coils, and coils with capacitors can resonate, which no sum of RC elements follows.
constexpr double kInductiveDegrees = 2.0;

// A measurement that changed during the sweep leaves residuals spread over it, whose largest is
// two to three times their rms; a feature narrower than the RC elements can follow (a resonance
// whose phase never turns inductive, or one stray point) leaves a few large ones.
constexpr double kNarrowMisfit = 3.5;

// A drift scales the magnitude and leaves the phase, so the phase alone fits a drifting
// measurement to its noise (about a tenth of the whole fit's rms for a 30 % drift at 0.2 % noise).
// Where the phase misfits by more than this share of the whole, the fault is not only in the
// magnitude, and the model's own limits are as likely a cause as the measurement.
constexpr double kPhaseShare = 0.3;

bool isInductiveSomewhere(const std::vector<MeasuredPoint>& points) {
    return std::any_of(points.begin(), points.end(), [](const MeasuredPoint& p) {
        return std::atan2(p.z.im, p.z.re) * 180 / std::numbers::pi > kInductiveDegrees;
    });
}

// The best phase-only fit over the same models as bestFit.
double bestPhaseRms(const std::vector<MeasuredPoint>& points, int most) {
    double best = HUGE_VAL;
    for (FitDomain domain : {FitDomain::Impedance, FitDomain::Admittance})
        for (int m = 2; m <= most; ++m) best = std::min(best, fitLinKkPhaseRms(points, m, domain));
    return best;
}

// Why a model of RC elements may fail on a measurement without the measurement being at fault, or
// nullptr when only the measurement can be at fault. Every test here is blind to a drift of the
// magnitude, which is what the test has to catch.
const char* whyUndecided(const std::vector<MeasuredPoint>& points, const LinKkFit& fit, int most) {
    if (isInductiveSomewhere(points))
        return "位相が誘導性になるところがあり、コイルとコンデンサの共振は RC 要素のモデルでは"
               "たどれません";
    const double phaseRms = bestPhaseRms(points, most);
    if (phaseRms > kValidRmsPercent)
        return "位相だけでもモデルに合いません。RC 要素のモデルでたどれない共振があるようです";
    if (phaseRms > kPhaseShare * fit.rmsPercent)
        return "ずれが大きさだけでなく位相にもあり、測定中の変化によるものとは言えません。RC 要素の"
               "モデルでたどれない共振があるようです";
    if (fit.maxPercent > kNarrowMisfit * fit.rmsPercent)
        return "ずれが狭い周波数に集まっています。共振か、1 点だけの外れ値のようです";
    return nullptr;
}

KramersKronigCheck undecided(std::size_t points, const std::string& why) {
    KramersKronigCheck check;
    check.points = points;
    check.text = "判定できません：" + why;
    return check;
}

}  // namespace

KramersKronigCheck checkKramersKronig(const std::vector<MeasuredPoint>& points) {
    if (points.size() < kLeastPoints)
        return undecided(points.size(), "点が少なすぎます（" + std::to_string(points.size()) +
                                            " 点。" + std::to_string(kLeastPoints) +
                                            " 点以上必要です）");
    const int most = mostElements(points);
    const LinKkFit fit = bestFit(points, most);
    KramersKronigCheck check;
    check.points = points.size();
    check.elements = fit.elements;
    check.rmsResidualPercent = fit.rmsPercent;
    check.maxResidualPercent = fit.maxPercent;
    for (std::size_t i = 0; i < points.size(); ++i)
        check.residuals.push_back({points[i].frequency, fit.residuals[i].re, fit.residuals[i].im});
    if (fit.rmsPercent <= kValidRmsPercent && fit.maxPercent <= kValidMaxPercent) {
        check.verdict = KramersKronigCheck::Verdict::Valid;
        check.text = "有効";
    } else if (const char* why = whyUndecided(points, fit, most)) {
        check.verdict = KramersKronigCheck::Verdict::Undecided;
        check.text = std::string("判定できません：") + why;
    } else {
        check.verdict = KramersKronigCheck::Verdict::Invalid;
        check.text = "無効";
    }
    return check;
}
