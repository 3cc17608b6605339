#include "results/ResultFields.h"

#include <QLineEdit>
#include <QStatusBar>

#include "engine/FailureCause.h"
#include "engine/WiredCheck.h"
#include "results/ResultUnits.h"
#include "results/WiredCheckText.h"
#include "text/NumberText.h"
#include "text/NumericText.h"
#include "toolkit/StatusText.h"

namespace {

// Numbers the user reads as results, in the plain form with the system's decimal separator.
QString localText(double value) {
    return QString::fromStdString(plainText(value, systemSeparators().decimalPoint));
}

}  // namespace

ResultFields::ResultFields(const QWidget* clientArea, QStatusBar* statusBar)
    : mCheck(new StatusText(statusBar)) {
    mCheck->setObjectName(QStringLiteral("wiredCheck"));
    // Stretched: the verdict takes whatever room the file name leaves.
    statusBar->addPermanentWidget(mCheck, 1);
    mCheck->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 1; i <= 4; ++i)
        mFields[i] = clientArea->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
}

void ResultFields::show(const CircuitModel& model) {
    mFields[4]->setText(localText(model.phaseAngle));
    mFields[1]->setText(localText(model.shownAbs));
    mFields[2]->setText(localText(model.shownRe));
    mFields[3]->setText(localText(model.shownIm));
    const WiredCheck check = CheckWiredDrawing(model);
    const QString left = notInResultText(check, model);
    mCheck->setStatus(wiredCheckText(check, model.resultUnitFactor) +
                      (left.isEmpty() ? QString() : QStringLiteral("　") + left));
}

void ResultFields::clear() {
    for (int i = 1; i <= 4; ++i)
        if (!mFields[i]->text().isEmpty()) mFields[i]->setText(QString());
    if (!mCheck->text().isEmpty()) mCheck->setStatus(QString());
}

void ResultFields::explainFailure(const CircuitModel& model) {
    if (capacitorAtZeroHertz(model))
        mCheck->setStatus(
            QStringLiteral("周波数が 0 Hz です：コンデンサのインピーダンスを求められません。"
                           "「周波数」で設定してください。"));
}

QString ResultFields::text(const CircuitModel& model) const {
    if (mFields[1]->text().isEmpty()) return {};
    const QString unit = QString::fromStdString(resultUnitText(model.resultUnitFactor));
    const auto line = [](const QString& name, const QString& number, const QString& unitText) {
        return name + u'\t' + number + u'\t' + unitText + u'\n';
    };
    return line(QStringLiteral("周波数"), QString::fromStdString(model.frequencyCaption),
                QString::fromStdString(model.frequencyUnitCaption)) +
           line(QStringLiteral("合成Ｚ"), mFields[1]->text(), unit) +
           line(QStringLiteral("複素Ｚ 実部"), mFields[2]->text(), unit) +
           line(QStringLiteral("複素Ｚ 虚部"), mFields[3]->text(), unit) +
           line(QStringLiteral("位相角"), mFields[4]->text(), QStringLiteral("度"));
}
