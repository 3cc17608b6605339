#include "response/ResponseChart.h"

#include <QCategoryAxis>
#include <QCheckBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>
#include <optional>

#include "response/ChartAxes.h"
#include "response/LogScale.h"
#include "response/MeasuredPlaces.h"
#include "response/NearestPoint.h"
#include "response/PointRuns.h"
#include "response/ReactanceRuns.h"
#include "results/NumberLabels.h"
#include "results/ResultUnits.h"
#include "toolkit/Appearance.h"

namespace {

const QColor kFirstColour(27, 58, 140);
const QColor kSecondColour(192, 24, 24);
const QColor kMarkerColour(0, 128, 0);
constexpr double kMarkerSize = 10;
// Logical pixels between the view's corner and the choice of scale laid over it.
constexpr int kChoiceMargin = 6;
// Logical pixels: a chart that reads at a glance.
constexpr QSize kChartMinimumSize(640, 400);
// Decades added below and above the |Z| curve before the axis is widened to whole decades.
constexpr double kMagnitudeRoom = 0.1;

QString unitText(double factor) {
    return QString::fromStdString(resultUnitText(factor));
}

}  // namespace

ResponseChart::ResponseChart(View view, QWidget* parent)
    : QChartView(new QChart, parent), mView(view), mChart(chart()) {
    const char* const names[] = {"magnitudePhaseChart", "resistanceReactanceChart", "nyquistChart"};
    setObjectName(QString::fromLatin1(names[static_cast<int>(view)]));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(kChartMinimumSize);
    mChart->legend()->setAlignment(Qt::AlignBottom);
    mChart->legend()->setFont(minchoFont(9));
    if (view == View::Nyquist)
        buildNyquistAxes();
    else
        buildFrequencyAxes();
}

void ResponseChart::buildFrequencyAxes() {
    mFrequency = logAxis(QStringLiteral("周波数 (Hz)"));
    mChart->addAxis(mFrequency, Qt::AlignBottom);
    const bool magnitudePhase = mView == View::MagnitudePhase;
    QCategoryAxis* left = magnitudePhase ? (mMagnitude = logAxis(QStringLiteral("|Z|")))
                                         : (mLinearY = linearAxis({}));
    mChart->addAxis(left, Qt::AlignLeft);
    if (magnitudePhase) {
        mPhase = valueAxis(QStringLiteral("位相角 (°)"));
        mPhase->setRange(-90, 90);
        mPhase->setTickCount(7);
        mPhase->setLabelFormat(QStringLiteral("%.0f"));
        mChart->addAxis(mPhase, Qt::AlignRight);
        addCurves(left, mPhase, QStringLiteral("|Z|"), QStringLiteral("位相角"));
    } else {
        addCurves(left, left, QStringLiteral("R"), QStringLiteral("X"));
        buildLogChoice();
    }
    mMarkerLine = new QLineSeries;
    mMarkerLine->setPen(chartPen(kMarkerColour, Qt::DashLine));
    mChart->addSeries(mMarkerLine);
    mMarkerLine->attachAxis(mFrequency);
    mMarkerLine->attachAxis(left);
}

// The two quantities of a frequency view, the first on the left axis, and the measured points of
// each in the legend by the quantity's name.
void ResponseChart::addCurves(QAbstractAxis* left, QAbstractAxis* secondAxis, const QString& first,
                              const QString& second) {
    mFirst =
        std::make_unique<GappedSeries>(mChart, first, chartPen(kFirstColour), mFrequency, left);
    mSecond = std::make_unique<GappedSeries>(mChart, second, chartPen(kSecondColour), mFrequency,
                                             secondAxis);
    mMeasuredFirst = std::make_unique<MeasuredSeries>(
        mChart, mFrequency, left, QScatterSeries::MarkerShapeCircle, u'（' + first + u'）');
    mMeasuredSecond = std::make_unique<MeasuredSeries>(mChart, mFrequency, secondAxis,
                                                       QScatterSeries::MarkerShapeRectangle,
                                                       u'（' + second + u'）');
}

// The R·X view's choice of a logarithmic scale, over the chart's top left corner, and the dashed
// curve of −X that scale needs. The view refills itself from the window when the choice changes.
void ResponseChart::buildLogChoice() {
    mLogScale = new QCheckBox(QStringLiteral("対数目盛（X が負のところは −X を破線で）"), this);
    mLogScale->setObjectName(QStringLiteral("logReactance"));
    mLogScale->move(kChoiceMargin, kChoiceMargin);
    QMargins margins = mChart->margins();
    margins.setTop(margins.top() + mLogScale->sizeHint().height());
    mChart->setMargins(margins);
    mNegative =
        std::make_unique<GappedSeries>(mChart, QStringLiteral("−X（X が負）"),
                                       chartPen(kSecondColour, Qt::DashLine), mFrequency, mLinearY);
    connect(mLogScale, &QCheckBox::toggled, this, [this] {
        // The axis is labelled afresh on the other scale, even for the same numbers.
        for (const QString& label : mLinearY->categoriesLabels()) mLinearY->remove(label);
        emit scaleChanged();
    });
}

void ResponseChart::buildNyquistAxes() {
    mLinearX = linearAxis({});
    mLinearY = linearAxis({});
    mChart->addAxis(mLinearX, Qt::AlignBottom);
    mChart->addAxis(mLinearY, Qt::AlignLeft);
    mFirst = std::make_unique<GappedSeries>(mChart, QStringLiteral("Z"), chartPen(kFirstColour),
                                            mLinearX, mLinearY);
    mMeasuredFirst = std::make_unique<MeasuredSeries>(mChart, mLinearX, mLinearY,
                                                      QScatterSeries::MarkerShapeCircle);
    mMarkerPoint = new QScatterSeries;
    mMarkerPoint->setColor(kMarkerColour);
    mMarkerPoint->setBorderColor(kMarkerColour);
    mMarkerPoint->setMarkerSize(kMarkerSize);
    mChart->addSeries(mMarkerPoint);
    mMarkerPoint->attachAxis(mLinearX);
    mMarkerPoint->attachAxis(mLinearY);
    connect(mChart, &QChart::plotAreaChanged, this, &ResponseChart::fitNyquist);
}

void ResponseChart::showResponse(const ResponseData& data) {
    mPlotted.clear();
    mPlotted.reserve(data.points.size());
    for (const SweepPoint& p : data.points) {
        if (mView != View::Nyquist)
            mPlotted.emplace_back(std::log10(p.frequency), 0);
        else if (p.valid)
            mPlotted.emplace_back(p.z.re * data.unitFactor, -p.z.im * data.unitFactor);
        else
            mPlotted.emplace_back(NAN, NAN);
    }
    switch (mView) {
        case View::MagnitudePhase: showMagnitudePhase(data); break;
        case View::ResistanceReactance: showResistanceReactance(data); break;
        case View::Nyquist: showNyquist(data); break;
    }
}

void ResponseChart::showFrequencyAxis(double start, double stop) {
    const std::pair range(std::log10(start), std::log10(stop));
    if (range == mFrequencyLabelled) return;
    labelLogAxis(mFrequency, range.first, range.second, [](double f) { return siCompact(f); });
    mFrequencyLabelled = range;
}

void ResponseChart::showMagnitudePhase(const ResponseData& data) {
    const double factor = data.unitFactor;
    // A log axis cannot show 0: a magnitude of exactly 0 is left out like a failed point.
    const std::vector<QList<QPointF>> magnitudes =
        runsOf(data.points, [factor](const SweepPoint& p) -> std::optional<QPointF> {
            const double m = std::hypot(p.z.re, p.z.im) * factor;
            if (!(m > 0)) return std::nullopt;
            return QPointF(std::log10(p.frequency), std::log10(m));
        });
    const std::vector<QList<QPointF>> phases =
        runsOf(data.points, [](const SweepPoint& p) -> std::optional<QPointF> {
            return QPointF(std::log10(p.frequency), p.phase);
        });
    const std::vector<QList<QPointF>> measuredMagnitudes = logMagnitudes(data.measured, factor);
    Span span;
    span.take(magnitudes, &QPointF::y);
    span.take(measuredMagnitudes, &QPointF::y);
    // Whole decades, so that the axis stands still while a drag changes the curve a little.
    const std::pair decades = span.empty() ? std::pair(0.0, 1.0)
                                           : std::pair(std::floor(span.low - kMagnitudeRoom),
                                                       std::ceil(span.high + kMagnitudeRoom));
    showFrequencyAxis(data.start, data.stop);
    if (decades != mMagnitudeLabelled || factor != mMagnitudeFactor) {
        labelLogAxis(mMagnitude, decades.first, decades.second,
                     [factor](double z) { return siText(z / factor, QStringLiteral("Ω"), 3); });
        mMagnitudeLabelled = decades, mMagnitudeFactor = factor;
    }
    markFrequency(data, decades.first, decades.second);
    mFirst->setRuns(magnitudes);
    mSecond->setRuns(phases);
    mMeasuredFirst->setPoints(data.measured, measuredMagnitudes);
    mMeasuredSecond->setPoints(data.measured, phaseAngles(data.measured));
}

// The log scale is labelled in ohms with SI prefixes, as the |Z| axis is.
void ResponseChart::showResistanceReactance(const ResponseData& data) {
    const double factor = data.unitFactor;
    const bool log = mLogScale->isChecked();
    const ReactanceRuns runs = log ? logReactanceRuns(data.points, data.measured, factor)
                                   : linearReactanceRuns(data.points, data.measured, factor);
    showFrequencyAxis(data.start, data.stop);
    if (log) {
        setAxisTitle(mLinearY, QStringLiteral("R, |X|"));
        labelLogAxis(mLinearY, runs.range.low, runs.range.high,
                     [factor](double z) { return siText(z / factor, QStringLiteral("Ω"), 3); });
    } else {
        setAxisTitle(mLinearY, QStringLiteral("R, X (") + unitText(factor) + u')');
        labelLinearAxis(mLinearY, runs.range);
    }
    markFrequency(data, runs.range.low, runs.range.high);
    mFirst->setRuns(runs.resistance);
    mSecond->setRuns(runs.reactance);
    mNegative->setRuns(runs.negative);
    for (QLegendMarker* entry : mChart->legend()->markers(mNegative->first()))
        entry->setVisible(log);
    mMeasuredFirst->setPoints(data.measured, runs.measuredR);
    mMeasuredSecond->setPoints(data.measured, runs.measuredX);
}

void ResponseChart::showNyquist(const ResponseData& data) {
    const double factor = data.unitFactor;
    const std::vector<QList<QPointF>> curve =
        runsOf(data.points, [factor](const SweepPoint& p) -> std::optional<QPointF> {
            return QPointF(p.z.re * factor, -p.z.im * factor);
        });
    const std::vector<QList<QPointF>> measured = nyquistPlaces(data.measured, factor);
    Span across, up;
    for (const auto* runs : {&curve, &measured}) {
        across.take(*runs, &QPointF::x);
        up.take(*runs, &QPointF::y);
    }
    const QString unit = unitText(factor);
    setAxisTitle(mLinearX, QStringLiteral("R (") + unit + u')');
    setAxisTitle(mLinearY, QStringLiteral("−X (") + unit + u')');
    mAcross = paddedRange(across);
    mUp = paddedRange(up);
    fitNyquist();
    QList<QPointF> marker;
    if (data.working && data.working->valid)
        marker.append(QPointF(data.working->z.re * factor, -data.working->z.im * factor));
    mMarkerPoint->replace(marker);
    nameMarker(mMarkerPoint, data);
    mFirst->setRuns(curve);
    mMeasuredFirst->setPoints(data.measured, measured);
}

// Again whenever the plot area changes shape; the labels this sets may change it once more, and
// the ranges follow until it stands still.
void ResponseChart::fitNyquist() {
    const auto [across, up] = equalScale(mAcross, mUp, mChart->plotArea().size());
    labelLinearAxis(mLinearX, across);
    labelLinearAxis(mLinearY, up);
}

void ResponseChart::markFrequency(const ResponseData& data, double low, double high) {
    QList<QPointF> line;
    if (data.working && data.working->frequency >= data.start &&
        data.working->frequency <= data.stop) {
        const double x = std::log10(data.working->frequency);
        line = {{x, low}, {x, high}};
    }
    mMarkerLine->replace(line);
    nameMarker(mMarkerLine, data);
}

// Without a working frequency there is nothing to mark, and the legend says nothing of it.
void ResponseChart::nameMarker(QAbstractSeries* marker, const ResponseData& data) {
    QString name;
    if (data.working) {
        const double f = data.working->frequency;
        name = QStringLiteral("動作周波数 ") + siText(f, QStringLiteral("Hz"));
        if (f < data.start || f > data.stop)
            name += QStringLiteral("（範囲外）");
        else if (!data.working->valid)
            name += QStringLiteral("（計算できません）");
    }
    if (marker->name() != name) marker->setName(name);
    for (QLegendMarker* entry : mChart->legend()->markers(marker))
        entry->setVisible(data.working.has_value());
}

void ResponseChart::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    emit pointed(pointAt(event->position().toPoint()));
}

void ResponseChart::leaveEvent(QEvent* event) {
    QChartView::leaveEvent(event);
    emit pointed(-1);
}

// The frequency views find the point by frequency alone; the Nyquist plot the point drawn
// nearest on the screen.
int ResponseChart::pointAt(const QPoint& position) const {
    const QPointF inChart = mChart->mapFromScene(mapToScene(position));
    if (mPlotted.empty() || !mChart->plotArea().contains(inChart)) return -1;
    QLineSeries* series = mFirst->first();
    if (mView != View::Nyquist)
        return nearestAlong(mPlotted, mChart->mapToValue(inChart, series).x());
    return nearestOnScreen(mPlotted, inChart,
                           [&](QPointF p) { return mChart->mapToPosition(p, series); });
}
