#pragma once

#include <QList>
#include <QPointF>
#include <vector>

#include "engine/FrequencySweep.h"
#include "response/LinearScale.h"
#include "response/ShownMeasurement.h"

// What the R·X view draws, each place log10 of the frequency against the value in the result
// unit, and the range its axis shows.
struct ReactanceRuns {
    std::vector<QList<QPointF>> resistance;
    std::vector<QList<QPointF>> reactance;
    std::vector<QList<QPointF>> negative;   // on the log scale only
    std::vector<QList<QPointF>> measuredR;  // per measurement
    std::vector<QList<QPointF>> measuredX;  // per measurement
    AxisRange range;
};

// On a linear scale, with room around the values.
ReactanceRuns linearReactanceRuns(const std::vector<SweepPoint>& points,
                                  const std::vector<ShownMeasurement>& measured, double unitFactor);

// On a logarithmic scale, where R and X differ by decades: log10 of the values, and whole decades
// for the range. A value of 0, which the scale cannot show, and one more than kLogDecades below
// the largest break their runs. The curves keep the sign of X: the reactance is drawn where X is
// positive and −X on a curve of its own where it is negative; the measured points show |X|.
ReactanceRuns logReactanceRuns(const std::vector<SweepPoint>& points,
                               const std::vector<ShownMeasurement>& measured, double unitFactor);
