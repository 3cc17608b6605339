#pragma once

#include <QDialog>
#include <vector>

#include "engine/FrequencySweep.h"

class QChart;
class QChartView;
class QLineEdit;
class QListWidget;
class QSpinBox;

// "周波数特性": |Z| and the phase angle of the drawn network against frequency, from the same
// reduction as the calculate command run at every frequency of a logarithmic sweep, with the
// working frequency marked and the resonances listed. Values are in the chosen result unit.
class ResponseDialog : public QDialog {
    Q_OBJECT
public:
    ResponseDialog(const CircuitModel& model, const QString& unitText, QWidget* parent = nullptr);

    const std::vector<SweepPoint>& points() const { return mPoints; }
    // Both report a failure in a message box; the old file then stays as it was.
    bool saveCsv(const QString& path);
    bool saveImage(const QString& path);

public slots:
    void refresh();

private:
    void buildControls();
    void plot();
    void listResonances();
    void askAndSave(const QString& title, const QString& fileName, const QString& filter,
                    bool (ResponseDialog::*save)(const QString&));

    const CircuitModel& mModel;
    QString mUnitText;
    std::vector<SweepPoint> mPoints;
    QLineEdit* mStart = nullptr;
    QLineEdit* mStop = nullptr;
    QSpinBox* mCount = nullptr;
    QChart* mChart = nullptr;
    QChartView* mChartView = nullptr;
    QListWidget* mResonances = nullptr;
};
