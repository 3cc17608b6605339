#pragma once

#include <QString>
#include <QTableWidget>

#include "fit/FitOptions.h"
#include "fit/FitResult.h"

struct CircuitModel;

// The parts a fit may change, one row each: name, kind, the drawn value, the fitted value with
// its standard error in percent, whether the user fixes it, and the bounds the user types. The
// values show in the unit of the part's label; a bound may name another of its dialog's units.
class FitTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Name, Kind, Start, Fitted, Error, Fixed, Min, Max, ColumnCount };

    explicit FitTable(QWidget* parent = nullptr);

    // Rows for the drawing's resistors, coils and capacitors. A part listed before keeps the
    // fixed box and bounds the user gave it; the fitted columns empty.
    void showDrawing(const CircuitModel& model);
    // The fixed parts and the bounds as typed, or why they cannot be used.
    struct Reading {
        FitOptions options;
        QString problem;  // names the part and the column; empty when the table can be used
    };
    Reading read() const;
    void showResult(const FitResult& result);

private:
    int slotOfRow(int row) const;
    QString captionOfRow(int row) const;
    void addRow(int slot, const QString& caption, double value);
    void clearFitted();
    QString readBound(int row, int column, std::optional<double>& bound) const;
};
