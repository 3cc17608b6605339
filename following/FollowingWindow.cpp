#include "following/FollowingWindow.h"

#include "toolkit/Appearance.h"

FollowingWindow::FollowingWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), mUpdate(this, [this] { showModel(); }) {
    setFont(minchoFont());
    loadInitialState(mModel);
}

void FollowingWindow::follow(const CircuitModel& model) {
    mModel = model;
    mUpdate.request();
}

void FollowingWindow::flush() {
    mUpdate.flush();
}

void FollowingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    mUpdate.windowShown();
}
