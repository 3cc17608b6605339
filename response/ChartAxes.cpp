#include "response/ChartAxes.h"

#include <QCategoryAxis>
#include <QValueAxis>
#include <iterator>

#include "response/LinearScale.h"
#include "results/NumberLabels.h"
#include "toolkit/Appearance.h"

namespace {

constexpr double kLineWidth = 1.5;
constexpr double kTitlePointSize = 9;
const QColor kMeasurementColours[] = {{230, 120, 0}, {128, 0, 160}, {0, 140, 140},
                                      {150, 90, 30}, {200, 0, 120}, {90, 90, 90}};

}  // namespace

QValueAxis* valueAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(minchoFont(kTitlePointSize));
    return axis;
}

QCategoryAxis* linearAxis(const QString& title) {
    return logAxis(title);
}

QCategoryAxis* logAxis(const QString& title) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setTitleFont(minchoFont(kTitlePointSize));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    return axis;
}

void setLinearRange(QCategoryAxis* axis, Span span) {
    labelLinearAxis(axis, paddedRange(span));
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

std::function<QString(double)> ohmLabels(double factor) {
    return [factor](double z) { return siText(z / factor, QStringLiteral("Ω"), 3); };
}
