// One full calculation, and frequency sweeps of 1000 and 2000 points, on the densest drawing the
// model holds.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/DenseDrawing.h"
#include "engine/Calculation.h"
#include "engine/FrequencySweep.h"
#include "engine/ReductionPlan.h"

namespace {

using bench::DenseDrawing;

void BM_CalculateDensestDrawing(benchmark::State& state) {
    DenseDrawing dense;
    Calculate(dense.model());
    if (dense.markedParts() != kSlotCount) {
        state.SkipWithError(
            ("the drawing reduced only " + std::to_string(dense.markedParts()) + " parts").c_str());
        return;
    }
    for (auto _ : state) {
        Calculate(dense.model());
        benchmark::DoNotOptimize(dense.model().resultRe);
    }
}
BENCHMARK(BM_CalculateDensestDrawing)->Repetitions(10)->ReportAggregatesOnly(true);

// The frequency response window's work: the same drawing reduced at 1000 frequencies.
void BM_SweepDensestDrawing(benchmark::State& state) {
    DenseDrawing dense;
    for (auto _ : state) {
        const std::vector<SweepPoint> points = SweepFrequencies(dense.model(), 1, 1e7, 1000);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_SweepDensestDrawing)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// A 2000-point sweep beside a bare single calculation of the same drawing: the sweep reads the
// drawing once and then only evaluates, so its time is to be read in units of the baseline.
void BM_Sweep2000Points(benchmark::State& state) {
    DenseDrawing dense;
    for (auto _ : state) {
        const std::vector<SweepPoint> points = SweepFrequencies(dense.model(), 1, 1e7, 2000);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_Sweep2000Points)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_Sweep2000PointsBaselineOneCalculation(benchmark::State& state) {
    DenseDrawing dense;
    for (auto _ : state) {
        Calculate(dense.model());
        benchmark::DoNotOptimize(dense.model().resultRe);
    }
}
BENCHMARK(BM_Sweep2000PointsBaselineOneCalculation)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The two halves of a sweep: reading the drawing into a plan, and one evaluation of it.
void BM_ReadPlan(benchmark::State& state) {
    DenseDrawing dense;
    for (auto _ : state) {
        const ReductionPlan plan(dense.model());
        benchmark::DoNotOptimize(plan.takenSlots().data());
    }
}
BENCHMARK(BM_ReadPlan)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_EvaluatePlan(benchmark::State& state) {
    DenseDrawing dense;
    const ReductionPlan plan(dense.model());
    for (auto _ : state) {
        const PlanResult result = plan.evaluate(1000);
        benchmark::DoNotOptimize(result.z.re);
    }
}
BENCHMARK(BM_EvaluatePlan)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
