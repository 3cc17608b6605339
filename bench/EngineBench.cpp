// One full calculation, and frequency sweeps of 1000 and 2000 points, on the densest drawing the
// model holds:
// all 20 parts and all 20 lines, a chain of 15 columns with two three-part stacks, series links
// of every kind and a part bridging the first two columns through two horizontal lines.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/Calculation.h"
#include "engine/FrequencySweep.h"
#include "engine/ReductionPlan.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

constexpr double kRowZero = 10000;
constexpr double kRow = 975;
constexpr double kChainRight = 40000;

class DenseDrawing {
public:
    DenseDrawing() : mModel(drawing::emptyModel()) {
        mModel.frequency = 1000;
        const double bypassY = kRowZero - 3 * kRow;
        const int openLine = vLine();
        drawing::placeVLine(mModel, openLine, kChainRight, bypassY);
        drawing::placeHLine(mModel, hLine(), kChainRight - 615, bypassY);
        drawing::placeHLine(mModel, hLine(), kChainRight - 1230, bypassY);
        part(kChainRight - 1230 - 1110, bypassY);

        double rightX = kChainRight;
        for (int column = 1; column <= 15; ++column) {
            const double leftX = rightX - 1110;
            const int top = column <= 2 ? -2 : 0;
            for (int row = top; row <= 0; ++row) part(leftX, kRowZero + row * kRow);
            for (int row = top; row < 0; ++row) {
                drawing::placeVLine(mModel, vLine(), rightX, kRowZero + row * kRow);
                drawing::placeVLine(mModel, vLine(), leftX, kRowZero + row * kRow);
            }
            // Column 2 reaches column 3 through a horizontal and a vertical line, every odd
            // column after it the next through a horizontal line alone (the last one's line
            // leads nowhere), the rest by touching.
            if (column == 1 || (column > 2 && column % 2 == 0)) {
                rightX = leftX;
                continue;
            }
            rightX = leftX - 615;
            drawing::placeHLine(mModel, hLine(), rightX, kRowZero);
            if (column == 2) drawing::placeVLine(mModel, vLine(), rightX, kRowZero - 500);
        }
    }

    CircuitModel& model() { return mModel; }

    int markedParts() const {
        int marked = 0;
        for (int s = 1; s <= kSlotCount; ++s) marked += mModel.slotMarked[s];
        return marked;
    }

private:
    // Kinds take turns so that each contributes its five slots.
    void part(double leftX, double leftY) {
        const int kind = mParts % 4;
        const int slot = slotOf(static_cast<PartKind>(kind + 1), mParts / 4 + 1);
        ++mParts;
        drawing::placePartAt(mModel, slot, leftX, leftY);
        const double values[] = {100.0 * mParts, 0.01 * mParts, 1e-6 * mParts, 0};
        mModel.slotValue[slot] = values[kind];
        if (kindOfSlot(slot) == PartKind::Impedance) {
            mModel.impPartRe[indexInKind(slot)] = 50.0 * mParts;
            mModel.impPartIm[indexInKind(slot)] = -20.0 * mParts;
        }
    }
    int vLine() { return ++mVLines; }
    int hLine() { return ++mHLines; }

    CircuitModel mModel;
    int mParts = 0, mVLines = 0, mHLines = 0;
};

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
