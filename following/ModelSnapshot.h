#pragma once

#include <memory>

#include "model/CircuitModel.h"

// The model as the windows that follow it see it: one copy, made when the first of them brings
// itself up to date after a change and shared by all of them, so that a burst of drag events
// costs one copy per frame however many windows are open.
class ModelSnapshot {
public:
    explicit ModelSnapshot(const CircuitModel& live) : mLive(live) {}

    // The live model has changed; the next copy asked for is made afresh.
    void changed() { mStale = true; }
    std::shared_ptr<const CircuitModel> current();

private:
    const CircuitModel& mLive;
    std::shared_ptr<const CircuitModel> mCopy;
    bool mStale = true;
};
