#pragma once

#include <QTimer>
#include <functional>

class QWidget;

// Runs a window's update at most once per frame however often it is asked for: the first request
// starts a single-shot timer and later ones only wait for it, so a burst of drag events costs one
// update, made from what the last request left. While the window is hidden the update is held
// back until the window is shown again.
class FrameUpdate {
public:
    FrameUpdate(QWidget* window, std::function<void()> update);

    void request();
    // Runs a requested update now, shown or not.
    void flush();
    // To be called from the window's showEvent.
    void windowShown();

private:
    void run();

    QWidget* mWindow;
    std::function<void()> mUpdate;
    QTimer mTimer;
    bool mHeld = false;
};
