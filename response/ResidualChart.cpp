#include "response/ResidualChart.h"

#include <QCategoryAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <cmath>

#include "response/ChartAxes.h"
#include "response/ChartZoom.h"
#include "response/LinearScale.h"
#include "response/LogScale.h"
#include "results/NumberLabels.h"
#include "toolkit/Appearance.h"

namespace {

const QColor kKkColour(60, 60, 60);
// Logical pixels, as the other views.
constexpr QSize kChartMinimumSize(640, 400);
constexpr double kWheelStep = 120;  // angle units of one step of a mouse wheel

QList<QPointF> kkPlaces(const std::vector<KkResidual>& residuals, double KkResidual::*part) {
    QList<QPointF> places;
    for (const KkResidual& r : residuals) places.append({std::log10(r.frequency), r.*part});
    return places;
}

}  // namespace

ResidualChart::ResidualChart(QWidget* parent)
    : QChartView(new QChart, parent),
      mChart(chart()),
      mFrequency(logAxis(QStringLiteral("周波数 (Hz)"))),
      mPercent(linearAxis(QStringLiteral("残差 図面 − 測定 (|Z 測定| に対する %)"))),
      mKkReal(new QLineSeries),
      mKkImaginary(new QLineSeries),
      mZoom(std::make_unique<ChartZoom>(
          mChart,
          [this](QAbstractAxis* axis, double low, double high) { relabel(axis, low, high); })) {
    setObjectName(QStringLiteral("residualChart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(kChartMinimumSize);
    mChart->legend()->setAlignment(Qt::AlignBottom);
    mChart->legend()->setFont(minchoFont(9));
    mChart->addAxis(mFrequency, Qt::AlignBottom);
    mChart->addAxis(mPercent, Qt::AlignLeft);
    mKkReal->setPen(chartPen(kKkColour));
    mKkImaginary->setPen(chartPen(kKkColour, Qt::DashLine));
    for (QLineSeries* series : {mKkReal, mKkImaginary}) {
        mChart->addSeries(series);
        series->attachAxis(mFrequency);
        series->attachAxis(mPercent);
    }
    mReal = std::make_unique<MeasuredSeries>(
        mChart, mFrequency, mPercent, QScatterSeries::MarkerShapeCircle, QStringLiteral("（Re）"));
    mImaginary = std::make_unique<MeasuredSeries>(mChart, mFrequency, mPercent,
                                                  QScatterSeries::MarkerShapeRectangle,
                                                  QStringLiteral("（Im）"));
}

ResidualChart::~ResidualChart() = default;

void ResidualChart::showResiduals(const std::vector<ShownMeasurement>& measured,
                                  const std::vector<std::vector<KkResidual>>& residuals,
                                  const ShownMeasurement* chosen) {
    std::vector<QList<QPointF>> real(measured.size()), imaginary(measured.size());
    Span span;
    for (std::size_t m = 0; m < measured.size() && m < residuals.size(); ++m) {
        real[m] = kkPlaces(residuals[m], &KkResidual::re);
        imaginary[m] = kkPlaces(residuals[m], &KkResidual::im);
    }
    span.take(real, &QPointF::y);
    span.take(imaginary, &QPointF::y);
    showFrequencyAxis(measured);
    showKramersKronig(chosen);
    if (chosen != nullptr) {
        span.take({mKkReal->points()}, &QPointF::y);
        span.take({mKkImaginary->points()}, &QPointF::y);
    }
    setLinearRange(mPercent, span);
    mReal->setPoints(measured, real);
    mImaginary->setPoints(measured, imaginary);
    if (mZoom->zoomed()) mZoom->reapply();
}

// Whole decades around every measured frequency: the residuals exist only there.
void ResidualChart::showFrequencyAxis(const std::vector<ShownMeasurement>& measured) {
    double low = INFINITY, high = -INFINITY;
    for (const ShownMeasurement& m : measured)
        if (m.data && !m.data->points.empty()) {
            low = std::min(low, std::log10(m.data->points.front().frequency));
            high = std::max(high, std::log10(m.data->points.back().frequency));
        }
    std::pair range =
        low <= high ? std::pair(std::floor(low), std::ceil(high)) : std::pair(0.0, 1.0);
    if (range.first == range.second) range.second += 1;
    if (range == mLabelled) return;
    labelLogAxis(mFrequency, range.first, range.second, [](double f) { return siCompact(f); });
    mLabelled = range;
}

void ResidualChart::showKramersKronig(const ShownMeasurement* chosen) {
    const bool shown = chosen != nullptr && chosen->data.has_value();
    const std::vector<KkResidual> none;
    const std::vector<KkResidual>& residuals = shown ? chosen->check.residuals : none;
    mKkReal->replace(kkPlaces(residuals, &KkResidual::re));
    mKkImaginary->replace(kkPlaces(residuals, &KkResidual::im));
    const QString name = shown ? legendText(chosen->name) : QString();
    mKkReal->setName(QStringLiteral("Lin-KK Re（") + name + u'）');
    mKkImaginary->setName(QStringLiteral("Lin-KK Im（") + name + u'）');
    for (QLineSeries* series : {mKkReal, mKkImaginary})
        for (QLegendMarker* entry : mChart->legend()->markers(series)) entry->setVisible(shown);
}

void ResidualChart::relabel(QAbstractAxis* axis, double low, double high) {
    if (axis == mFrequency) {
        labelLogAxis(mFrequency, low, high, [](double f) { return siCompact(f); });
        mLabelled = {low, high};
    } else {
        labelLinearAxis(mPercent, {low, high});
    }
}

QPointF ResidualChart::chartPoint(QPointF position) const {
    return mChart->mapFromScene(mapToScene(position.toPoint()));
}

void ResidualChart::wheelEvent(QWheelEvent* event) {
    const QPointF at = chartPoint(event->position());
    if (!mChart->plotArea().contains(at)) return QChartView::wheelEvent(event);
    mZoom->zoom(at, event->angleDelta().y() / kWheelStep);
}

void ResidualChart::mousePressEvent(QMouseEvent* event) {
    QChartView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) mZoom->press(chartPoint(event->position()));
}

void ResidualChart::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) mZoom->drag(chartPoint(event->position()));
}

void ResidualChart::mouseReleaseEvent(QMouseEvent* event) {
    QChartView::mouseReleaseEvent(event);
    mZoom->release();
}

void ResidualChart::mouseDoubleClickEvent(QMouseEvent* event) {
    QChartView::mouseDoubleClickEvent(event);
    mZoom->restore();
}
