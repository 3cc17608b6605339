#pragma once

#include <QString>
#include <array>

#include "model/CircuitModel.h"

class QLineEdit;
class QStatusBar;
class QWidget;
class StatusText;

// The four result fields Text1..Text4 of the main window: |Z|, real and imaginary part, phase.
// They show the model's last result with the system's decimal separator and are emptied
// whenever that result is withdrawn. Beside them, in the status bar, the wired check of the
// result ("wiredCheck"), emptied with them so that no stale verdict stays; a verdict too long
// for the status bar is cut off at its end, the whole of it in its tooltip.
class ResultFields {
public:
    ResultFields(const QWidget* clientArea, QStatusBar* statusBar);

    // In the order the result step writes them: phase, magnitude, real part, imaginary part.
    void show(const CircuitModel& model);
    // Only fields that hold text are touched.
    void clear();
    // After a failed calculation's message: what to do where the cause is plain (a capacitor at
    // 0 Hz), in the status bar; nothing otherwise.
    void explainFailure(const CircuitModel& model);
    // The fields as shown, for the clipboard: one line each with its name, number and unit,
    // tab-separated as a spreadsheet takes them, after the working frequency; empty while the
    // fields are.
    QString text(const CircuitModel& model) const;

private:
    std::array<QLineEdit*, 5> mFields{};  // Text1..Text4
    StatusText* mCheck;
};
