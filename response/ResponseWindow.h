#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "following/FollowingWindow.h"
#include "model/CircuitModel.h"
#include "response/FittedDrawing.h"
#include "response/MeasurementPanel.h"
#include "response/MeasurementSource.h"
#include "response/ShownMeasurement.h"

class ChartImage;
class FitPanel;
class MarkerTable;
class QLabel;
class RangeBar;
class ResonanceList;
class QTabWidget;
class ResponseChart;
class SmithChart;

// "周波数特性": the drawn network's impedance over a range of frequencies, from the same
// reduction as the calculate command, in four views (|Z| and phase, R and X, Nyquist, Smith
// chart), with the resonances, a readout of the point under the pointer and the working
// frequency marked, and measured impedances drawn over it with a fifth view of how far the drawing
// lies from them. Values are in the model's result unit.
class ResponseWindow : public FollowingWindow {
    Q_OBJECT
public:
    explicit ResponseWindow(QWidget* parent);

    const std::vector<SweepPoint>& points() const { return mPoints; }
    const std::vector<Resonance>& resonances() const { return mResonances; }
    const std::vector<ShownMeasurement>& measurements() const { return mPanel->measurements(); }

    // Each reports a failure in a message box; the old file then stays as it was.
    bool saveCsv(const QString& path);
    bool saveTouchstone(const QString& path);
    bool savePng(const QString& path);
    bool saveSvg(const QString& path);
    bool savePdf(const QString& path);
    // Asks where to save and saves there: the program writes a file only where the user chose.
    void askAndSave(const QString& title, const QString& fileName, const QString& filter,
                    bool (ResponseWindow::*save)(const QString&));

public slots:
    // "更新": sweeps the range typed in the fields, or says under them why it cannot.
    void refresh();
    // "測定データを開く...": asks for files and draws those read over the drawing's curves.
    void openMeasurement() { mPanel->open(); }
    // The drawing file's measurements in place of those listed, each read again.
    void showMeasurementSources(const MeasurementSources& sources) { mPanel->showSources(sources); }
    // "フィット...": the fit panel for the drawing and the chosen measurement.
    void showFit();
    // The readout, the marker table and the resonances to the clipboard as text, a line each.
    void copyReadout();
    // A marker at the sweep point, M1 to M4 in turn.
    void placeMarker(int index);

signals:
    // After each sweep shown.
    void updated();
    // The user opened or removed a measurement.
    void measurementsChanged(const MeasurementSources& sources);
    // "適用" in the fit panel: the values for the program to write into the drawing.
    void fitApplied(const FittedDrawing& fitted);

private:
    void showModel() override;
    void buildControls();
    QWidget* buildViews();
    void sweep();
    void showCurrentView();
    void sweepOver(double start, double stop);
    void showReadout(int index);
    void showMarkers();
    void readReferenceImpedance();
    void showProblems();
    ChartImage image() const;

    double mStart;
    double mStop;
    double mReference;  // Z0, ohms
    QString mRangeProblem;
    QString mReferenceProblem;
    std::vector<SweepPoint> mPoints;
    std::vector<Resonance> mResonances;
    std::optional<SweepPoint> mWorking;
    int mPointed = -1;

    RangeBar* mRange = nullptr;
    QLabel* mProblems = nullptr;
    QLabel* mDrawingMessage = nullptr;
    QTabWidget* mViews = nullptr;
    std::array<ResponseChart*, 3> mCharts{};
    SmithChart* mSmith = nullptr;
    MeasurementPanel* mPanel = nullptr;
    FitPanel* mFit = nullptr;  // made when first wanted
    // Views not shown are filled when they are chosen: each refill lays out every point.
    std::array<bool, 5> mStale{};
    ResonanceList* mResonanceList = nullptr;
    QLabel* mReadout = nullptr;
    MarkerTable* mMarkers = nullptr;
    QLabel* mSaved = nullptr;  // what the last export or copy did
};
