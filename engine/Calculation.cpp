#include "engine/Calculation.h"

#include <cfloat>
#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/ComplexMath.h"
#include "engine/FindBypassPart.h"
#include "engine/FindNextInSeries.h"
#include "engine/ImpedanceArithmetic.h"
#include "engine/NoPartPlacedError.h"
#include "engine/ParallelPartner.h"
#include "engine/PartImpedance.h"

namespace {

constexpr float kJoinTolerance = 200.0f;  // twips

// A walk that finds more partners than a column can hold, or more columns than there are parts,
// has come back to a part it already took and would go round forever. Drawings with lines of
// the standard length never get there; lines written straight into the model can.
constexpr int kMaxPartnersPerWalk = kSlotCount - 1;
constexpr int kMaxColumns = kSlotCount;

float toSingle(double value) {
    if (!(std::fabs(value) <= FLT_MAX)) throw ArithmeticError("overflow of the single range");
    return static_cast<float>(value);
}

Complex parallel(const Complex& x, const Complex& y) {
    const Complex recipX = ComplexRecip(x);
    const Complex recipY = ComplexRecip(y);
    return ComplexRecip(ComplexAdd(recipX, recipY));
}

void takePart(CircuitModel& model, std::int16_t s, CalculationTrace* trace) {
    PartImpedance(model, s);
    if (trace) trace->took(s, model.zWork);
    MarkPartUsed(model, s);
}

// The upward and downward walks differ only in the search and in the variables they move.
struct ColumnWalk {
    void (*findPartner)(CircuitModel&, std::int16_t);
    std::int16_t CircuitModel::*part;  // partAbove or partBelow
    std::int16_t CircuitModel::*end;   // columnTop or columnBottom
    const char* runaway;
};

const ColumnWalk kUpward{FindPartAbove, &CircuitModel::partAbove, &CircuitModel::columnTop,
                         "the upward walk does not end"};
const ColumnWalk kDownward{FindPartBelow, &CircuitModel::partBelow, &CircuitModel::columnBottom,
                           "the downward walk does not end"};

// Combines in parallel every part stacked on the series part in one direction.
void walkColumn(CircuitModel& model, const ColumnWalk& walk, CalculationTrace* trace) {
    std::int16_t& part = model.*walk.part;
    part = model.seriesPart;
    model.*walk.end = part;
    for (int found = 0;; ++found) {
        walk.findPartner(model, part);
        if (part == 0) return;
        if (found == kMaxPartnersPerWalk) throw ArithmeticError(walk.runaway);
        takePart(model, part, trace);
        model.*walk.end = part;
        model.zWork = parallel(model.zColumn, model.zWork);
        model.zColumn = model.zWork;
        if (trace) trace->joinedInParallel(model.zColumn);
    }
}

void reduceColumns(CircuitModel& model, CalculationTrace* trace) {
    bool notFirstColumn = false;
    for (int column = 1;; ++column) {
        walkColumn(model, kUpward, trace);
        // A line leaves the column's top part at its right terminal without closing a pair: a
        // part bridging the chain may hang from it.
        if (model.partAbove == 0 && model.leftJoinLine == 0 && model.rightJoinLine != 0)
            model.openLineUp = model.rightJoinLine;
        walkColumn(model, kDownward, trace);

        model.zWork = ComplexAdd(model.zColumn, model.zChain);
        model.zChain = model.zWork;
        if (trace) trace->addedInSeries(model.zChain);
        FindNextInSeries(model);

        // The first column alone is never bridged: the bypass part spans at least two columns.
        if (model.openLineUp != 0 && notFirstColumn) {
            FindBypassPart(model);
            if (model.bypassPart != 0) {
                takePart(model, model.bypassPart, trace);
                model.zWork = parallel(model.zChain, model.zWork);
                model.zChain = model.zWork;
                if (trace) trace->bridged(model.zChain);
            }
        }
        if (model.seriesPart == 0) return;
        if (column == kMaxColumns) throw ArithmeticError("the series walk does not end");

        notFirstColumn = true;
        takePart(model, model.seriesPart, trace);
        model.zColumn = model.zWork;
    }
}

// The result step writes the fields in the calculation's order: the unscaled parts first, then
// the magnitude, the phase and the shown values, which fail where they overflow.
void writeResult(CircuitModel& model) {
    const Complex z = model.zWork;
    model.shownRe = model.resultRe = z.re;
    model.shownIm = model.resultIm = z.im;
    arithmetic::Throwing check;
    const PlanResult result = arithmetic::resultOf(z, model.resultUnitFactor, check,
                                                   [](double q) { return std::atan(q); });
    model.shownAbs = result.shownAbs;
    model.phaseAngle = result.phaseAngle;
    model.shownRe = result.shownRe;
    model.shownIm = result.shownIm;
}

}  // namespace

double PhaseDegrees(double re, double im) {
    if (re == 0.0) return arithmetic::phaseOnAxis(im);
    arithmetic::Throwing check;
    return arithmetic::phaseOffAxis(re, im, check, [](double q) { return std::atan(q); });
}

double ShownValue(double ohms, double unitFactor) {
    arithmetic::Throwing check;
    return arithmetic::roundToThousandths(check.finite(ohms * unitFactor), check);
}

void RefreshCombinedTables(CircuitModel& model) {
    for (int s = 1; s <= kSlotCount; ++s) {
        const KindTerminals kind = model.terminals(kindOfSlot(s));
        const int k = indexInKind(s);
        model.partLeftX[s] = kind.leftX[k];
        model.partLeftY[s] = kind.leftY[k];
        model.partRightX[s] = kind.rightX[k];
        model.partRightY[s] = kind.rightY[k];
    }
}

void FindStartPart(CircuitModel& model) {
    // The best product so far is kept as a single: rounded down, it lets a later slot with an
    // equal product win.
    float best = 0.0f;
    for (std::int16_t s = 1; s <= kSlotCount; ++s) {
        const double product = checked(model.partRightX[s] * model.partRightY[s]);
        if (best < product) {
            best = toSingle(product);
            model.startPart = s;
        }
    }
}

void Calculate(CircuitModel& model, CalculationTrace* trace) {
    model.joinTolerance = kJoinTolerance;
    RefreshCombinedTables(model);
    model.zWork = model.zColumn = model.zChain = Complex{};
    model.partAbove = model.partBelow = model.seriesPart = model.bypassPart = 0;
    model.leftJoinLine = model.rightJoinLine = model.openLineUp = 0;
    lblclr(model);
    FindStartPart(model);
    if (model.startPart == 0) throw NoPartPlacedError("no part placed");

    PartImpedance(model, model.startPart);
    if (trace) trace->took(model.startPart, model.zWork);
    model.zColumn = model.zWork;
    MarkPartUsed(model, model.startPart);
    model.seriesPart = model.startPart;
    reduceColumns(model, trace);
    writeResult(model);
}
