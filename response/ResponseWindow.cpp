#include "response/ResponseWindow.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "engine/SweepCsv.h"
#include "engine/TouchstoneText.h"
#include "response/ChartImage.h"
#include "response/FitPanel.h"
#include "response/MarkerTable.h"
#include "response/MeasurementPanel.h"
#include "response/RangeBar.h"
#include "response/ResidualChart.h"
#include "response/ResonanceList.h"
#include "response/ResponseChart.h"
#include "response/ResponseCommands.h"
#include "response/ResponseData.h"
#include "response/ResponseSweep.h"
#include "response/ResponseTexts.h"
#include "response/SmithChart.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SaveFile.h"

namespace {

constexpr double kDefaultStart = 1;
constexpr double kDefaultStop = 1e7;
constexpr double kDefaultReference = 50;
constexpr int kDefaultCount = 400;
// Logical pixels: a list as wide as its longest line.
constexpr int kResonanceListWidth = 240;

const char* const kViewNames[] = {"|Z|・位相角", "R・X", "ナイキスト", "スミスチャート", "残差"};
constexpr std::size_t kSmithView = 3;
constexpr std::size_t kResidualView = 4;

}  // namespace

ResponseWindow::ResponseWindow(QWidget* parent)
    : FollowingWindow(parent),
      mStart(kDefaultStart),
      mStop(kDefaultStop),
      mReference(kDefaultReference) {
    setObjectName(QStringLiteral("ResponseWindow"));
    setWindowTitle(QStringLiteral("周波数特性"));
    buildControls();
    sweep();
}

void ResponseWindow::buildControls() {
    mRange = new RangeBar(kDefaultStart, kDefaultStop, kDefaultCount, kDefaultReference);
    connect(mRange, &RangeBar::refreshWanted, this, &ResponseWindow::refresh);
    connect(mRange, &RangeBar::referenceEdited, this, &ResponseWindow::readReferenceImpedance);

    const auto warning = [](const char* name) {
        auto* label = new PlainLabel;
        label->setObjectName(QString::fromLatin1(name));
        label->setStyleSheet(QStringLiteral("color: #b00000"));
        label->hide();
        return label;
    };
    mProblems = warning("rangeError");
    mDrawingMessage = warning("drawingMessage");

    mResonanceList = new ResonanceList;
    mPanel = new MeasurementPanel;
    connect(mPanel, &MeasurementPanel::changed, this, [this] {
        mStale.fill(true);
        showCurrentView();
    });
    connect(mPanel, &MeasurementPanel::edited, this, &ResponseWindow::measurementsChanged);
    connect(mPanel, &MeasurementPanel::rangeWanted, this, &ResponseWindow::sweepOver);
    connect(mPanel, &MeasurementPanel::fitWanted, this, &ResponseWindow::showFit);
    auto* side = new QVBoxLayout;
    side->addWidget(new PlainLabel(QStringLiteral("共振点")));
    side->addWidget(mResonanceList, 1);
    side->addWidget(mPanel, 1);
    auto* sideBox = new QWidget;
    sideBox->setObjectName(QStringLiteral("resonanceColumn"));
    sideBox->setLayout(side);
    sideBox->setMaximumWidth(kResonanceListWidth);
    auto* body = new QHBoxLayout;
    body->addWidget(buildViews(), 1);
    body->addWidget(sideBox);

    mReadout = new PlainLabel;
    mReadout->setObjectName(QStringLiteral("cursorReadout"));
    mReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mMarkers = new MarkerTable;
    connect(mMarkers, &MarkerTable::cleared, this, &ResponseWindow::showMarkers);
    mSaved = new PlainLabel;
    mSaved->setObjectName(QStringLiteral("exportStatus"));
    addCopyCommand(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mRange);
    layout->addWidget(mProblems);
    layout->addWidget(mDrawingMessage);
    layout->addLayout(body, 1);
    layout->addWidget(mReadout);
    layout->addWidget(mMarkers);
    layout->addWidget(mSaved);
    layout->addWidget(mPanel->statusLine());
    layout->addWidget(new PlainLabel(
        QStringLiteral("同じ縮約計算を各周波数で行った結果です。インピーダンス素子は周波"
                       "数によらず一定の値です。")));
    layout->addWidget(commandButtons(*this));
}

void ResponseWindow::copyReadout() {
    QGuiApplication::clipboard()->setText(mReadout->text() + u'\n' + mMarkers->text() +
                                          mResonanceList->text());
    mSaved->setText(QStringLiteral("読み取り、マーカーと共振点をコピーしました"));
}

QWidget* ResponseWindow::buildViews() {
    mViews = new QTabWidget;
    mViews->setObjectName(QStringLiteral("views"));
    const ResponseChart::View charts[] = {ResponseChart::View::MagnitudePhase,
                                          ResponseChart::View::ResistanceReactance,
                                          ResponseChart::View::Nyquist};
    for (std::size_t i = 0; i < mCharts.size(); ++i) {
        mCharts[i] = new ResponseChart(charts[i]);
        connect(mCharts[i], &ResponseChart::pointed, this, &ResponseWindow::showReadout);
        connect(mCharts[i], &ResponseChart::clicked, this, &ResponseWindow::placeMarker);
        connect(mCharts[i], &ResponseChart::scaleChanged, this, &ResponseWindow::sweep);
        mViews->addTab(mCharts[i], QString::fromUtf8(kViewNames[i]));
    }
    mSmith = new SmithChart;
    connect(mSmith, &SmithChart::pointed, this, &ResponseWindow::showReadout);
    connect(mSmith, &SmithChart::clicked, this, &ResponseWindow::placeMarker);
    mViews->addTab(mSmith, QString::fromUtf8(kViewNames[mCharts.size()]));
    mViews->addTab(mPanel->residualChart(), QString::fromUtf8(kViewNames[kResidualView]));
    connect(mViews, &QTabWidget::currentChanged, this, &ResponseWindow::showCurrentView);
    return mViews;
}

void ResponseWindow::showModel() {
    sweep();
    if (mFit != nullptr) mFit->followDrawing(model());
}

void ResponseWindow::showFit() {
    if (mFit == nullptr) {
        mFit = new FitPanel(this);
        connect(mFit, &FitPanel::applied, this, &ResponseWindow::fitApplied);
    }
    mFit->showFor(model(), mPanel->chosen());
}

// A range that cannot be swept is refused where it was typed; the texts stay as typed and the
// views keep the last range swept.
void ResponseWindow::refresh() {
    const RangeReading reading = mRange->range();
    mRangeProblem = reading.problem;
    showProblems();
    if (!mRangeProblem.isEmpty()) return;
    mStart = reading.start;
    mStop = reading.stop;
    sweep();
}

// The fields show the range as a user would type it, and the sweep reads them as typed.
void ResponseWindow::sweepOver(double start, double stop) {
    mRange->showRange(start, stop);
    refresh();
}

void ResponseWindow::sweep() {
    ResponseSweep swept = sweepResponse(model(), mStart, mStop, mRange->count());
    mPoints = std::move(swept.points);
    mResonances = std::move(swept.resonances);
    mWorking = swept.working;
    mStale.fill(true);
    showCurrentView();
    mDrawingMessage->setText(swept.problem);
    mDrawingMessage->setVisible(!swept.problem.isEmpty());
    mResonanceList->showResonances(mPoints, mResonances, swept.bandwidths);
    showReadout(mPointed < static_cast<int>(mPoints.size()) ? mPointed : -1);
    showMarkers();
    emit updated();
}

void ResponseWindow::showCurrentView() {
    const auto view = static_cast<std::size_t>(mViews->currentIndex());
    if (view >= mStale.size() || !mStale[view]) return;
    mStale[view] = false;
    const ResponseData data{mPoints,  mStart,        mStop, model().resultUnitFactor,
                            mWorking, measurements()};
    if (view < mCharts.size()) {
        mCharts[view]->showResponse(data);
    } else if (view == kResidualView) {
        mPanel->showResiduals(model());
    } else {
        mSmith->showResponse(data, mReference);
        mSmith->showMarkers(mMarkers->shown());  // their Γ against this Z0
    }
}

void ResponseWindow::placeMarker(int index) {
    if (index < 0 || index >= static_cast<int>(mPoints.size())) return;
    mMarkers->place(mPoints[index].frequency);
    showMarkers();
}

void ResponseWindow::showMarkers() {
    const std::vector<MarkedPoint> marked = mMarkers->show(model(), mReference);
    for (ResponseChart* chart : mCharts) chart->showMarkers(marked);
    mSmith->showMarkers(marked);
}

// Off the views the readout tells the working frequency's point, or that none is set.
void ResponseWindow::showReadout(int index) {
    mPointed = index;
    if (index >= 0 && index < static_cast<int>(mPoints.size())) {
        mReadout->setText(QStringLiteral("ポインタ位置　") +
                          pointText(mPoints[index], model().resultUnitFactor));
    } else if (!mWorking) {
        mReadout->setText(QStringLiteral("動作周波数は未設定"));
    } else {
        mReadout->setText(QStringLiteral("動作周波数　") +
                          pointText(*mWorking, model().resultUnitFactor));
    }
}

void ResponseWindow::readReferenceImpedance() {
    const std::optional<double> z0 = typedNumber(mRange->referenceText());
    if (!z0 || !(*z0 > 0)) {
        mReferenceProblem = QStringLiteral("基準インピーダンス Z0 は正の数 (Ω) で入力して下さい");
        showProblems();
        return;
    }
    mReferenceProblem.clear();
    showProblems();
    mReference = *z0;
    mStale[kSmithView] = true;
    showCurrentView();
    showMarkers();
}

void ResponseWindow::showProblems() {
    QStringList problems;
    for (const QString& p : {mRangeProblem, mReferenceProblem})
        if (!p.isEmpty()) problems << p;
    mProblems->setText(problems.join(u'\n'));
    mProblems->setVisible(!problems.isEmpty());
}

bool ResponseWindow::saveCsv(const QString& path) {
    return saveBytes(this, path,
                     QByteArray::fromStdString(sweepCsv(mPoints, model().resultUnitFactor)));
}

bool ResponseWindow::saveTouchstone(const QString& path) {
    return saveBytes(this, path, QByteArray::fromStdString(TouchstoneText(mPoints, mReference)));
}

ChartImage ResponseWindow::image() const {
    const std::optional<double> reference =
        mViews->currentWidget() == mSmith ? std::optional(mReference) : std::nullopt;
    return ChartImage(*mViews->currentWidget(), chartTitle(mViews->tabText(mViews->currentIndex()),
                                                           mStart, mStop, mWorking, reference));
}

bool ResponseWindow::savePng(const QString& path) {
    return image().savePng(this, path);
}

bool ResponseWindow::saveSvg(const QString& path) {
    return image().saveSvg(this, path);
}

bool ResponseWindow::savePdf(const QString& path) {
    return image().savePdf(this, path);
}

// The program writes a file only here, where the user has chosen it. Touchstone files name their
// reference impedance, so a Z0 field that holds no number refuses them before asking.
void ResponseWindow::askAndSave(const QString& title, const QString& fileName,
                                const QString& filter,
                                bool (ResponseWindow::*save)(const QString&)) {
    if (save == &ResponseWindow::saveTouchstone && !mReferenceProblem.isEmpty()) {
        mRange->focusReference();
        return;
    }
    const QString path = askSavePath(this, title, fileName, filter);
    if (!path.isEmpty() && (this->*save)(path))
        mSaved->setText(QStringLiteral("保存しました：") + QDir::toNativeSeparators(path));
}
