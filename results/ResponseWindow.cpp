#include "results/ResponseWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/services/NumberText.h"
#include "app/services/NumericText.h"
#include "app/toolkit/Appearance.h"
#include "app/toolkit/SaveFile.h"
#include "engine/ArithmeticError.h"
#include "engine/NoPartPlacedError.h"
#include "engine/ReductionPlan.h"
#include "engine/TouchstoneText.h"
#include "results/NumberLabels.h"
#include "results/ResponseChart.h"
#include "results/ResponseData.h"
#include "results/ResultUnits.h"
#include "results/SmithChart.h"
#include "results/SweepCsv.h"
#include "results/WholeWriteDevice.h"

namespace {

constexpr double kDefaultStart = 1;
constexpr double kDefaultStop = 1e7;
constexpr double kDefaultReference = 50;
constexpr int kDefaultCount = 400;
constexpr int kFewestPoints = 200;
constexpr int kMostPoints = 2000;
// Logical pixels: a list as wide as its longest line, the title line of an exported chart.
constexpr int kResonanceListWidth = 240;
constexpr int kTitleHeight = 32;
constexpr double kPdfMarginMillimetres = 10;

const char* const kViewNames[] = {"|Z|・位相角", "R・X", "ナイキスト", "スミスチャート"};

struct Export {
    const char* button;
    const char* objectName;
    const char* fileName;
    const char* filter;
    bool (ResponseWindow::*save)(const QString&);
};

const Export kExports[] = {
    {"CSV保存", "saveCsv", "周波数特性.csv", "CSV (*.csv)", &ResponseWindow::saveCsv},
    {"Touchstone保存", "saveTouchstone", "周波数特性.s1p", "Touchstone (*.s1p)",
     &ResponseWindow::saveTouchstone},
    {"PNG保存", "savePng", "周波数特性.png", "PNG (*.png)", &ResponseWindow::savePng},
    {"SVG保存", "saveSvg", "周波数特性.svg", "SVG (*.svg)", &ResponseWindow::saveSvg},
    {"PDF保存", "savePdf", "周波数特性.pdf", "PDF (*.pdf)", &ResponseWindow::savePdf},
};

QString resonanceText(const Resonance& r) {
    const QString at = siText(r.frequency, QStringLiteral("Hz"));
    switch (r.kind) {
        case Resonance::Kind::PhaseZero: return QStringLiteral("位相 0°：") + at;
        case Resonance::Kind::Minimum: return QStringLiteral("|Z| 極小：") + at;
        case Resonance::Kind::Maximum: break;
    }
    return QStringLiteral("|Z| 極大：") + at;
}

// A field read as the value dialogs read their numbers; nothing when its text is no number.
std::optional<double> numberIn(const QLineEdit* field) {
    const std::string text = field->text().toStdString();
    if (!isNumericText(text)) return std::nullopt;
    return readLeadingNumber(text);
}

struct RangeReading {
    double start = 0, stop = 0;
    QString problem;  // empty when the range can be swept
};

RangeReading readRange(const QLineEdit* startField, const QLineEdit* stopField) {
    const std::optional<double> start = numberIn(startField), stop = numberIn(stopField);
    if (!start) return {0, 0, QStringLiteral("開始周波数を数で入力して下さい")};
    if (!stop) return {0, 0, QStringLiteral("終了周波数を数で入力して下さい")};
    if (!(*start > 0)) return {0, 0, QStringLiteral("開始周波数は 0 より大きくして下さい")};
    if (!(*stop > *start))
        return {0, 0, QStringLiteral("終了周波数は開始周波数より大きくして下さい")};
    return {*start, *stop, {}};
}

bool writeAll(QIODevice& file, const std::string& text) {
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

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
    range->addWidget(new QLabel(QStringLiteral("開始 (Hz)")));
    range->addWidget(mStartField);
    range->addWidget(new QLabel(QStringLiteral("終了 (Hz)")));
    range->addWidget(mStopField);
    range->addWidget(new QLabel(QStringLiteral("点数")));
    range->addWidget(mCount);
    range->addWidget(new QLabel(QStringLiteral("基準 Z0 (Ω)")));
    range->addWidget(mReferenceField);
    range->addWidget(refreshButton);

    mProblems = new QLabel;
    mProblems->setObjectName(QStringLiteral("rangeError"));
    mProblems->setStyleSheet(QStringLiteral("color: #b00000"));
    mProblems->hide();
    mDrawingMessage = new QLabel;
    mDrawingMessage->setObjectName(QStringLiteral("drawingMessage"));
    mDrawingMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    mDrawingMessage->hide();

    mResonanceList = new QListWidget;
    mResonanceList->setObjectName(QStringLiteral("resonances"));
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("共振点")));
    side->addWidget(mResonanceList, 1);
    auto* sideBox = new QWidget;
    sideBox->setObjectName(QStringLiteral("resonanceColumn"));
    sideBox->setLayout(side);
    sideBox->setMaximumWidth(kResonanceListWidth);
    auto* body = new QHBoxLayout;
    body->addWidget(buildViews(), 1);
    body->addWidget(sideBox);

    mReadout = new QLabel;
    mReadout->setObjectName(QStringLiteral("cursorReadout"));
    mReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    buttons->setObjectName(QStringLiteral("exports"));
    for (const Export& row : kExports) {
        QPushButton* button =
            buttons->addButton(QString::fromUtf8(row.button), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(row.objectName));
        connect(button, &QPushButton::clicked, this, [this, &row] {
            askAndSave(QString::fromUtf8(row.button), QString::fromUtf8(row.fileName),
                       QString::fromUtf8(row.filter), row.save);
        });
    }
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
    layout->addWidget(
        new QLabel(QStringLiteral("同じ縮約計算を各周波数で行った結果です。インピーダンス素子は周波"
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
        mViews->addTab(mCharts[i], QString::fromUtf8(kViewNames[i]));
    }
    mSmith = new SmithChart;
    connect(mSmith, &SmithChart::pointed, this, &ResponseWindow::showReadout);
    mViews->addTab(mSmith, QString::fromUtf8(kViewNames[mCharts.size()]));
    connect(mViews, &QTabWidget::currentChanged, this, &ResponseWindow::showCurrentView);
    return mViews;
}

void ResponseWindow::showModel() {
    sweep();
}

// A range that cannot be swept is refused where it was typed; the texts stay as typed and the
// views keep the last range swept.
void ResponseWindow::refresh() {
    const RangeReading reading = readRange(mStartField, mStopField);
    mRangeProblem = reading.problem;
    showProblems();
    if (!mRangeProblem.isEmpty()) return;
    mStart = reading.start;
    mStop = reading.stop;
    sweep();
}

void ResponseWindow::sweep() {
    std::optional<ReductionPlan> plan;
    QString planProblem;
    try {
        plan.emplace(mModel);
    } catch (const NoPartPlacedError&) {
        planProblem = QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい");
    } catch (const ArithmeticError&) {
        planProblem = QStringLiteral(
            "この図は計算できません（図をたどると同じ素子に戻るか、座標が大きすぎます）");
    }
    mPoints = SweepFrequencies(mModel, mStart, mStop, mCount->value());
    mResonances = plan ? RefineResonances(*plan, mPoints) : std::vector<Resonance>{};
    mWorking.reset();
    const double f0 = mModel.frequency;
    if (f0 > 0) {
        mWorking = SweepPoint{f0, false, {}, 0.0};
        try {
            if (plan) {
                const PlanResult r = plan->evaluate(f0);
                mWorking = SweepPoint{f0, true, r.z, r.phase};
            }
        } catch (const ArithmeticError&) {
        }
    }
    mStale.fill(true);
    showCurrentView();
    showDrawingMessage(planProblem);
    listResonances();
    showReadout(mPointed < static_cast<int>(mPoints.size()) ? mPointed : -1);
    emit updated();
}

void ResponseWindow::showCurrentView() {
    const auto view = static_cast<std::size_t>(mViews->currentIndex());
    if (view >= mStale.size() || !mStale[view]) return;
    mStale[view] = false;
    const ResponseData data{mPoints, mStart, mStop, mModel.resultUnitFactor, mWorking};
    if (view < mCharts.size())
        mCharts[view]->showResponse(data);
    else
        mSmith->showResponse(data, mReference);
}

void ResponseWindow::showDrawingMessage(const QString& planProblem) {
    QString message = planProblem;
    if (message.isEmpty()) {
        const auto failed = std::count_if(mPoints.begin(), mPoints.end(),
                                          [](const SweepPoint& p) { return !p.valid; });
        if (failed == static_cast<std::ptrdiff_t>(mPoints.size()))
            message = QStringLiteral("この範囲のどの周波数でも計算できません");
        else if (failed > 0)
            message = QStringLiteral("%1 点の周波数で計算できません（グラフの切れ目）").arg(failed);
    }
    mDrawingMessage->setText(message);
    mDrawingMessage->setVisible(!message.isEmpty());
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
        mReadout->setText(QStringLiteral("ポインタ位置　") + pointText(mPoints[index]));
    } else if (!mWorking) {
        mReadout->setText(QStringLiteral("動作周波数は未設定"));
    } else {
        mReadout->setText(QStringLiteral("動作周波数　") + pointText(*mWorking));
    }
}

QString ResponseWindow::pointText(const SweepPoint& p) const {
    const QString f = QStringLiteral("f = ") + siText(p.frequency, QStringLiteral("Hz"));
    if (!p.valid) return f + QStringLiteral("：計算できません");
    const double factor = mModel.resultUnitFactor;
    const QString unit = QString::fromStdString(resultUnitText(factor));
    const auto ohms = [&](double value) { return localNumber(value * factor, 6) + u' ' + unit; };
    return f + QStringLiteral("　|Z| = %1　位相角 = %2°　R = %3　X = %4")
                   .arg(ohms(std::hypot(p.z.re, p.z.im)), localNumber(p.phase, 5), ohms(p.z.re),
                        ohms(p.z.im));
}

void ResponseWindow::readReferenceImpedance() {
    const std::optional<double> z0 = numberIn(mReferenceField);
    if (!z0 || !(*z0 > 0)) {
        mReferenceProblem = QStringLiteral("基準インピーダンス Z0 は正の数 (Ω) で入力して下さい");
        showProblems();
        return;
    }
    mReferenceProblem.clear();
    showProblems();
    mReference = *z0;
    mStale.back() = true;
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
    const std::string csv = sweepCsv(mPoints, mModel.resultUnitFactor);
    return saveFile(this, path, [&csv](QIODevice& file) { return writeAll(file, csv); });
}

bool ResponseWindow::saveTouchstone(const QString& path) {
    const std::string text = TouchstoneText(mPoints, mReference);
    return saveFile(this, path, [&text](QIODevice& file) { return writeAll(file, text); });
}

QString ResponseWindow::titleLine() const {
    QString title = QStringLiteral("周波数特性（") + mViews->tabText(mViews->currentIndex()) +
                    QStringLiteral("）　") + siText(mStart, QStringLiteral("Hz")) +
                    QStringLiteral(" – ") + siText(mStop, QStringLiteral("Hz")) +
                    QStringLiteral("　");
    title += mWorking
                 ? QStringLiteral("動作周波数 ") + siText(mWorking->frequency, QStringLiteral("Hz"))
                 : QStringLiteral("動作周波数は未設定");
    if (mViews->currentWidget() == mSmith)
        title += QStringLiteral("　Z0 = ") + siText(mReference, QStringLiteral("Ω"));
    return title;
}

// Logical pixels: the view shown, with the title line above it.
QSize ResponseWindow::exportSize() const {
    return mViews->currentWidget()->size() + QSize(0, kTitleHeight);
}

void ResponseWindow::paintExport(QPainter& painter) const {
    QWidget* view = mViews->currentWidget();
    painter.fillRect(QRect(QPoint(0, 0), exportSize()), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(minchoFont(11));
    painter.drawText(QRect(0, 0, view->width(), kTitleHeight), Qt::AlignCenter, titleLine());
    view->render(&painter, QPoint(0, kTitleHeight));
}

bool ResponseWindow::savePng(const QString& path) {
    const double scale = 2 * devicePixelRatioF();
    QImage image((QSizeF(exportSize()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paintExport(painter);
    }
    return saveFile(this, path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

bool ResponseWindow::saveSvg(const QString& path) {
    return saveFile(this, path, [this](QIODevice& file) {
        WholeWriteDevice whole(file);
        QSvgGenerator svg;
        svg.setOutputDevice(&whole);
        svg.setSize(exportSize());
        svg.setViewBox(QRect(QPoint(0, 0), exportSize()));
        svg.setTitle(titleLine());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        paintExport(painter);
        return painter.end() && !whole.failed();
    });
}

// One landscape A4 page, the chart scaled to fill it.
bool ResponseWindow::savePdf(const QString& path) {
    return saveFile(this, path, [this](QIODevice& file) {
        WholeWriteDevice whole(file);
        QPdfWriter pdf(&whole);
        pdf.setTitle(titleLine());
        pdf.setCreator(QStringLiteral("Selvoria"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                     kPdfMarginMillimetres, kPdfMarginMillimetres),
                           QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        const QSize size = exportSize();
        const QRect page = painter.viewport();
        const double scale =
            std::min(page.width() / double(size.width()), page.height() / double(size.height()));
        painter.scale(scale, scale);
        paintExport(painter);
        return painter.end() && !whole.failed();
    });
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
