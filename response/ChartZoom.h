#pragma once

#include <QPointF>
#include <functional>
#include <optional>
#include <vector>

class QAbstractAxis;
class QChart;

// Zoom and pan for a chart whose axes the view labels itself: the wheel zooms about the pointer,
// a drag pans, and a reset goes back to the ranges the view chose. Each axis's range is kept in
// the values it plots (log10 of the values on a logarithmic axis) and handed to `relabel`, which
// sets the axis to it and labels it. While zoomed, a refill of the view keeps the ranges.
class ChartZoom {
public:
    using Relabel = std::function<void(QAbstractAxis* axis, double low, double high)>;
    ChartZoom(QChart* chart, Relabel relabel);

    bool zoomed() const { return !mKept.empty(); }
    // `steps` of the wheel (positive: in) about a point of the plot area, in chart coordinates.
    void zoom(QPointF at, double steps);
    // Starts a drag at a point of the plot area; moves report whether the drag pans yet.
    void press(QPointF at);
    bool drag(QPointF to);
    // Ends a drag: true when it never moved far enough to pan (a click).
    bool release();
    // Forgets the zoom; the view then sets its own ranges again.
    void reset();
    // Back to the ranges the view had chosen, for a view that does not refill itself.
    void restore();
    // After the view set its own ranges: the kept ones again, while zoomed.
    void reapply();

private:
    struct Kept {
        QAbstractAxis* axis;
        double low, high;
        double homeLow, homeHigh;  // as the view chose them
    };
    void keepCurrent();
    void show();

    QChart* mChart;
    Relabel mRelabel;
    std::vector<Kept> mKept;  // empty while not zoomed
    std::optional<QPointF> mPressed;
    bool mPanning = false;
};
