#pragma once

#include "following/FollowingWindow.h"

class QLabel;
class QTableWidget;

// "計算過程": the reduction of the drawing as it stands, step by step, in the result unit and
// rounded as the result fields are; the parts the reduction leaves out; and the nodal analysis
// of the drawing as wired beside it.
class StepsWindow : public FollowingWindow {
    Q_OBJECT
public:
    explicit StepsWindow(QWidget* parent);

signals:
    // After each update of what the window shows.
    void updated();

private:
    void showModel() override;

    QLabel* mFailure = nullptr;
    QTableWidget* mSteps = nullptr;
    QLabel* mNotInResult = nullptr;
    QLabel* mWiredCheck = nullptr;
};
