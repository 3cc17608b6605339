#pragma once

#include <QWidget>
#include <memory>

#include "following/FrameUpdate.h"
#include "following/ModelSnapshot.h"
#include "model/CircuitModel.h"

// An analysis window: a tool window of the main window that shows its own copy of the model, as
// it stands after start-up until the first follow, and never touches the main window's fields or
// marks. What it shows is brought up to date at most once per frame.
class FollowingWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the snapshot's model within a frame, taking the snapshot's copy only then; a burst of
    // calls shows the last state.
    void follow(ModelSnapshot& snapshot);
    // The same for a model of its own, copied now.
    void follow(const CircuitModel& model);
    // Shows a followed model now.
    void flush();

protected:
    explicit FollowingWindow(QWidget* parent);

    void showEvent(QShowEvent* event) override;
    // Shows model(); called at most once per frame after a follow.
    virtual void showModel() = 0;

    const CircuitModel& model() const { return *mShown; }

private:
    std::shared_ptr<const CircuitModel> mShown;
    ModelSnapshot* mSource = nullptr;
    FrameUpdate mUpdate;
};
