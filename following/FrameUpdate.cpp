#include "following/FrameUpdate.h"

#include <QWidget>

namespace {

constexpr int kFrameMilliseconds = 16;  // one frame at 60 Hz

}  // namespace

FrameUpdate::FrameUpdate(QWidget* window, std::function<void()> update)
    : mWindow(window), mUpdate(std::move(update)) {
    mTimer.setSingleShot(true);
    mTimer.setInterval(kFrameMilliseconds);
    QObject::connect(&mTimer, &QTimer::timeout, &mTimer, [this] {
        if (mWindow->isVisible())
            run();
        else
            mHeld = true;
    });
}

void FrameUpdate::request() {
    if (!mTimer.isActive()) mTimer.start();
}

void FrameUpdate::flush() {
    if (mTimer.isActive() || mHeld) run();
}

void FrameUpdate::windowShown() {
    if (mHeld) request();
}

void FrameUpdate::run() {
    mTimer.stop();
    mHeld = false;
    mUpdate();
}
