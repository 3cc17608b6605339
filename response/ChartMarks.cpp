#include "response/ChartMarks.h"

#include <QChart>
#include <QGraphicsLineItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <cmath>

#include "response/ChartAxes.h"
#include "results/NumberLabels.h"

namespace {

const QColor kWorkingColour(0, 128, 0);
const QColor kMarkerColour(230, 120, 0);
const QColor kCrossHairColour(120, 120, 120);
constexpr double kPointSize = 10;

template <typename Series>
Series* attached(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    auto* series = new Series;
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* entry : chart->legend()->markers(series)) entry->setVisible(false);
}

}  // namespace

ChartMarks::ChartMarks(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, bool frequencyView)
    : mChart(chart) {
    if (frequencyView) {
        mLine = attached<QLineSeries>(chart, x, y);
        mLine->setPen(chartPen(kWorkingColour, Qt::DashLine));
    } else {
        mPoint = attached<QScatterSeries>(chart, x, y);
        mPoint->setColor(kWorkingColour);
        mPoint->setBorderColor(kWorkingColour);
        mPoint->setMarkerSize(kPointSize);
    }
    for (std::size_t i = 0; i < mMarkers.size(); ++i) {
        QScatterSeries* marker = mMarkers[i] = attached<QScatterSeries>(chart, x, y);
        marker->setName(QStringLiteral("M%1").arg(i + 1));
        marker->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        marker->setMarkerSize(kPointSize);
        marker->setColor(kMarkerColour);
        marker->setBorderColor(Qt::black);
        marker->setPointLabelsFormat(marker->name());
        marker->setPointLabelsVisible(true);
        marker->setPointLabelsClipping(false);
        hideFromLegend(chart, marker);
    }
    for (QGraphicsLineItem*& line : mCrossHair) {
        line = new QGraphicsLineItem(chart);
        line->setPen(QPen(kCrossHairColour, 0, Qt::DotLine));
        line->hide();
    }
}

void ChartMarks::showWorking(const ResponseData& data, double low, double high,
                             std::optional<QPointF> place) {
    if (mPoint != nullptr) {
        QList<QPointF> point;
        if (place) point.append(*place);
        mPoint->replace(point);
        nameWorking(mPoint, data);
        return;
    }
    QList<QPointF> line;
    if (data.working && data.working->frequency >= data.start &&
        data.working->frequency <= data.stop) {
        const double x = std::log10(data.working->frequency);
        line = {{x, low}, {x, high}};
    }
    mLine->replace(line);
    nameWorking(mLine, data);
}

// Without a working frequency there is nothing to mark, and the legend says nothing of it.
void ChartMarks::nameWorking(QAbstractSeries* mark, const ResponseData& data) {
    QString name;
    if (data.working) {
        const double f = data.working->frequency;
        name = QStringLiteral("動作周波数 ") + siText(f, QStringLiteral("Hz"));
        if (f < data.start || f > data.stop)
            name += QStringLiteral("（範囲外）");
        else if (!data.working->valid)
            name += QStringLiteral("（計算できません）");
    }
    if (mark->name() != name) mark->setName(name);
    for (QLegendMarker* entry : mChart->legend()->markers(mark))
        entry->setVisible(data.working.has_value());
}

void ChartMarks::showMarkers(const std::array<std::optional<QPointF>, 4>& places) {
    for (std::size_t i = 0; i < mMarkers.size(); ++i) {
        QList<QPointF> point;
        if (places[i]) point.append(*places[i]);
        mMarkers[i]->replace(point);
    }
}

void ChartMarks::showCrossHair(std::optional<QPointF> at) {
    const QRectF plot = mChart->plotArea();
    for (QGraphicsLineItem* line : mCrossHair) line->setVisible(at.has_value());
    if (!at) return;
    mCrossHair[0]->setLine(plot.left(), at->y(), plot.right(), at->y());
    mCrossHair[1]->setLine(at->x(), plot.top(), at->x(), plot.bottom());
}
