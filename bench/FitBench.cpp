// Fitting a drawing to a measured impedance, each beside one evaluation of the model at 200
// points, the unit its times are to be read in: one descent from the drawn values, the whole
// search, a batch of spectra over both cores, and the share of random problems whose fit
// reaches the noise level.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "engine/ReductionPlan.h"
#include "fit/ImpedanceFit.h"
#include "tests/fit/FitDrawings.h"
#include "tests/fit/RandomFitCase.h"

namespace {

constexpr double kNoise = 0.01;
constexpr int kPoints = 200;

// Six free values: 10 ohm, 1 mH, 1 kohm across 1 uF, 200 ohm across 10 mH, in series; measured
// from 10 Hz to 1 MHz and drawn with every value off by a factor of 2 to 4.
CircuitModel sixValues() {
    return fit_drawing::chainOf(
        {{{1, 10}}, {{6, 1e-3}}, {{2, 1000}, {11, 1e-6}}, {{3, 200}, {7, 1e-2}}});
}

CircuitModel drawnSixValues() {
    CircuitModel drawn = sixValues();
    const double factors[] = {3, 0.4, 2.5, 0.3, 4, 0.5};
    int k = 0;
    for (const int s : {1, 2, 3, 6, 7, 11}) drawn.slotValue[s] *= factors[k++];
    return drawn;
}

std::vector<MeasuredPoint> sixValuePoints(std::uint64_t seed) {
    return fit_drawing::measure(sixValues(), 10, 1e6, kPoints, kNoise, seed);
}

// Runs `work(i)` for i in [0, count) on every core.
template <typename Work>
void onEveryCore(int count, Work work) {
    std::atomic<int> next{0};
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        threads.emplace_back([&] {
            for (int i; (i = next++) < count;) work(i);
        });
    for (std::thread& thread : threads) thread.join();
}

void BM_BaselineOneEvaluationAt200Points(benchmark::State& state) {
    const CircuitModel model = sixValues();
    const ReductionPlan plan(model);
    std::vector<double> frequencies;
    for (const MeasuredPoint& p : sixValuePoints(1)) frequencies.push_back(p.frequency);
    std::vector<std::optional<PlanResult>> results(frequencies.size());
    for (auto _ : state) {
        plan.withValues(model.slotValue).evaluateEach(frequencies, results);
        benchmark::DoNotOptimize(results.data());
    }
}
BENCHMARK(BM_BaselineOneEvaluationAt200Points)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void fitSixValues(benchmark::State& state, bool oneStart) {
    const CircuitModel drawn = drawnSixValues();
    const std::vector<MeasuredPoint> points = sixValuePoints(1);
    FitOptions options;
    options.onlyFromDrawnValues = oneStart;
    FitResult r;
    for (auto _ : state) {
        r = ImpedanceFit(drawn, points, options).run();
        benchmark::DoNotOptimize(r.chiSquare);
    }
    state.counters["rms_percent"] = r.rmsRelativeResidualPercent;
    state.counters["iterations"] = r.iterations;
}

void BM_FitSixValuesFromOneStart(benchmark::State& state) {
    fitSixValues(state, true);
}
BENCHMARK(BM_FitSixValuesFromOneStart)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_FitSixValuesWholeSearch(benchmark::State& state) {
    fitSixValues(state, false);
}
BENCHMARK(BM_FitSixValuesWholeSearch)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// 1000 spectra of the six-value drawing, each its own noise, fitted in full on every core.
void BM_FitBatchOf1000Spectra(benchmark::State& state) {
    constexpr int kSpectra = 1000;
    std::vector<std::vector<MeasuredPoint>> spectra;
    for (int i = 0; i < kSpectra; ++i) spectra.push_back(sixValuePoints(100 + i));
    const CircuitModel drawn = drawnSixValues();
    std::vector<double> rms(kSpectra);
    for (auto _ : state) {
        onEveryCore(kSpectra, [&](int i) {
            rms[i] = ImpedanceFit(drawn, spectra[i], {}).run().rmsRelativeResidualPercent;
        });
    }
    state.counters["worst_rms_percent"] = *std::max_element(rms.begin(), rms.end());
}
BENCHMARK(BM_FitBatchOf1000Spectra)->Unit(benchmark::kSecond)->Iterations(1);

// Random networks of 2 to 6 free values measured over 3 to 5 decades with 1 % noise, every
// drawn value off by up to a factor of 10: the share whose fit leaves an rms relative residual
// of at most 1.5 times the noise.
void BM_RobustnessOnRandomNetworks(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fit_drawing::RandomFitCase generator(20240601, kNoise, kPoints);
    std::vector<fit_drawing::FitCase> cases;
    for (int i = 0; i < count; ++i) cases.push_back(generator.next());
    std::atomic<int> reached{0};
    for (auto _ : state) {
        reached = 0;
        onEveryCore(count, [&](int i) {
            const FitResult r = ImpedanceFit(cases[i].drawn, cases[i].points, {}).run();
            if (r.rmsRelativeResidualPercent <= 1.5 * 100 * kNoise) ++reached;
        });
    }
    const double share = 100.0 * reached / count;
    state.counters["reached_percent"] = share;
    std::printf("robustness: %d of %d fits reached the noise level (%.1f %%)\n", reached.load(),
                count, share);
}
BENCHMARK(BM_RobustnessOnRandomNetworks)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
