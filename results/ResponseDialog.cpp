#include "results/ResponseDialog.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLogValueAxis>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/services/NumberText.h"
#include "app/services/NumericText.h"
#include "app/toolkit/Appearance.h"
#include "app/toolkit/SaveFile.h"
#include "results/SweepCsv.h"

namespace {

constexpr double kDefaultStart = 1;
constexpr double kDefaultStop = 1e7;
constexpr int kDefaultCount = 400;
// Logical pixels: a chart that reads at a glance, and a list as wide as its longest line.
constexpr QSize kChartMinimumSize(640, 400);
constexpr int kResonanceListWidth = 240;

// Five significant digits are as much as a sweep step resolves.
QString hertz(double f) {
    return QString::number(f, 'g', 5) + QStringLiteral(" Hz");
}

QString resonanceText(const Resonance& r) {
    switch (r.kind) {
        case Resonance::Kind::PhaseZero: return QStringLiteral("位相 0°：") + hertz(r.frequency);
        case Resonance::Kind::Minimum: return QStringLiteral("|Z| 極小：") + hertz(r.frequency);
        case Resonance::Kind::Maximum: break;
    }
    return QStringLiteral("|Z| 極大：") + hertz(r.frequency);
}

// One line series per run of valid points, so that frequencies where the reduction failed
// show as gaps.
template <typename Value>
std::vector<QLineSeries*> segments(const std::vector<SweepPoint>& points, Value value) {
    std::vector<QLineSeries*> runs;
    QLineSeries* run = nullptr;
    for (const SweepPoint& p : points) {
        if (!p.valid) {
            run = nullptr;
            continue;
        }
        if (run == nullptr) runs.push_back(run = new QLineSeries);
        run->append(p.frequency, value(p));
    }
    return runs;
}

}  // namespace

ResponseDialog::ResponseDialog(const CircuitModel& model, const QString& unitText, QWidget* parent)
    : QDialog(parent), mModel(model), mUnitText(unitText) {
    setObjectName(QStringLiteral("ResponseDialog"));
    setWindowTitle(QStringLiteral("周波数特性"));
    setFont(minchoFont());
    buildControls();
    refresh();
}

void ResponseDialog::buildControls() {
    mStart = new QLineEdit(QString::fromStdString(plainText(kDefaultStart)));
    mStart->setObjectName(QStringLiteral("startFrequency"));
    mStop = new QLineEdit(QString::fromStdString(plainText(kDefaultStop)));
    mStop->setObjectName(QStringLiteral("stopFrequency"));
    mCount = new QSpinBox;
    mCount->setObjectName(QStringLiteral("pointCount"));
    mCount->setRange(200, 2000);
    mCount->setValue(kDefaultCount);
    auto* refreshButton = new QPushButton(QStringLiteral("更新"));
    refreshButton->setObjectName(QStringLiteral("refresh"));
    connect(refreshButton, &QPushButton::clicked, this, &ResponseDialog::refresh);

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("開始 (Hz)")));
    range->addWidget(mStart);
    range->addWidget(new QLabel(QStringLiteral("終了 (Hz)")));
    range->addWidget(mStop);
    range->addWidget(new QLabel(QStringLiteral("点数")));
    range->addWidget(mCount);
    range->addWidget(refreshButton);

    mChart = new QChart;
    mChart->legend()->hide();
    mChartView = new QChartView(mChart);
    mChartView->setRenderHint(QPainter::Antialiasing);
    mChartView->setMinimumSize(kChartMinimumSize);
    mResonances = new QListWidget;
    mResonances->setObjectName(QStringLiteral("resonances"));
    mResonances->setMaximumWidth(kResonanceListWidth);
    auto* body = new QHBoxLayout;
    body->addWidget(mChartView, 1);
    body->addWidget(mResonances);

    auto* buttons = new QDialogButtonBox;
    auto* csv = buttons->addButton(QStringLiteral("CSV保存"), QDialogButtonBox::ActionRole);
    auto* image = buttons->addButton(QStringLiteral("画像保存"), QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    connect(csv, &QPushButton::clicked, this, [this] {
        askAndSave(QStringLiteral("CSV保存"), QStringLiteral("周波数特性.csv"),
                   QStringLiteral("CSV (*.csv)"), &ResponseDialog::saveCsv);
    });
    connect(image, &QPushButton::clicked, this, [this] {
        askAndSave(QStringLiteral("画像保存"), QStringLiteral("周波数特性.png"),
                   QStringLiteral("PNG (*.png)"), &ResponseDialog::saveImage);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(body, 1);
    layout->addWidget(
        new QLabel(QStringLiteral("同じ縮約計算を各周波数で行った結果です。インピーダンス素子は周波"
                                  "数によらず一定の値です。")));
    layout->addWidget(buttons);
}

void ResponseDialog::refresh() {
    const auto read = [](const QLineEdit* field, double fallback) {
        const std::string text = field->text().toStdString();
        return isNumericText(text) ? readLeadingNumber(text) : fallback;
    };
    double start = read(mStart, kDefaultStart), stop = read(mStop, kDefaultStop);
    if (!(start > 0 && stop > start)) start = kDefaultStart, stop = kDefaultStop;
    mStart->setText(QString::fromStdString(plainText(start)));
    mStop->setText(QString::fromStdString(plainText(stop)));
    mPoints = SweepFrequencies(mModel, start, stop, mCount->value());
    plot();
    listResonances();
}

void ResponseDialog::plot() {
    mChart->removeAllSeries();
    for (QAbstractAxis* axis : mChart->axes()) {
        mChart->removeAxis(axis);
        delete axis;
    }
    auto* frequency = new QLogValueAxis;
    frequency->setTitleText(QStringLiteral("周波数 (Hz)"));
    frequency->setLabelFormat(QStringLiteral("%g"));
    frequency->setRange(mPoints.front().frequency, mPoints.back().frequency);
    auto* magnitude = new QLogValueAxis;
    magnitude->setTitleText(QStringLiteral("|Z| (") + mUnitText + u')');
    magnitude->setLabelFormat(QStringLiteral("%g"));
    auto* phase = new QValueAxis;
    phase->setTitleText(QStringLiteral("位相角 (度)"));
    phase->setRange(-90, 90);
    phase->setTickCount(7);
    mChart->addAxis(frequency, Qt::AlignBottom);
    mChart->addAxis(magnitude, Qt::AlignLeft);
    mChart->addAxis(phase, Qt::AlignRight);

    const double factor = mModel.resultUnitFactor;
    double low = INFINITY, high = 0;
    const auto attach = [&](QLineSeries* series, QAbstractAxis* y, QColor colour) {
        series->setColor(colour);
        mChart->addSeries(series);
        series->attachAxis(frequency);
        series->attachAxis(y);
    };
    // A log axis cannot show 0: a magnitude of exactly 0 is left out like a failed point.
    std::vector<SweepPoint> magnitudes = mPoints;
    for (SweepPoint& p : magnitudes) {
        const double abs = std::hypot(p.z.re, p.z.im) * factor;
        p.valid = p.valid && abs > 0;
        if (p.valid) low = std::min(low, abs), high = std::max(high, abs);
    }
    for (QLineSeries* run : segments(magnitudes, [factor](const SweepPoint& p) {
             return std::hypot(p.z.re, p.z.im) * factor;
         }))
        attach(run, magnitude, QColor(27, 58, 140));
    for (QLineSeries* run : segments(mPoints, [](const SweepPoint& p) { return p.phase; }))
        attach(run, phase, QColor(192, 24, 24));
    if (high > 0) magnitude->setRange(low / 1.5, high * 1.5);

    const double working = mModel.frequency;
    if (high > 0 && working >= mPoints.front().frequency && working <= mPoints.back().frequency) {
        auto* marker = new QLineSeries;
        marker->setObjectName(QStringLiteral("workingFrequency"));
        marker->append(working, low / 1.5);
        marker->append(working, high * 1.5);
        marker->setPen(QPen(Qt::darkGreen, 1.5, Qt::DashLine));
        attach(marker, magnitude, Qt::darkGreen);
    }
}

void ResponseDialog::listResonances() {
    mResonances->clear();
    mResonances->addItem(QStringLiteral("作業周波数：") + hertz(mModel.frequency));
    const bool anyValid =
        std::any_of(mPoints.begin(), mPoints.end(), [](const SweepPoint& p) { return p.valid; });
    if (!anyValid) {
        mResonances->addItem(QStringLiteral("この範囲では計算できません"));
        return;
    }
    const std::vector<Resonance> found = FindResonances(mPoints);
    if (found.empty()) mResonances->addItem(QStringLiteral("共振点はありません"));
    for (const Resonance& r : found) mResonances->addItem(resonanceText(r));
}

bool ResponseDialog::saveCsv(const QString& path) {
    const std::string csv = sweepCsv(mPoints, mModel.resultUnitFactor);
    return saveFile(this, path, [&csv](QIODevice& file) {
        return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
               static_cast<qint64>(csv.size());
    });
}

bool ResponseDialog::saveImage(const QString& path) {
    const QPixmap image = mChartView->grab();
    return saveFile(this, path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

// The program writes a file only here, where the user has chosen it.
void ResponseDialog::askAndSave(const QString& title, const QString& fileName,
                                const QString& filter,
                                bool (ResponseDialog::*save)(const QString&)) {
    const QString path = askSavePath(this, title, fileName, filter);
    if (!path.isEmpty()) (this->*save)(path);
}
