#include "response/FitPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <exception>

#include "engine/ReductionPlan.h"
#include "fit/ImpedanceFit.h"
#include "model/ControlNames.h"
#include "response/FitTable.h"
#include "response/MeasurementReading.h"
#include "response/ResidualChart.h"
#include "response/ResponseChart.h"
#include "response/ResponseSweep.h"
#include "results/NumberLabels.h"
#include "toolkit/PlainLabel.h"

namespace {

constexpr int kCurvePoints = 400;
const char* const kWeightings[] = {"|Z 測定| で重み付け", "重みなし (Ω)", "|Z モデル| で重み付け"};

QPushButton* button(const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(text));
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QString names(const std::vector<std::string>& list) {
    QStringList joined;
    for (const std::string& name : list) joined << QString::fromStdString(name);
    return joined.join(QStringLiteral("、"));
}

QString summaryOf(const FitResult& r) {
    QString text =
        (r.converged ? QStringLiteral("収束しました（") : QStringLiteral("収束していません（")) +
        QString::fromUtf8(describe(r.stop).data(),
                          static_cast<qsizetype>(describe(r.stop).size())) +
        QStringLiteral("）　反復 ") + QString::number(r.iterations) +
        QStringLiteral(" 回　χ²/自由度 ") +
        (r.chiSquarePerDof ? localNumber(*r.chiSquarePerDof, 4) : QStringLiteral("—")) +
        QStringLiteral("　rms 残差 ") + localNumber(r.rmsRelativeResidualPercent, 3) +
        QStringLiteral(" %");
    if (!r.undeterminable.empty())
        text += QStringLiteral("\nデータから定まらない値：") + names(r.undeterminable);
    if (!r.notInResult.empty())
        text += QStringLiteral("\n計算結果に入らない素子（データに表れません）：") +
                names(r.notInResult);
    return text;
}

// Runs on the worker thread, on copies of everything it reads.
FitOutcome fitOn(const CircuitModel& model, const std::vector<MeasuredPoint>& points,
                 const FitOptions& options, const FitMonitor& monitor) {
    try {
        return {ImpedanceFit(model, points, options).run(monitor), {}};
    } catch (const std::exception& error) {
        return {std::nullopt,
                QStringLiteral("フィットできません：") + QString::fromStdString(error.what())};
    }
}

}  // namespace

FitPanel::FitPanel(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FitPanel"));
    setWindowTitle(QStringLiteral("フィット"));
    buildControls();
    connect(&mWatcher, &QFutureWatcher<FitOutcome>::finished, this, &FitPanel::finish);
}

FitPanel::~FitPanel() {
    mCancel = true;
    mWatcher.waitForFinished();
}

void FitPanel::buildControls() {
    mMeasurement = new PlainLabel;
    mMeasurement->setObjectName(QStringLiteral("fitMeasurement"));
    mWeighting = new QComboBox;
    mWeighting->setObjectName(QStringLiteral("fitWeighting"));
    for (const char* weighting : kWeightings) mWeighting->addItem(QString::fromUtf8(weighting));
    mTable = new FitTable;
    mRun = button("フィット実行", "runFit");
    mCancelButton = button("中止", "cancelFit");
    mApply = button("適用", "applyFit");
    mProgress = new QProgressBar;
    mProgress->setObjectName(QStringLiteral("fitProgress"));
    mSummary = new PlainLabel;
    mSummary->setObjectName(QStringLiteral("fitSummary"));
    mSummary->setWordWrap(true);
    mSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(mRun, &QPushButton::clicked, this, &FitPanel::run);
    connect(mCancelButton, &QPushButton::clicked, this, &FitPanel::cancel);
    connect(mApply, &QPushButton::clicked, this, &FitPanel::apply);

    auto* commands = new QHBoxLayout;
    commands->addWidget(new PlainLabel(QStringLiteral("重み")));
    commands->addWidget(mWeighting);
    commands->addStretch(1);
    commands->addWidget(mRun);
    commands->addWidget(mCancelButton);
    commands->addWidget(mProgress);
    commands->addWidget(mApply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mMeasurement);
    layout->addWidget(mTable);
    layout->addLayout(commands);
    layout->addWidget(mSummary);
    layout->addWidget(buildViews(), 1);
    showCommands();
}

QWidget* FitPanel::buildViews() {
    mCurve = new ResponseChart(ResponseChart::View::MagnitudePhase);
    mResiduals = new ResidualChart;
    mCorrelation = new QTableWidget;
    mCorrelation->setObjectName(QStringLiteral("fitCorrelation"));
    mCorrelation->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mViews = new QTabWidget;
    mViews->setObjectName(QStringLiteral("fitViews"));
    mViews->addTab(mCurve, QStringLiteral("曲線"));
    mViews->addTab(mResiduals, QStringLiteral("残差"));
    mViews->addTab(mCorrelation, QStringLiteral("相関"));
    return mViews;
}

void FitPanel::showFor(const CircuitModel& model, const ShownMeasurement* measured) {
    mShown.clear();
    if (measured != nullptr && measured->data) mShown.push_back(*measured);
    mMeasurement->setText(
        mShown.empty() ? QStringLiteral("測定データを一つ選んでからフィットして下さい")
                       : QStringLiteral("測定：") + mShown.front().name +
                             QStringLiteral("（%1 点）").arg(mShown.front().data->points.size()));
    if (!running()) {
        mResult.reset();
        mSummary->clear();
        followDrawing(model);
    }
    showCommands();
    show();
    raise();
}

void FitPanel::followDrawing(const CircuitModel& model) {
    if (running()) return;
    mModel = model;
    mTable->showDrawing(model);
    if (mResult)
        mTable->showResult(*mResult);
    else
        showCurves(model);
}

void FitPanel::run() {
    if (running() || mShown.empty()) return;
    FitTable::Reading reading = mTable->read();
    reading.options.weighting = static_cast<Weighting>(mWeighting->currentIndex());
    if (reading.problem.isEmpty()) reading.problem = problemBeforeFit(reading.options);
    if (!reading.problem.isEmpty()) {
        mSummary->setText(reading.problem);
        return;
    }
    mStarted = captureDrawing(mModel);
    mResult.reset();
    mCancel = false;
    mProgress->setRange(0, 0);
    mSummary->setText(QStringLiteral("フィット中…"));
    FitMonitor monitor;
    monitor.cancel = &mCancel;
    // Called on the worker; the queued call is dropped if the panel is gone by then.
    monitor.progress = [this](const FitProgress& p) {
        const auto show = [this, p] {
            mProgress->setRange(0, p.total);
            mProgress->setValue(p.done);
        };
        QMetaObject::invokeMethod(this, show, Qt::QueuedConnection);
    };
    mWatcher.setFuture(
        QtConcurrent::run(fitOn, mModel, mShown.front().data->points, reading.options, monitor));
    showCommands();
}

// The window's own words for what the fit would refuse; the fit's checks stay the last word.
QString FitPanel::problemBeforeFit(const FitOptions& options) const {
    const ShownMeasurement& m = mShown.front();
    const ResponseSweep swept =
        sweepResponse(mModel, m.data->points.front().frequency, m.data->points.back().frequency, 2);
    if (!swept.problem.isEmpty()) return swept.problem;
    for (int slot = 1; slot <= 3 * kSlotsPerKind; ++slot)
        if (mModel.slotUsed[slot] != 0 && options.fixed[slot] == 0 && !(mModel.slotValue[slot] > 0))
            return QString::fromStdString(pictureName(slot)) +
                   QStringLiteral("：値が 0 です。固定するか、値を入れてからフィットして下さい");
    return {};
}

void FitPanel::cancel() {
    mCancel = true;
}

void FitPanel::finish() {
    mProgress->setRange(0, 1);
    mProgress->setValue(1);
    showOutcome(mWatcher.result());
    showCommands();
    emit fitFinished();
}

void FitPanel::showOutcome(const FitOutcome& outcome) {
    mResult = outcome.result;
    if (!mResult) {
        mSummary->setText(outcome.problem);
        showCurves(mModel);
        return;
    }
    mFitted = mModel;  // the drawing does not follow while a fit runs
    mFitted.slotValue = mResult->slotValue;
    mTable->showResult(*mResult);
    mSummary->setText(summaryOf(*mResult));
    showCurves(mFitted);
    showCorrelation(*mResult);
}

// The drawing's curve over the measured range with the measurement over it, and the residuals.
void FitPanel::showCurves(const CircuitModel& model) {
    std::vector<std::vector<KkResidual>> residuals(mShown.size());
    if (mShown.empty()) {
        mResiduals->showResiduals(mShown, residuals, nullptr);
        return;
    }
    const Measurement& data = *mShown.front().data;
    const double low = data.points.front().frequency, high = data.points.back().frequency;
    const ResponseSweep swept = sweepResponse(model, low, high, kCurvePoints);
    mCurve->showResponse({swept.points, low, high, model.resultUnitFactor, std::nullopt, mShown});
    if (swept.problem.isEmpty()) residuals.front() = drawingResiduals(ReductionPlan(model), data);
    mResiduals->showResiduals(mShown, residuals, nullptr);
}

void FitPanel::showCorrelation(const FitResult& result) {
    const int n = static_cast<int>(result.values.size());
    mCorrelation->clear();
    mCorrelation->setRowCount(n);
    mCorrelation->setColumnCount(n);
    QStringList headers;
    for (const FittedValue& v : result.values) headers << QString::fromStdString(v.name);
    mCorrelation->setHorizontalHeaderLabels(headers);
    mCorrelation->setVerticalHeaderLabels(headers);
    for (int i = 0; i < n && i < static_cast<int>(result.correlation.size()); ++i)
        for (int j = 0; j < n; ++j) {
            const std::optional<double> r = result.correlation[i][j];
            mCorrelation->setItem(
                i, j, new QTableWidgetItem(r ? localNumber(*r, 3) : QStringLiteral("—")));
        }
}

void FitPanel::showCommands() {
    const bool busy = running();
    mRun->setEnabled(!busy && !mShown.empty());
    mCancelButton->setEnabled(busy);
    mApply->setEnabled(!busy && mResult && !mResult->values.empty());
    mTable->setEnabled(!busy);
    mWeighting->setEnabled(!busy);
}

void FitPanel::apply() {
    if (running() || !mResult) return;
    FittedDrawing fitted{mStarted, {}};
    for (const FittedValue& v : mResult->values) fitted.values.append({v.slot, v.value});
    emit applied(fitted);
}
