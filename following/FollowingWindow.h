#pragma once

#include <QWidget>

#include "following/FrameUpdate.h"
#include "model/CircuitModel.h"

// An analysis window: a tool window of the main window that shows its own copy of the model, as
// it stands after start-up until the first follow, and never touches the main window's fields or
// marks. What it shows is brought up to date at most once per frame.
class FollowingWindow : public QWidget {
    Q_OBJECT
public:
    // Takes a copy of the model and shows it within a frame; a burst of calls shows the last.
    void follow(const CircuitModel& model);
    // Shows a followed model now.
    void flush();

protected:
    explicit FollowingWindow(QWidget* parent);

    void showEvent(QShowEvent* event) override;
    // Shows mModel; called at most once per frame after a follow.
    virtual void showModel() = 0;

    CircuitModel mModel;

private:
    FrameUpdate mUpdate;
};
