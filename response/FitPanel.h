#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>
#include <optional>
#include <vector>

#include "fit/FitOptions.h"
#include "fit/FitResult.h"
#include "model/CircuitModel.h"
#include "response/FittedDrawing.h"
#include "response/ShownMeasurement.h"

class FitTable;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;
class ResidualChart;
class ResponseChart;

// What one fit gave: its result, or why it could not run.
struct FitOutcome {
    std::optional<FitResult> result;
    QString problem;
};

// "フィット": the drawing's part values fitted to the measurement chosen in the frequency
// response window. The fit runs on a worker thread on a copy of the drawing, with its progress
// shown and a command to stop it; the fitted curve, the residuals and the correlations are shown
// before anything changes, and "適用" hands the values to the program, which writes them into the
// drawing as one step that can be undone.
class FitPanel : public QWidget {
    Q_OBJECT
public:
    explicit FitPanel(QWidget* parent);
    // Stops a fit still running and waits for it.
    ~FitPanel() override;

    // The drawing and the measurement to fit it to (nullptr: none chosen), shown and raised.
    void showFor(const CircuitModel& model, const ShownMeasurement* measured);
    // While no fit runs, the table's drawn values follow the drawing.
    void followDrawing(const CircuitModel& model);
    bool running() const { return mWatcher.isRunning(); }
    const std::optional<FitResult>& result() const { return mResult; }

public slots:
    // "フィット実行"
    void run();
    // "中止": the fit stops at its next iteration with the best values found so far.
    void cancel();
    // "適用"
    void apply();

signals:
    void applied(const FittedDrawing& fitted);
    // A fit ended and its outcome is shown.
    void fitFinished();

private:
    void buildControls();
    QWidget* buildViews();
    void finish();
    void showOutcome(const FitOutcome& outcome);
    void showCurves(const CircuitModel& model);
    void showCorrelation(const FitResult& result);
    void showCommands();
    QString problemBeforeFit(const FitOptions& options) const;

    CircuitModel mModel;                   // the drawing as last shown
    std::vector<ShownMeasurement> mShown;  // the measurement fitted to, or none
    DrawingState mStarted;                 // the drawing the last fit started from
    CircuitModel mFitted;                  // that drawing with the values found
    std::optional<FitResult> mResult;
    std::atomic<bool> mCancel{false};
    QFutureWatcher<FitOutcome> mWatcher;

    QLabel* mMeasurement = nullptr;
    QComboBox* mWeighting = nullptr;
    FitTable* mTable = nullptr;
    QPushButton* mRun = nullptr;
    QPushButton* mCancelButton = nullptr;
    QPushButton* mApply = nullptr;
    QProgressBar* mProgress = nullptr;
    QLabel* mSummary = nullptr;
    QTabWidget* mViews = nullptr;
    ResponseChart* mCurve = nullptr;
    ResidualChart* mResiduals = nullptr;
    QTableWidget* mCorrelation = nullptr;
};
