#include "response/MeasurementPanel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ColumnChoiceDialog.h"
#include "engine/ArithmeticError.h"
#include "engine/NoPartPlacedError.h"
#include "engine/ReductionPlan.h"
#include "measurement/DelimitedReader.h"
#include "measurement/MeasurementError.h"
#include "measurement/MeasurementFile.h"
#include "measurement/TouchstoneReader.h"
#include "response/ChartAxes.h"
#include "response/MeasurementReading.h"
#include "response/ResidualChart.h"
#include "results/NumberLabels.h"
#include "toolkit/Messages.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SaveFile.h"

namespace {

const QString kFilter = QStringLiteral(
    "測定データ (*.s1p *.ts *.csv *.txt *.dat);;Touchstone (*.s1p *.ts);;"
    "CSV・テキスト (*.csv *.txt *.dat);;すべてのファイル (*)");

QLabel* plainLabel(const char* name) {
    auto* label = new PlainLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QString percent(double value) {
    return localNumber(value, 3) + QStringLiteral(" %");
}

}  // namespace

MeasurementPanel::MeasurementPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("measurementPanel"));
    mList = new QListWidget;
    mList->setObjectName(QStringLiteral("measurementList"));
    auto* add = button(QStringLiteral("開く..."), "addMeasurement");
    mRemove = button(QStringLiteral("削除"), "removeMeasurement");
    mFollow = button(QStringLiteral("測定の範囲に合わせる"), "followMeasurementRange");
    mFit = button(QStringLiteral("フィット..."), "fitMeasurement");
    mVerdict = plainLabel("kramersKronigVerdict");
    mStatus = plainLabel("measurementStatus");
    mStatus->hide();
    mResiduals = new ResidualChart;
    connect(add, &QPushButton::clicked, this, &MeasurementPanel::open);
    connect(mRemove, &QPushButton::clicked, this, &MeasurementPanel::removeChosen);
    connect(mFollow, &QPushButton::clicked, this, &MeasurementPanel::followRange);
    connect(mFit, &QPushButton::clicked, this, &MeasurementPanel::fitWanted);
    connect(mList, &QListWidget::currentRowChanged, this, [this] {
        showVerdict();
        emit changed();
    });

    auto* commands = new QHBoxLayout;
    commands->addWidget(add);
    commands->addWidget(mRemove);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PlainLabel(QStringLiteral("測定データ")));
    layout->addWidget(mList, 1);
    layout->addLayout(commands);
    layout->addWidget(mFollow);
    layout->addWidget(mFit);
    layout->addWidget(mVerdict);
    showList(-1);
}

MeasurementSources MeasurementPanel::sources() const {
    MeasurementSources sources;
    for (const ShownMeasurement& m : mMeasured) sources.append(m.source);
    return sources;
}

const ShownMeasurement* MeasurementPanel::chosen() const {
    const int row = mList->currentRow();
    return row >= 0 && row < static_cast<int>(mMeasured.size()) ? &mMeasured[row] : nullptr;
}

void MeasurementPanel::open() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QStringLiteral("測定データを開く"),
                                      mFolder.isEmpty() ? documentsFolder() : mFolder, kFilter);
    const std::size_t before = mMeasured.size();
    for (const QString& path : paths) {
        mFolder = QFileInfo(path).absolutePath();
        if (std::optional<ShownMeasurement> shown =
                readOpenedFile(QFileInfo(path).absoluteFilePath()))
            mMeasured.push_back(std::move(*shown));
    }
    if (mMeasured.size() == before) return;
    showList(static_cast<int>(mMeasured.size()) - 1);
    emit changed();
    emit edited(sources());
}

// Read whole and checked before it is listed: a refusal leaves the list as it was.
std::optional<ShownMeasurement> MeasurementPanel::readOpenedFile(const QString& path) {
    try {
        if (isTouchstoneName(path))
            return shownMeasurement({path, std::nullopt}, readTouchstoneFile(fileSystemPath(path)));
        const MeasurementFile file = readMeasurementFile(fileSystemPath(path));
        const DelimitedPreview preview = previewDelimited(file.name, file.text);
        ColumnChoiceDialog dialog(QString::fromStdString(file.name), preview, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        const ColumnChoice choice = dialog.choice();
        return shownMeasurement({path, choice}, readDelimited(file.name, file.text, choice));
    } catch (const MeasurementError& error) {
        showCriticalMessage(this, QStringLiteral("測定データを読めませんでした。\n") +
                                      QString::fromStdString(error.what()));
    }
    return std::nullopt;
}

void MeasurementPanel::showSources(const MeasurementSources& sources) {
    mMeasured.clear();
    for (const MeasurementSource& source : sources) mMeasured.push_back(readSource(source));
    showList(mMeasured.empty() ? -1 : 0);
    emit changed();
}

void MeasurementPanel::removeChosen() {
    const int row = mList->currentRow();
    if (row < 0 || row >= static_cast<int>(mMeasured.size())) return;
    mMeasured.erase(mMeasured.begin() + row);
    showList(std::min(row, static_cast<int>(mMeasured.size()) - 1));
    emit changed();
    emit edited(sources());
}

void MeasurementPanel::followRange() {
    std::vector<const Measurement*> spanned;
    if (const ShownMeasurement* one = chosen(); one != nullptr && one->data)
        spanned.push_back(&*one->data);
    else
        for (const ShownMeasurement& m : mMeasured)
            if (m.data) spanned.push_back(&*m.data);
    const FrequencySpan span = frequencySpan(spanned);
    if (span.low > 0) emit rangeWanted(span.low, span.high);
}

// Items show their text as plain text; each takes its measurement's colour in the views.
void MeasurementPanel::showList(int chosenRow) {
    const QSignalBlocker quiet(mList);
    mList->clear();
    for (std::size_t i = 0; i < mMeasured.size(); ++i) {
        const ShownMeasurement& m = mMeasured[i];
        auto* item =
            new QListWidgetItem(m.data ? m.name : m.name + QStringLiteral("（読めません）"));
        // A tooltip that looks like markup is shown as markup: the path is escaped.
        item->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>")
                             .arg(QDir::toNativeSeparators(m.source.path).toHtmlEscaped()));
        item->setForeground(m.data ? measurementColour(i) : QColor(Qt::gray));
        mList->addItem(item);
    }
    mList->setCurrentRow(chosenRow);
    const bool anyData =
        std::any_of(mMeasured.begin(), mMeasured.end(), [](const auto& m) { return m.data; });
    mRemove->setEnabled(!mMeasured.empty());
    mFollow->setEnabled(anyData);
    showVerdict();
    showStatus();
}

// What the chosen measurement allows: its verdict, and a fit when it has data.
void MeasurementPanel::showVerdict() {
    const ShownMeasurement* m = chosen();
    mFit->setEnabled(m != nullptr && m->data);
    mVerdict->setVisible(m != nullptr);
    if (m == nullptr) return;
    QString text = QStringLiteral("Kramers–Kronig（") + m->name + QStringLiteral("）：");
    if (!m->data) {
        text += QStringLiteral("読めません");
    } else {
        text += QString::fromStdString(m->check.text);
        if (m->check.verdict != KramersKronigCheck::Verdict::Undecided)
            text += QStringLiteral("　最大 ") + percent(m->check.maxResidualPercent) +
                    QStringLiteral("　rms ") + percent(m->check.rmsResidualPercent);
    }
    mVerdict->setText(text);
}

void MeasurementPanel::showStatus() {
    QStringList lines;
    for (const ShownMeasurement& m : mMeasured) {
        if (!m.data)
            lines << QStringLiteral("測定データを読めません：") + m.problem;
        else if (!m.data->note.empty())
            lines << m.name + QStringLiteral("：") + QString::fromStdString(m.data->note);
    }
    mStatus->setText(lines.join(u'\n'));
    mStatus->setVisible(!lines.isEmpty());
}

// The drawing is read once for all the measurements; one that cannot be read has no residuals.
void MeasurementPanel::showResiduals(const CircuitModel& model) {
    std::vector<std::vector<KkResidual>> residuals(mMeasured.size());
    try {
        const ReductionPlan plan(model);
        for (std::size_t m = 0; m < residuals.size(); ++m)
            if (mMeasured[m].data) residuals[m] = drawingResiduals(plan, *mMeasured[m].data);
    } catch (const NoPartPlacedError&) {
    } catch (const ArithmeticError&) {
    }
    mResiduals->showResiduals(mMeasured, residuals, chosen());
}
