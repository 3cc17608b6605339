#pragma once

#include <QList>
#include <QPointF>
#include <QScatterSeries>
#include <QString>
#include <vector>

#include "response/ShownMeasurement.h"

class QAbstractAxis;
class QChart;

// Qt Charts' legend shows a series' name as rich text: a name from a file goes in escaped, so that
// it shows as written and never as markup.
inline QString legendText(const QString& text) {
    return text.toHtmlEscaped();
}

// One quantity of the listed measurements drawn as points over a chart: a scatter series for each
// measurement in its colour, named in the legend by its file. The series come from a pool that
// only grows; those not wanted are emptied and left out of the legend.
class MeasuredSeries {
public:
    // `suffix` follows the file's name in the legend ("（位相角）"); the marker's shape tells
    // the quantities of one measurement apart.
    MeasuredSeries(QChart* chart, QAbstractAxis* x, QAbstractAxis* y,
                   QScatterSeries::MarkerShape shape, QString suffix = {});

    // One list of places per measurement, as placesOf gives them.
    void setPoints(const std::vector<ShownMeasurement>& measured,
                   const std::vector<QList<QPointF>>& places);

private:
    QChart* mChart;
    QAbstractAxis* mX;
    QAbstractAxis* mY;
    QScatterSeries::MarkerShape mShape;
    QString mSuffix;
    std::vector<QScatterSeries*> mPool;  // owned by the chart
};
