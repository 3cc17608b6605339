#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

#include "engine/CalculationTrace.h"

// "計算過程": the steps of the last successful calculation, each with the parts it combined
// (by kind and value label) and the value it gave, in the chosen result unit.
class StepsDialog : public QDialog {
    Q_OBJECT
public:
    // partNames[s] names slot s as its label read at the time of the calculation.
    StepsDialog(const std::optional<CalculationTrace>& trace, const QStringList& partNames,
                double unitFactor, const QString& unitText, QWidget* parent = nullptr);
};
