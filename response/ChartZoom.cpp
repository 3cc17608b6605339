#include "response/ChartZoom.h"

#include <QChart>
#include <QValueAxis>
#include <cmath>
#include <utility>

namespace {

constexpr double kStepFactor = 0.8;  // of the range, per step of the wheel inward
constexpr double kPanDistance = 4;   // pixels a press moves before it pans rather than clicks

// Where a point of the plot area lies along the axis, from 0 at its low end to 1 at its high end.
double fractionAlong(const QAbstractAxis* axis, QRectF plot, QPointF at) {
    return axis->orientation() == Qt::Horizontal ? (at.x() - plot.left()) / plot.width()
                                                 : (plot.bottom() - at.y()) / plot.height();
}

}  // namespace

ChartZoom::ChartZoom(QChart* chart, Relabel relabel)
    : mChart(chart), mRelabel(std::move(relabel)) {}

void ChartZoom::keepCurrent() {
    if (zoomed()) return;
    for (QAbstractAxis* axis : mChart->axes())
        if (auto* values = qobject_cast<QValueAxis*>(axis))
            mKept.push_back({axis, values->min(), values->max(), values->min(), values->max()});
}

void ChartZoom::zoom(QPointF at, double steps) {
    keepCurrent();
    const double factor = std::pow(kStepFactor, steps);
    for (Kept& kept : mKept) {
        const double value =
            kept.low + fractionAlong(kept.axis, mChart->plotArea(), at) * (kept.high - kept.low);
        kept.low = value - (value - kept.low) * factor;
        kept.high = value + (kept.high - value) * factor;
    }
    show();
}

void ChartZoom::press(QPointF at) {
    mPressed = at;
    mPanning = false;
}

bool ChartZoom::drag(QPointF to) {
    if (!mPressed) return false;
    const QPointF moved = to - *mPressed;
    if (!mPanning && std::hypot(moved.x(), moved.y()) < kPanDistance) return false;
    mPanning = true;
    keepCurrent();
    const QRectF plot = mChart->plotArea();
    for (Kept& kept : mKept) {
        const bool across = kept.axis->orientation() == Qt::Horizontal;
        const double shift = (across ? -moved.x() / plot.width() : moved.y() / plot.height()) *
                             (kept.high - kept.low);
        kept.low += shift;
        kept.high += shift;
    }
    mPressed = to;
    show();
    return true;
}

bool ChartZoom::release() {
    const bool click = mPressed && !mPanning;
    mPressed.reset();
    mPanning = false;
    return click;
}

void ChartZoom::reset() {
    mKept.clear();
}

void ChartZoom::restore() {
    for (const Kept& kept : mKept) mRelabel(kept.axis, kept.homeLow, kept.homeHigh);
    reset();
}

void ChartZoom::reapply() {
    show();
}

void ChartZoom::show() {
    for (const Kept& kept : mKept) mRelabel(kept.axis, kept.low, kept.high);
}
