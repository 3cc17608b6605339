#include "response/ResponseChart.h"

#include <QCategoryAxis>
#include <QCheckBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>
#include <functional>
#include <optional>

#include "response/ChartAxes.h"
#include "response/ChartMarks.h"
#include "response/ChartPointer.h"
#include "response/ChartZoom.h"
#include "response/LogScale.h"
#include "response/MeasuredPlaces.h"
#include "response/PointRuns.h"
#include "response/ReactanceRuns.h"
#include "results/NumberLabels.h"
#include "results/ResultUnits.h"
#include "toolkit/Appearance.h"

namespace {

const QColor kFirstColour(27, 58, 140);
const QColor kSecondColour(192, 24, 24);
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
    : QChartView(new QChart, parent),
      mView(view),
      mChart(chart()),
      mZoom(std::make_unique<ChartZoom>(
          mChart,
          [this](QAbstractAxis* axis, double low, double high) { relabel(axis, low, high); })) {
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
    auto* pointer =
        new ChartPointer(*this, *mZoom, *mMarks, mPlotted, mFirst->first(), view != View::Nyquist);
    connect(pointer, &ChartPointer::pointed, this, &ResponseChart::pointed);
    connect(pointer, &ChartPointer::clicked, this, &ResponseChart::clicked);
    connect(pointer, &ChartPointer::resetWanted, this, &ResponseChart::scaleChanged);
}

ResponseChart::~ResponseChart() = default;

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
    mMarks = std::make_unique<ChartMarks>(mChart, mFrequency, left, true);
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
    mMarks = std::make_unique<ChartMarks>(mChart, mLinearX, mLinearY, false);
    connect(mChart, &QChart::plotAreaChanged, this, &ResponseChart::fitNyquist);
}

void ResponseChart::showResponse(const ResponseData& data) {
    mFactor = data.unitFactor;
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
    if (mZoom->zoomed()) mZoom->reapply();
    placeMarkers();
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
        labelLogAxis(mMagnitude, decades.first, decades.second, ohmLabels(factor));
        mMagnitudeLabelled = decades, mMagnitudeFactor = factor;
    }
    mMarks->showWorking(data, decades.first, decades.second, std::nullopt);
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
        labelLogAxis(mLinearY, runs.range.low, runs.range.high, ohmLabels(factor));
    } else {
        setAxisTitle(mLinearY, QStringLiteral("R, X (") + unitText(factor) + u')');
        labelLinearAxis(mLinearY, runs.range);
    }
    mMarks->showWorking(data, runs.range.low, runs.range.high, std::nullopt);
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
    mMarks->showWorking(
        data, 0, 0, data.working && data.working->valid ? placeOf(*data.working) : std::nullopt);
    mFirst->setRuns(curve);
    mMeasuredFirst->setPoints(data.measured, measured);
}

// Again whenever the plot area changes shape; the labels this sets may change it once more, and
// the ranges follow until it stands still.
void ResponseChart::fitNyquist() {
    if (mZoom->zoomed()) return mZoom->reapply();
    const auto [across, up] = equalScale(mAcross, mUp, mChart->plotArea().size());
    labelLinearAxis(mLinearX, across);
    labelLinearAxis(mLinearY, up);
}

// Every axis of the view set to a zoomed range and labelled as the view labels it.
void ResponseChart::relabel(QAbstractAxis* axis, double low, double high) {
    if (axis == mFrequency) {
        labelLogAxis(mFrequency, low, high, [](double f) { return siCompact(f); });
        mFrequencyLabelled = {low, high};
    } else if (axis == mMagnitude) {
        labelLogAxis(mMagnitude, low, high, ohmLabels(mMagnitudeFactor));
        mMagnitudeLabelled = {low, high};
    } else if (axis == mPhase) {
        mPhase->setRange(low, high);
    } else if (mLogScale != nullptr && mLogScale->isChecked()) {
        labelLogAxis(mLinearY, low, high, ohmLabels(mFactor));
    } else {
        labelLinearAxis(static_cast<QCategoryAxis*>(axis), {low, high});
    }
}

void ResponseChart::showMarkers(const std::vector<MarkedPoint>& markers) {
    mMarked = markers;
    placeMarkers();
}

void ResponseChart::placeMarkers() {
    std::array<std::optional<QPointF>, 4> places{};
    for (const MarkedPoint& m : mMarked)
        if (m.number >= 1 && m.number <= 4 && m.point.valid)
            places[m.number - 1] = placeOf(m.point);
    mMarks->showMarkers(places);
}

// Where the view draws a point's first quantity: |Z|, R, or the point itself on the Nyquist plot.
std::optional<QPointF> ResponseChart::placeOf(const SweepPoint& p) const {
    const double x = std::log10(p.frequency);
    const double r = p.z.re * mFactor;
    switch (mView) {
        case View::MagnitudePhase: {
            const double m = std::hypot(p.z.re, p.z.im) * mFactor;
            return m > 0 ? std::optional(QPointF(x, std::log10(m))) : std::nullopt;
        }
        case View::ResistanceReactance:
            if (!mLogScale->isChecked()) return QPointF(x, r);
            return r > 0 ? std::optional(QPointF(x, std::log10(r))) : std::nullopt;
        case View::Nyquist: break;
    }
    return QPointF(r, -p.z.im * mFactor);
}
