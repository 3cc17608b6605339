#pragma once

#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>
#include <vector>

class QAbstractAxis;
class QChart;
class QLineSeries;

// One quantity of a chart drawn as runs of points with gaps between them, where the reduction
// failed. A line series cannot break, so each run has a series of its own, taken from a pool that
// only ever grows: refilling replaces the points of the series already there and empties the
// rest, and only the first shows in the legend.
class GappedSeries {
public:
    GappedSeries(QChart* chart, const QString& name, const QPen& pen, QAbstractAxis* x,
                 QAbstractAxis* y);

    void setRuns(const std::vector<QList<QPointF>>& runs);
    // The first series of the pool, which always exists: it maps the chart's values.
    QLineSeries* first() const { return mPool.front(); }

private:
    void grow();

    QChart* mChart;
    QPen mPen;
    QAbstractAxis* mX;
    QAbstractAxis* mY;
    std::vector<QLineSeries*> mPool;  // owned by the chart
};
