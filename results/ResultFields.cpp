#include "results/ResultFields.h"

#include <QLineEdit>

#include "app/services/NumberText.h"
#include "app/services/NumericText.h"

namespace {

// Numbers the user reads as results, in the plain form with the system's decimal separator.
QString localText(double value) {
    return QString::fromStdString(plainText(value, systemSeparators().decimalPoint));
}

}  // namespace

ResultFields::ResultFields(const QWidget* clientArea) {
    for (int i = 1; i <= 4; ++i)
        mFields[i] = clientArea->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
}

void ResultFields::show(const CircuitModel& model) {
    mFields[4]->setText(localText(model.phaseAngle));
    mFields[1]->setText(localText(model.shownAbs));
    mFields[2]->setText(localText(model.shownRe));
    mFields[3]->setText(localText(model.shownIm));
}

void ResultFields::clear() {
    for (int i = 1; i <= 4; ++i)
        if (!mFields[i]->text().isEmpty()) mFields[i]->setText(QString());
}
