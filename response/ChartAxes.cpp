#include "response/ChartAxes.h"

#include <QCategoryAxis>
#include <QValueAxis>
#include <iterator>

#include "toolkit/Appearance.h"

namespace {

constexpr double kLineWidth = 1.5;
constexpr double kTitlePointSize = 9;
// Share of a linear range added at each end, so that no curve runs along the frame.
constexpr double kPadding = 0.05;
const QColor kMeasurementColours[] = {{230, 120, 0}, {128, 0, 160}, {0, 140, 140},
                                      {150, 90, 30}, {200, 0, 120}, {90, 90, 90}};

}  // namespace

QValueAxis* linearAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(minchoFont(kTitlePointSize));
    axis->setLabelFormat(QStringLiteral("%g"));
    return axis;
}

QCategoryAxis* logAxis(const QString& title) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setTitleFont(minchoFont(kTitlePointSize));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    return axis;
}

void setLinearRange(QValueAxis* axis, Span span) {
    if (span.empty()) span = {-1, 1};
    double room = (span.high - span.low) * kPadding;
    if (room == 0) room = span.high != 0 ? std::fabs(span.high) * 2 * kPadding : 1;
    axis->setRange(span.low - room, span.high + room);
    axis->applyNiceNumbers();
}

void setAxisTitle(QAbstractAxis* axis, const QString& title) {
    if (axis->titleText() != title) axis->setTitleText(title);
}

QPen chartPen(const QColor& colour, Qt::PenStyle style) {
    return {colour, kLineWidth, style};
}

QColor measurementColour(std::size_t index) {
    return kMeasurementColours[index % std::size(kMeasurementColours)];
}
