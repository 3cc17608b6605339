#include "response/ChartPointer.h"

#include <QApplication>
#include <QChartView>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QXYSeries>
#include <optional>

#include "response/ChartMarks.h"
#include "response/ChartZoom.h"
#include "response/NearestPoint.h"

namespace {

constexpr double kWheelStep = 120;  // angle units of one step of a mouse wheel

}  // namespace

ChartPointer::ChartPointer(QChartView& view, ChartZoom& zoom, ChartMarks& marks,
                           const std::vector<QPointF>& plotted, QXYSeries* series,
                           bool frequencyView)
    : QObject(&view),
      mView(view),
      mZoom(zoom),
      mMarks(marks),
      mPlotted(plotted),
      mSeries(series),
      mFrequencyView(frequencyView) {
    mClick.setSingleShot(true);
    mClick.setInterval(QApplication::doubleClickInterval());
    connect(&mClick, &QTimer::timeout, this, [this] { emit clicked(mClickedIndex); });
    view.viewport()->installEventFilter(this);
}

QPointF ChartPointer::chartPoint(QPointF position) const {
    return mView.chart()->mapFromScene(mView.mapToScene(position.toPoint()));
}

// Watches only; the view still gets every event but the wheel's over the plot.
bool ChartPointer::eventFilter(QObject* watched, QEvent* event) {
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) mZoom.press(chartPoint(mouse->position()));
            break;
        case QEvent::MouseMove: moved(mouse->position(), mouse->buttons() & Qt::LeftButton); break;
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::LeftButton) released(mouse->position());
            break;
        case QEvent::MouseButtonDblClick:
            mClick.stop();
            mZoom.reset();
            emit resetWanted();
            break;
        case QEvent::Wheel: {
            const auto* wheel = static_cast<const QWheelEvent*>(event);
            return wheeled(wheel->position(), wheel->angleDelta().y() / kWheelStep);
        }
        case QEvent::Leave:
            mMarks.showCrossHair(std::nullopt);
            emit pointed(-1);
            break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

void ChartPointer::moved(QPointF position, bool dragging) {
    const QPointF at = chartPoint(position);
    if (dragging) mZoom.drag(at);
    const bool inside = mView.chart()->plotArea().contains(at);
    mMarks.showCrossHair(inside ? std::optional(at) : std::nullopt);
    emit pointed(pointAt(position));
}

void ChartPointer::released(QPointF position) {
    if (!mZoom.release()) return;
    mClickedIndex = pointAt(position);
    if (mClickedIndex >= 0) mClick.start();
}

bool ChartPointer::wheeled(QPointF position, double steps) {
    const QPointF at = chartPoint(position);
    if (!mView.chart()->plotArea().contains(at)) return false;
    mZoom.zoom(at, steps);
    return true;
}

int ChartPointer::pointAt(QPointF position) const {
    const QPointF inChart = chartPoint(position);
    QChart* chart = mView.chart();
    if (mPlotted.empty() || !chart->plotArea().contains(inChart)) return -1;
    if (mFrequencyView) return nearestAlong(mPlotted, chart->mapToValue(inChart, mSeries).x());
    return nearestOnScreen(mPlotted, inChart,
                           [&](QPointF p) { return chart->mapToPosition(p, mSeries); });
}
