#include "dialogs/ColumnChoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

struct MeaningRow {
    ValueMeaning meaning;
    const char* text;
    const char* first;
    const char* second;
};

const MeaningRow kMeanings[] = {
    {ValueMeaning::ReIm, "Re Z, Im Z", "Re Z の列", "Im Z の列"},
    {ValueMeaning::ReMinusIm, "Re Z, −Im Z", "Re Z の列", "−Im Z の列"},
    {ValueMeaning::MagnitudePhaseDegrees, "|Z|, 位相角 (°)", "|Z| の列", "位相角 (°) の列"},
};

struct FrequencyUnit {
    const char* text;
    double hertz;
};

const FrequencyUnit kFrequencyUnits[] = {
    {"mHz", 1e-3}, {"Hz", 1}, {"kHz", 1e3}, {"MHz", 1e6}, {"GHz", 1e9}};

// Logical pixels: room for a few columns of numbers without scrolling sideways.
constexpr QSize kPreviewSize(560, 260);

QComboBox* list(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

ColumnChoiceDialog::ColumnChoiceDialog(const QString& fileName, const DelimitedPreview& preview,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("columnChoiceDialog"));
    setWindowTitle(QStringLiteral("列の選択 — ") + fileName);
    mPreview = new QTableWidget;
    mPreview->setObjectName(QStringLiteral("columnPreview"));
    mPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mPreview->setMinimumSize(kPreviewSize);
    showPreview(preview);

    mFrequency = list("frequencyColumn");
    mFirst = list("firstColumn");
    mSecond = list("secondColumn");
    for (int c = 0; c < mPreview->columnCount(); ++c) {
        const QString name = mPreview->horizontalHeaderItem(c)->text();
        for (QComboBox* box : {mFrequency, mFirst, mSecond}) box->addItem(name);
    }
    mMeaning = list("valueMeaning");
    for (const MeaningRow& row : kMeanings) mMeaning->addItem(QString::fromUtf8(row.text));
    mUnit = list("frequencyUnit");
    for (const FrequencyUnit& unit : kFrequencyUnits) mUnit->addItem(QString::fromUtf8(unit.text));

    const ColumnChoice& guess = preview.guess.choice;
    mFrequency->setCurrentIndex(static_cast<int>(guess.frequencyColumn));
    mFirst->setCurrentIndex(static_cast<int>(guess.firstColumn));
    mSecond->setCurrentIndex(static_cast<int>(guess.secondColumn));
    const auto meaning =
        std::find_if(std::begin(kMeanings), std::end(kMeanings),
                     [&](const MeaningRow& r) { return r.meaning == guess.meaning; });
    mMeaning->setCurrentIndex(static_cast<int>(meaning - std::begin(kMeanings)));
    // A unit the list does not have keeps the nearest the list has.
    const auto unit =
        std::min_element(std::begin(kFrequencyUnits), std::end(kFrequencyUnits),
                         [&](const FrequencyUnit& a, const FrequencyUnit& b) {
                             return std::fabs(std::log10(a.hertz / guess.hertzPerUnit)) <
                                    std::fabs(std::log10(b.hertz / guess.hertzPerUnit));
                         });
    mUnit->setCurrentIndex(static_cast<int>(unit - std::begin(kFrequencyUnits)));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("周波数の列"), mFrequency);
    form->addRow(QStringLiteral("周波数の単位"), mUnit);
    form->addRow(QStringLiteral("値の意味"), mMeaning);
    mFirstLabel = new QLabel;
    mSecondLabel = new QLabel;
    form->addRow(mFirstLabel, mFirst);
    form->addRow(mSecondLabel, mSecond);
    connect(mMeaning, &QComboBox::currentIndexChanged, this, &ColumnChoiceDialog::nameValueColumns);
    nameValueColumns();

    auto* reason =
        new QLabel(QStringLiteral("推定：") + QString::fromStdString(preview.guess.reason));
    reason->setObjectName(QStringLiteral("columnGuessReason"));
    reason->setTextFormat(Qt::PlainText);
    reason->setWordWrap(true);
    auto* rows = new QLabel(QStringLiteral("全 %1 行のうち先頭 %2 行")
                                .arg(preview.rowCount)
                                .arg(preview.firstRows.rows.size()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("columnChoiceButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("読み込む"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("readColumns"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelColumns"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows);
    layout->addWidget(mPreview, 1);
    layout->addWidget(reason);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

// Cells are items, which Qt shows as plain text whatever the file holds.
void ColumnChoiceDialog::showPreview(const DelimitedPreview& preview) {
    const DelimitedTable& table = preview.firstRows;
    const int columns = static_cast<int>(table.columnCount);
    mPreview->setColumnCount(columns);
    mPreview->setRowCount(static_cast<int>(table.rows.size()));
    for (int c = 0; c < columns; ++c) {
        QString name = QStringLiteral("列 %1").arg(c + 1);
        if (static_cast<std::size_t>(c) < table.header.size())
            name += QStringLiteral("：") + QString::fromStdString(table.header[c]);
        mPreview->setHorizontalHeaderItem(c, new QTableWidgetItem(name));
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const DelimitedRow& row = table.rows[r];
        mPreview->setVerticalHeaderItem(static_cast<int>(r),
                                        new QTableWidgetItem(QString::number(row.line)));
        for (std::size_t c = 0; c < row.cells.size() && c < table.columnCount; ++c)
            mPreview->setItem(static_cast<int>(r), static_cast<int>(c),
                              new QTableWidgetItem(QString::fromStdString(row.cells[c])));
    }
    mPreview->resizeColumnsToContents();
}

void ColumnChoiceDialog::nameValueColumns() {
    const MeaningRow& row = kMeanings[std::max(0, mMeaning->currentIndex())];
    mFirstLabel->setText(QString::fromUtf8(row.first));
    mSecondLabel->setText(QString::fromUtf8(row.second));
}

ColumnChoice ColumnChoiceDialog::choice() const {
    ColumnChoice choice;
    choice.frequencyColumn = static_cast<std::size_t>(mFrequency->currentIndex());
    choice.firstColumn = static_cast<std::size_t>(mFirst->currentIndex());
    choice.secondColumn = static_cast<std::size_t>(mSecond->currentIndex());
    choice.meaning = kMeanings[mMeaning->currentIndex()].meaning;
    choice.hertzPerUnit = kFrequencyUnits[mUnit->currentIndex()].hertz;
    return choice;
}
