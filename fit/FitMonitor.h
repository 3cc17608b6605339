#pragma once

#include <atomic>
#include <functional>

// Descents of the solver done out of those planned; a fit that finds nothing left to improve
// ends before it reaches the total.
struct FitProgress {
    int done;
    int total;
};

// How a window follows a fit running on its worker thread. Both are looked at between the
// solver's iterations; the callback runs on the fitting thread.
struct FitMonitor {
    std::function<void(const FitProgress&)> progress;
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
    void report(int done, int total) const {
        if (progress) progress({done, total});
    }
};
