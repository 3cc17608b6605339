#include "following/StepsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "engine/NoPartPlacedError.h"
#include "engine/WiredCheck.h"
#include "model/Palette.h"
#include "results/NumberLabels.h"
#include "results/ResultUnits.h"
#include "results/WiredCheckText.h"
#include "toolkit/PlainLabel.h"

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

// The engine names its faults in English for programmers; the user reads what they mean here.
QString arithmeticFailure(const ArithmeticError& error) {
    const QString what = QString::fromUtf8(error.what());
    if (what.contains(QStringLiteral("does not end")))
        return QStringLiteral("計算できません：図をたどると同じ素子に戻り、計算が終わりません。");
    if (what.contains(QStringLiteral("division by zero")))
        return QStringLiteral(
            "計算できません：０で除算されたエラー（0 Hz または容量 0 のコンデンサ、"
            "あるいは並列につながった 0 Ω の枝があります）。");
    return QStringLiteral("計算できません：値が大きすぎるか、定まらない値になりました。");
}

}  // namespace

StepsWindow::StepsWindow(QWidget* parent) : FollowingWindow(parent) {
    setObjectName(QStringLiteral("StepsWindow"));
    setWindowTitle(QStringLiteral("計算過程"));

    mFailure = new PlainLabel;
    mFailure->setObjectName(QStringLiteral("calculationError"));
    mFailure->setWordWrap(true);
    mFailure->setStyleSheet(QStringLiteral("color: #b00000"));
    mFailure->hide();
    mSteps = new QTableWidget(0, 4);
    mSteps->setObjectName(QStringLiteral("steps"));
    mSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mSteps->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    mSteps->setMinimumSize(kTableMinimumSize);
    mNotInResult = new PlainLabel;
    mNotInResult->setObjectName(QStringLiteral("notInResult"));
    mNotInResult->setWordWrap(true);
    mWiredCheck = new PlainLabel;
    mWiredCheck->setObjectName(QStringLiteral("wiredCheck"));
    mWiredCheck->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    // A tool window closes on Escape as the dialogs it replaces did.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mFailure);
    layout->addWidget(mSteps, 1);
    layout->addWidget(mNotInResult);
    layout->addWidget(mWiredCheck);
    layout->addWidget(buttons);
    showModel();
}

// The steps come from a calculation of a copy, so that they are the calculation's own; when it
// fails, the steps made before the fault stay listed above the reason.
void StepsWindow::showModel() {
    CircuitModel copy = model();
    CalculationTrace trace;
    QString failure;
    try {
        Calculate(copy, &trace);
    } catch (const NoPartPlacedError&) {
        failure = QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい");
    } catch (const ArithmeticError& error) {
        failure = arithmeticFailure(error);
    }
    mFailure->setText(failure);
    mFailure->setVisible(!failure.isEmpty());

    const double factor = model().resultUnitFactor;
    const QString unit = QString::fromStdString(resultUnitText(factor));
    mSteps->setHorizontalHeaderLabels({QStringLiteral("手順"), QStringLiteral("内容"),
                                       QStringLiteral("実部 (") + unit + u')',
                                       QStringLiteral("虚部 (") + unit + u')'});
    const QStringList names = partNames(model());
    mSteps->setRowCount(static_cast<int>(trace.steps().size()));
    int row = 0;
    for (const TraceStep& step : trace.steps()) {
        const QString cells[] = {kindText(step.kind), describe(step, names),
                                 shownText(step.value.re, factor),
                                 shownText(step.value.im, factor)};
        for (int c = 0; c < 4; ++c) mSteps->setItem(row, c, new QTableWidgetItem(cells[c]));
        ++row;
    }

    const WiredCheck check = CheckWiredDrawing(model());
    const QString left = notInResultText(check, model());
    mNotInResult->setText(left.isEmpty() ? QStringLiteral("計算に入っていない素子：なし") : left);
    mWiredCheck->setText(wiredCheckText(check, factor));
    emit updated();
}
