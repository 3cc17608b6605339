#pragma once

#include <QWidget>

#include "model/CircuitModel.h"
#include "results/FrameUpdate.h"

class QLabel;
class QTableWidget;

// "計算過程": the reduction of the drawing as it stands, step by step, in the result unit and
// rounded as the result fields are; the parts the reduction leaves out; and the nodal analysis
// of the drawing as wired beside it. The window works on its own copy of the model and never
// touches the main window's fields or marks.
class StepsWindow : public QWidget {
    Q_OBJECT
public:
    explicit StepsWindow(QWidget* parent);

    // Takes a copy of the model and shows it within a frame; a burst of calls shows the last.
    void follow(const CircuitModel& model);
    // Shows a followed model now.
    void flush();

signals:
    // After each update of what the window shows.
    void updated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDrawing();

    CircuitModel mModel;
    FrameUpdate mUpdate;
    QLabel* mFailure = nullptr;
    QTableWidget* mSteps = nullptr;
    QLabel* mNotInResult = nullptr;
    QLabel* mWiredCheck = nullptr;
};
