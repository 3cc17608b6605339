#include "response/ResponseWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "engine/SweepCsv.h"
#include "engine/TouchstoneText.h"
#include "response/ChartImage.h"
#include "response/ExportButtons.h"
#include "response/MeasurementPanel.h"
#include "response/ResidualChart.h"
#include "response/ResponseChart.h"
#include "response/ResponseData.h"
#include "response/ResponseSweep.h"
#include "response/ResponseTexts.h"
#include "response/SmithChart.h"
#include "text/NumberText.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SaveFile.h"

namespace {

constexpr double kDefaultStart = 1;
constexpr double kDefaultStop = 1e7;
constexpr double kDefaultReference = 50;
constexpr int kDefaultCount = 400;
constexpr int kFewestPoints = 200;
constexpr int kMostPoints = 2000;
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
    const auto field = [](const char* name, const QString& text) {
        auto* edit = new QLineEdit(text);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    mStartField = field("startFrequency", QString::fromStdString(plainText(kDefaultStart)));
    mStopField = field("stopFrequency", QString::fromStdString(plainText(kDefaultStop)));
    mReferenceField =
        field("referenceImpedance", QString::fromStdString(plainText(kDefaultReference)));
    mCount = new QSpinBox;
    mCount->setObjectName(QStringLiteral("pointCount"));
    mCount->setRange(kFewestPoints, kMostPoints);
    mCount->setValue(kDefaultCount);
    auto* refreshButton = new QPushButton(QStringLiteral("更新"));
    refreshButton->setObjectName(QStringLiteral("refresh"));
    connect(refreshButton, &QPushButton::clicked, this, &ResponseWindow::refresh);
    connect(mStartField, &QLineEdit::returnPressed, this, &ResponseWindow::refresh);
    connect(mStopField, &QLineEdit::returnPressed, this, &ResponseWindow::refresh);
    connect(mReferenceField, &QLineEdit::textChanged, this,
            &ResponseWindow::readReferenceImpedance);

    auto* range = new QHBoxLayout;
    range->addWidget(new PlainLabel(QStringLiteral("開始 (Hz)")));
    range->addWidget(mStartField);
    range->addWidget(new PlainLabel(QStringLiteral("終了 (Hz)")));
    range->addWidget(mStopField);
    range->addWidget(new PlainLabel(QStringLiteral("点数")));
    range->addWidget(mCount);
    range->addWidget(new PlainLabel(QStringLiteral("基準 Z0 (Ω)")));
    range->addWidget(mReferenceField);
    range->addWidget(refreshButton);

    mProblems = new PlainLabel;
    mProblems->setObjectName(QStringLiteral("rangeError"));
    mProblems->setStyleSheet(QStringLiteral("color: #b00000"));
    mProblems->hide();
    mDrawingMessage = new PlainLabel;
    mDrawingMessage->setObjectName(QStringLiteral("drawingMessage"));
    mDrawingMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    mDrawingMessage->hide();

    mResonanceList = new QListWidget;
    mResonanceList->setObjectName(QStringLiteral("resonances"));
    mPanel = new MeasurementPanel;
    connect(mPanel, &MeasurementPanel::changed, this, [this] {
        mStale.fill(true);
        showCurrentView();
    });
    connect(mPanel, &MeasurementPanel::edited, this, &ResponseWindow::measurementsChanged);
    connect(mPanel, &MeasurementPanel::rangeWanted, this, &ResponseWindow::sweepOver);
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

    QDialogButtonBox* buttons = exportButtons(*this);
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A tool window closes on Escape as the dialogs it replaces did.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(mProblems);
    layout->addWidget(mDrawingMessage);
    layout->addLayout(body, 1);
    layout->addWidget(mReadout);
    layout->addWidget(mPanel->statusLine());
    layout->addWidget(new PlainLabel(
        QStringLiteral("同じ縮約計算を各周波数で行った結果です。インピーダンス素子は周波"
                       "数によらず一定の値です。")));
    layout->addWidget(buttons);
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
        connect(mCharts[i], &ResponseChart::scaleChanged, this, &ResponseWindow::sweep);
        mViews->addTab(mCharts[i], QString::fromUtf8(kViewNames[i]));
    }
    mSmith = new SmithChart;
    connect(mSmith, &SmithChart::pointed, this, &ResponseWindow::showReadout);
    mViews->addTab(mSmith, QString::fromUtf8(kViewNames[mCharts.size()]));
    mViews->addTab(mPanel->residualChart(), QString::fromUtf8(kViewNames[kResidualView]));
    connect(mViews, &QTabWidget::currentChanged, this, &ResponseWindow::showCurrentView);
    return mViews;
}

void ResponseWindow::showModel() {
    sweep();
}

// A range that cannot be swept is refused where it was typed; the texts stay as typed and the
// views keep the last range swept.
void ResponseWindow::refresh() {
    const RangeReading reading = readRange(mStartField->text(), mStopField->text());
    mRangeProblem = reading.problem;
    showProblems();
    if (!mRangeProblem.isEmpty()) return;
    mStart = reading.start;
    mStop = reading.stop;
    sweep();
}

// The fields show the range as a user would type it, and the sweep reads them as typed.
void ResponseWindow::sweepOver(double start, double stop) {
    mStartField->setText(QString::fromStdString(plainText(start)));
    mStopField->setText(QString::fromStdString(plainText(stop)));
    refresh();
}

void ResponseWindow::sweep() {
    ResponseSweep swept = sweepResponse(model(), mStart, mStop, mCount->value());
    mPoints = std::move(swept.points);
    mResonances = std::move(swept.resonances);
    mWorking = swept.working;
    mStale.fill(true);
    showCurrentView();
    mDrawingMessage->setText(swept.problem);
    mDrawingMessage->setVisible(!swept.problem.isEmpty());
    listResonances();
    showReadout(mPointed < static_cast<int>(mPoints.size()) ? mPointed : -1);
    emit updated();
}

void ResponseWindow::showCurrentView() {
    const auto view = static_cast<std::size_t>(mViews->currentIndex());
    if (view >= mStale.size() || !mStale[view]) return;
    mStale[view] = false;
    const ResponseData data{mPoints,  mStart,        mStop, model().resultUnitFactor,
                            mWorking, measurements()};
    if (view < mCharts.size())
        mCharts[view]->showResponse(data);
    else if (view == kResidualView)
        mPanel->showResiduals(model());
    else
        mSmith->showResponse(data, mReference);
}

void ResponseWindow::listResonances() {
    mResonanceList->clear();
    if (std::none_of(mPoints.begin(), mPoints.end(), [](const SweepPoint& p) { return p.valid; }))
        return;
    if (mResonances.empty()) mResonanceList->addItem(QStringLiteral("この範囲にはありません"));
    for (const Resonance& r : mResonances) mResonanceList->addItem(resonanceText(r));
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
    const std::optional<double> z0 = typedNumber(mReferenceField->text());
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
        mReferenceField->setFocus();
        return;
    }
    const QString path = askSavePath(this, title, fileName, filter);
    if (!path.isEmpty()) (this->*save)(path);
}
