#include "response/MeasuredSeries.h"

#include <QChart>
#include <QLegendMarker>
#include <utility>

#include "response/ChartAxes.h"

namespace {

// Logical pixels: small enough that a dense measurement still shows the curve under it.
constexpr double kPointSize = 6;

}  // namespace

MeasuredSeries::MeasuredSeries(QChart* chart, QAbstractAxis* x, QAbstractAxis* y,
                               QScatterSeries::MarkerShape shape, QString suffix)
    : mChart(chart), mX(x), mY(y), mShape(shape), mSuffix(std::move(suffix)) {}

void MeasuredSeries::setPoints(const std::vector<ShownMeasurement>& measured,
                               const std::vector<QList<QPointF>>& places) {
    while (mPool.size() < measured.size()) {
        auto* series = new QScatterSeries;
        series->setMarkerShape(mShape);
        series->setMarkerSize(kPointSize);
        series->setPen(Qt::NoPen);
        mChart->addSeries(series);
        series->attachAxis(mX);
        series->attachAxis(mY);
        mPool.push_back(series);
    }
    for (std::size_t i = 0; i < mPool.size(); ++i) {
        QScatterSeries* series = mPool[i];
        const bool shown = i < measured.size() && measured[i].data.has_value();
        series->replace(shown ? places[i] : QList<QPointF>());
        const QString name = shown ? legendText(measured[i].name) + mSuffix : QString();
        if (series->name() != name) series->setName(name);
        if (shown) series->setColor(measurementColour(i));
        for (QLegendMarker* entry : mChart->legend()->markers(series)) entry->setVisible(shown);
    }
}
