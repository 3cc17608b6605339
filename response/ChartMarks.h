#pragma once

#include <QPointF>
#include <array>
#include <optional>
#include <vector>

#include "response/ResponseData.h"

class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QGraphicsLineItem;
class QLineSeries;
class QScatterSeries;

// What a response view marks over its curves: the working frequency (a dashed line across the
// frequency views, a point on the Nyquist plot), the markers M1 to M4 the user placed, and a
// cross-hair through the pointer.
class ChartMarks {
public:
    // `frequencyView`: the working frequency is a line at its frequency, else a point.
    ChartMarks(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, bool frequencyView);

    // On a frequency view from `low` to `high` of the left axis; on the Nyquist plot at `place`.
    void showWorking(const ResponseData& data, double low, double high,
                     std::optional<QPointF> place);
    // The places of the markers in the chart's values, by number 1..4; none for one not shown.
    void showMarkers(const std::array<std::optional<QPointF>, 4>& places);
    // Through a point of the plot area in the chart's coordinates; none hides it.
    void showCrossHair(std::optional<QPointF> at);

private:
    void nameWorking(QAbstractSeries* mark, const ResponseData& data);

    QChart* mChart;
    QLineSeries* mLine = nullptr;
    QScatterSeries* mPoint = nullptr;
    std::array<QScatterSeries*, 4> mMarkers{};
    std::array<QGraphicsLineItem*, 2> mCrossHair{};
};
