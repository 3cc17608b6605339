#include "response/FitTable.h"

#include <QHeaderView>
#include <algorithm>
#include <map>
#include <optional>

#include "dialogs/ValueCaption.h"
#include "model/CircuitModel.h"
#include "model/ControlNames.h"
#include "results/NumberLabels.h"

namespace {

const char* const kHeaders[] = {"名前", "種類", "初期値", "フィット値",
                                "± %",  "固定", "最小",   "最大"};

QString kindText(int slot) {
    switch (kindOfSlot(slot)) {
        case PartKind::Resistor: return QStringLiteral("抵抗");
        case PartKind::Coil: return QStringLiteral("コイル");
        default: return QStringLiteral("コンデンサ");
    }
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString captionOf(int slot, double value, const std::string& caption) {
    return QString::fromStdString(valueCaption(kindOfSlot(slot), value, caption)).trimmed();
}

// What the user set for one part, kept across a new showing of the drawing.
struct UserSetting {
    Qt::CheckState fixed;
    QString min, max;
};

}  // namespace

FitTable::FitTable(QWidget* parent) : QTableWidget(0, ColumnCount, parent) {
    setObjectName(QStringLiteral("fitTable"));
    QStringList headers;
    for (const char* header : kHeaders) headers << QString::fromUtf8(header);
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As tall as its rows: the curves below take the rest.
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    setToolTip(
        QStringLiteral("最小・最大は数と単位で（「10ＫΩ」）。単位を省くとラベルの単位です。"));
}

void FitTable::showDrawing(const CircuitModel& model) {
    std::map<int, UserSetting> kept;
    for (int row = 0; row < rowCount(); ++row)
        kept[slotOfRow(row)] = {item(row, Fixed)->checkState(), item(row, Min)->text(),
                                item(row, Max)->text()};
    setRowCount(0);
    for (int slot = 1; slot <= 3 * kSlotsPerKind; ++slot) {
        if (model.slotUsed[slot] == 0) continue;
        addRow(slot, QString::fromStdString(model.valueCaption[slot][0]), model.slotValue[slot]);
        const auto setting = kept.find(slot);
        if (setting == kept.end()) continue;
        const int row = rowCount() - 1;
        item(row, Fixed)->setCheckState(setting->second.fixed);
        item(row, Min)->setText(setting->second.min);
        item(row, Max)->setText(setting->second.max);
    }
}

void FitTable::addRow(int slot, const QString& caption, double value) {
    const int row = rowCount();
    insertRow(row);
    auto* name = fixedItem(QString::fromStdString(pictureName(slot)));
    name->setData(Qt::UserRole, slot);
    name->setData(Qt::UserRole + 1, caption);
    setItem(row, Name, name);
    setItem(row, Kind, fixedItem(kindText(slot)));
    setItem(row, Start, fixedItem(captionOf(slot, value, caption.toStdString())));
    setItem(row, Fitted, fixedItem(QString()));
    setItem(row, Error, fixedItem(QString()));
    auto* fixed = new QTableWidgetItem;
    fixed->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    fixed->setCheckState(Qt::Unchecked);
    setItem(row, Fixed, fixed);
    setItem(row, Min, new QTableWidgetItem);
    setItem(row, Max, new QTableWidgetItem);
}

int FitTable::slotOfRow(int row) const {
    return item(row, Name)->data(Qt::UserRole).toInt();
}

QString FitTable::captionOfRow(int row) const {
    return item(row, Name)->data(Qt::UserRole + 1).toString();
}

FitTable::Reading FitTable::read() const {
    Reading reading;
    for (int row = 0; row < rowCount(); ++row) {
        const int slot = slotOfRow(row);
        reading.options.fixed[slot] = item(row, Fixed)->checkState() == Qt::Checked ? 1 : 0;
        ValueBounds& bounds = reading.options.bounds[slot];
        for (const QString& problem :
             {readBound(row, Min, bounds.min), readBound(row, Max, bounds.max)}) {
            if (reading.problem.isEmpty()) reading.problem = problem;
        }
        if (reading.problem.isEmpty() && bounds.min && bounds.max && !(*bounds.min < *bounds.max))
            reading.problem =
                item(row, Name)->text() + QStringLiteral("：最小は最大より小さくして下さい");
    }
    return reading;
}

// An empty cell leaves the value open on that side.
QString FitTable::readBound(int row, int column, std::optional<double>& bound) const {
    const QString typed = item(row, column)->text().trimmed();
    if (typed.isEmpty()) return {};
    bound = typedValue(kindOfSlot(slotOfRow(row)), typed.toStdString(),
                       captionOfRow(row).toStdString());
    if (bound && *bound > 0) return {};
    bound.reset();
    return item(row, Name)->text() + QStringLiteral("：") + QString::fromUtf8(kHeaders[column]) +
           QStringLiteral("は 0 より大きい値で入力して下さい");
}

void FitTable::clearFitted() {
    for (int row = 0; row < rowCount(); ++row) {
        item(row, Fitted)->setText(QString());
        item(row, Error)->setText(QString());
    }
}

void FitTable::showResult(const FitResult& result) {
    clearFitted();
    for (int row = 0; row < rowCount(); ++row) {
        const std::string name = item(row, Name)->text().toStdString();
        const auto has = [&name](const std::vector<std::string>& names) {
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        if (has(result.notInResult)) item(row, Fitted)->setText(QStringLiteral("結果に入らない"));
        const auto fitted = std::find_if(result.values.begin(), result.values.end(),
                                         [&name](const FittedValue& v) { return v.name == name; });
        if (fitted == result.values.end()) continue;
        item(row, Fitted)
            ->setText(captionOf(fitted->slot, fitted->value, captionOfRow(row).toStdString()));
        if (fitted->stdErrPercent)
            item(row, Error)->setText(localNumber(*fitted->stdErrPercent, 2));
        else
            item(row, Error)
                ->setText(fitted->atBound ? QStringLiteral("境界") : QStringLiteral("定まらない"));
    }
}
