#pragma once

#include <QChartView>
#include <QPointF>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "response/GappedSeries.h"
#include "response/LinearScale.h"
#include "response/MarkedPoint.h"
#include "response/MeasuredSeries.h"
#include "response/ResponseData.h"

class ChartMarks;
class ChartZoom;
class QCategoryAxis;
class QCheckBox;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// One Qt Charts view of a frequency response: |Z| and the phase angle, or R and X, against a
// logarithmic frequency axis, or the Nyquist plot of -X against R, an ohm as long across as up.
// Axes and series are made once; each response refills them, ranges first so that the points are
// laid out only once. The working frequency is marked when it is set; the listed measurements are
// drawn as points over the curves, and the markers the user placed. The wheel zooms, a drag pans,
// a double-click resets; a cross-hair follows the pointer.
class ResponseChart : public QChartView {
    Q_OBJECT
public:
    enum class View { MagnitudePhase, ResistanceReactance, Nyquist };

    explicit ResponseChart(View view, QWidget* parent = nullptr);
    ~ResponseChart() override;

    void showResponse(const ResponseData& data);
    // Drawn where each lies on the view's first curve, labelled "M1".."M4".
    void showMarkers(const std::vector<MarkedPoint>& markers);

signals:
    // The sweep point nearest the pointer, -1 when the pointer leaves the plot.
    void pointed(int index);
    // The R·X view's choice of scale changed, or a double-click reset the zoom: the view wants
    // the response again.
    void scaleChanged();
    // A click on the plot (not a drag, not the first click of a double-click): the sweep point
    // nearest the pointer.
    void clicked(int index);

private:
    void buildFrequencyAxes();
    void addCurves(QAbstractAxis* left, QAbstractAxis* secondAxis, const QString& first,
                   const QString& second);
    void buildLogChoice();
    void buildNyquistAxes();
    void showFrequencyAxis(double start, double stop);
    void showMagnitudePhase(const ResponseData& data);
    void showResistanceReactance(const ResponseData& data);
    void showNyquist(const ResponseData& data);
    void fitNyquist();
    void relabel(QAbstractAxis* axis, double low, double high);
    void placeMarkers();
    std::optional<QPointF> placeOf(const SweepPoint& point) const;

    View mView;
    QChart* mChart;
    QCategoryAxis* mFrequency = nullptr;  // log10 of hertz
    QCategoryAxis* mMagnitude = nullptr;  // log10 of |Z| in the result unit
    QValueAxis* mPhase = nullptr;
    QCategoryAxis* mLinearX = nullptr;
    QCategoryAxis* mLinearY = nullptr;
    std::unique_ptr<GappedSeries> mFirst;
    std::unique_ptr<GappedSeries> mSecond;
    std::unique_ptr<MeasuredSeries> mMeasuredFirst;
    std::unique_ptr<MeasuredSeries> mMeasuredSecond;  // none on the Nyquist plot
    std::unique_ptr<GappedSeries> mNegative;          // −X on the R·X view's log scale
    QCheckBox* mLogScale = nullptr;                   // on the R·X view only
    std::unique_ptr<ChartZoom> mZoom;
    std::unique_ptr<ChartMarks> mMarks;
    std::vector<MarkedPoint> mMarked;
    double mFactor = 1;  // the result unit's, as last shown
    // Where each sweep point lies in the chart's values, for the pointer: x alone on the
    // frequency views, NaN on the Nyquist plot where the point has no impedance.
    std::vector<QPointF> mPlotted;
    // The ranges the log axes were last labelled for; labelling is the costly part of a refill.
    std::pair<double, double> mFrequencyLabelled{0, 0};
    std::pair<double, double> mMagnitudeLabelled{0, 0};
    double mMagnitudeFactor = 0;
    // The Nyquist plot's values with room, before the scale is made the same on both axes.
    AxisRange mAcross;
    AxisRange mUp;
};
