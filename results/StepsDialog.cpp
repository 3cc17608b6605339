#include "results/StepsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/services/NumberText.h"
#include "app/services/NumericText.h"
#include "app/toolkit/Appearance.h"
#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"

namespace {

// Logical pixels: room for the longest description of a drawing of twenty parts.
constexpr QSize kTableMinimumSize(640, 320);

QString joined(const std::vector<int>& members, const QStringList& names, const QString& glue) {
    QStringList texts;
    for (int s : members) texts << names.value(s);
    return texts.join(glue);
}

// Parts of one column are in parallel; a column of several is bracketed where it meets others.
QString column(const std::vector<int>& members, const QStringList& names) {
    const QString text = joined(members, names, QStringLiteral(" ∥ "));
    return members.size() > 1 ? u'(' + text + u')' : text;
}

QString chain(const std::vector<int>& members, const QStringList& names) {
    return QStringLiteral("これまでの合成（") + joined(members, names, QStringLiteral("、")) +
           u'）';
}

QString kindText(TraceStep::Kind kind) {
    switch (kind) {
        case TraceStep::Kind::Take: return QStringLiteral("素子");
        case TraceStep::Kind::Parallel: return QStringLiteral("並列");
        case TraceStep::Kind::Series: return QStringLiteral("直列");
        case TraceStep::Kind::Bypass: break;
    }
    return QStringLiteral("バイパス");
}

QString describe(const TraceStep& step, const QStringList& names) {
    switch (step.kind) {
        case TraceStep::Kind::Take: return names.value(step.left.front());
        case TraceStep::Kind::Parallel:
            return joined(step.left, names, QStringLiteral(" ∥ ")) + QStringLiteral(" ∥ ") +
                   names.value(step.right.front());
        case TraceStep::Kind::Series:
            if (step.right.empty()) return column(step.left, names);
            return column(step.left, names) + QStringLiteral(" ＋ ") + chain(step.right, names);
        case TraceStep::Kind::Bypass: break;
    }
    return chain(step.left, names) + QStringLiteral(" ∥ ") + names.value(step.right.front());
}

// Exactly as in the result fields. An intermediate value too large to round is shown unrounded.
QString shown(double ohms, double factor) {
    double value = ohms * factor;
    try {
        value = ShownValue(ohms, factor);
    } catch (const ArithmeticError&) {
    }
    return QString::fromStdString(plainText(value, systemSeparators().decimalPoint));
}

}  // namespace

StepsDialog::StepsDialog(const std::optional<CalculationTrace>& trace, const QStringList& partNames,
                         double unitFactor, const QString& unitText, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("StepsDialog"));
    setWindowTitle(QStringLiteral("計算過程"));
    setFont(minchoFont());
    auto* layout = new QVBoxLayout(this);
    if (!trace) {
        layout->addWidget(new QLabel(
            QStringLiteral("「計算実行」で計算すると、その計算過程がここに表示されます。")));
    } else {
        auto* table = new QTableWidget(static_cast<int>(trace->steps().size()), 4);
        table->setObjectName(QStringLiteral("steps"));
        table->setHorizontalHeaderLabels({QStringLiteral("手順"), QStringLiteral("内容"),
                                          QStringLiteral("実部 (") + unitText + u')',
                                          QStringLiteral("虚部 (") + unitText + u')'});
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        int row = 0;
        for (const TraceStep& step : trace->steps()) {
            table->setItem(row, 0, new QTableWidgetItem(kindText(step.kind)));
            table->setItem(row, 1, new QTableWidgetItem(describe(step, partNames)));
            table->setItem(row, 2, new QTableWidgetItem(shown(step.value.re, unitFactor)));
            table->setItem(row, 3, new QTableWidgetItem(shown(step.value.im, unitFactor)));
            ++row;
        }
        table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        table->setMinimumSize(kTableMinimumSize);
        layout->addWidget(table);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
