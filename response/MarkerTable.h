#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "response/MarkedPoint.h"

struct CircuitModel;
class QPushButton;
class QTableWidget;

// The markers M1 to M4 the user placed by clicking a curve, in a table under the views: each
// marker's frequency, R, X, |Z| and phase, its reflection coefficient Γ against Z0 and the VSWR,
// then each later marker's difference from M1. A marker keeps its frequency while the drawing
// changes; a fifth takes the place of the oldest. "マーカー消去" removes them all.
class MarkerTable : public QWidget {
    Q_OBJECT
public:
    explicit MarkerTable(QWidget* parent = nullptr);

    void place(double frequency);
    // The drawing evaluated at each marker's frequency, shown in the result unit with Γ against
    // `z0`, and returned for the views to draw.
    std::vector<MarkedPoint> show(const CircuitModel& model, double z0);
    // As last shown.
    const std::vector<MarkedPoint>& shown() const { return mShown; }
    // For the clipboard: the table's heading and rows, tab-separated; nothing without markers.
    QString text() const;

signals:
    void cleared();

private:
    void addRow(const QStringList& cells);

    std::array<std::optional<double>, 4> mFrequencies{};
    std::size_t mNext = 0;
    std::vector<MarkedPoint> mShown;
    QTableWidget* mTable;
};
