#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "response/MeasurementSource.h"
#include "response/ShownMeasurement.h"

class QLabel;
class QListWidget;
class QPushButton;
class ResidualChart;
struct CircuitModel;

// The measurements the frequency response window draws over the drawing's curves: the list with
// its commands, the Kramers–Kronig verdict of the one chosen in it, the view of the residuals, and
// a status line with what
// the files' readers noted (rows put in order) and which remembered files cannot be read. A file
// the user opens and the reader refuses is reported in a message box and nothing of it is listed.
class MeasurementPanel : public QWidget {
    Q_OBJECT
public:
    explicit MeasurementPanel(QWidget* parent = nullptr);

    const std::vector<ShownMeasurement>& measurements() const { return mMeasured; }
    MeasurementSources sources() const;
    // The measurement chosen in the list; nullptr when none is.
    const ShownMeasurement* chosen() const;
    // For the window to place: a line under its views, and a view of its own.
    QLabel* statusLine() const { return mStatus; }
    ResidualChart* residualChart() const { return mResiduals; }
    // Shows how far the drawing lies from each measurement listed.
    void showResiduals(const CircuitModel& model);

public slots:
    // Asks for files and lists those read; delimited text asks for its columns first.
    void open();
    // Lists the sources in place of the list, each read again.
    void showSources(const MeasurementSources& sources);

signals:
    // The list or the measurement chosen in it changed.
    void changed();
    // The user opened or removed a measurement.
    void edited(const MeasurementSources& sources);
    // "測定の範囲に合わせる": the frequencies the chosen measurement spans, or all of them.
    void rangeWanted(double start, double stop);
    // "フィット...": the drawing is to be fitted to the chosen measurement.
    void fitWanted();

private:
    std::optional<ShownMeasurement> readOpenedFile(const QString& path);
    void removeChosen();
    void followRange();
    void showList(int chosenRow);
    void showVerdict();
    void showStatus();

    std::vector<ShownMeasurement> mMeasured;
    QString mFolder;  // where the last file was opened
    QListWidget* mList = nullptr;
    QPushButton* mRemove = nullptr;
    QPushButton* mFollow = nullptr;
    QPushButton* mFit = nullptr;
    QLabel* mVerdict = nullptr;
    QLabel* mStatus = nullptr;
    ResidualChart* mResiduals = nullptr;
};
