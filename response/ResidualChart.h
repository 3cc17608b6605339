#pragma once

#include <QChartView>
#include <memory>
#include <utility>
#include <vector>

#include "measurement/KramersKronigCheck.h"
#include "response/MeasuredSeries.h"
#include "response/ShownMeasurement.h"

class ChartZoom;
class QCategoryAxis;
class QLineSeries;

// How far the drawing lies from each listed measurement: the real and imaginary parts of
// (Z drawing − Z measured) in percent of |Z measured| against a logarithmic frequency axis, as
// points in the measurement's colour, and as lines the Lin-KK residuals of the measurement chosen
// in the list, which tell how far the data itself is from any linear, causal, stable network.
class ResidualChart : public QChartView {
    Q_OBJECT
public:
    explicit ResidualChart(QWidget* parent = nullptr);
    ~ResidualChart() override;

    // One list of residuals per listed measurement (empty for one without data); `chosen` is the
    // measurement whose Lin-KK residuals are drawn, nullptr for none.
    void showResiduals(const std::vector<ShownMeasurement>& measured,
                       const std::vector<std::vector<KkResidual>>& residuals,
                       const ShownMeasurement* chosen);

protected:
    // The wheel zooms about the pointer, a drag pans, a double-click resets.
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPointF chartPoint(QPointF position) const;
    void relabel(QAbstractAxis* axis, double low, double high);
    void showFrequencyAxis(const std::vector<ShownMeasurement>& measured);
    void showKramersKronig(const ShownMeasurement* chosen);

    QChart* mChart;
    QCategoryAxis* mFrequency;  // log10 of hertz
    QCategoryAxis* mPercent;
    std::unique_ptr<MeasuredSeries> mReal;
    std::unique_ptr<MeasuredSeries> mImaginary;
    QLineSeries* mKkReal;
    QLineSeries* mKkImaginary;
    std::pair<double, double> mLabelled{0, 0};
    std::unique_ptr<ChartZoom> mZoom;
};
