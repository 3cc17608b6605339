#include "following/FollowingWindow.h"

#include "toolkit/Appearance.h"

namespace {

std::shared_ptr<const CircuitModel> initialModel() {
    auto model = std::make_shared<CircuitModel>();
    loadInitialState(*model);
    return model;
}

}  // namespace

FollowingWindow::FollowingWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), mShown(initialModel()), mUpdate(this, [this] {
          if (mSource != nullptr) mShown = mSource->current();
          showModel();
      }) {
    setFont(minchoFont());
}

void FollowingWindow::follow(ModelSnapshot& snapshot) {
    mSource = &snapshot;
    mUpdate.request();
}

void FollowingWindow::follow(const CircuitModel& model) {
    mSource = nullptr;
    mShown = std::make_shared<const CircuitModel>(model);
    mUpdate.request();
}

void FollowingWindow::flush() {
    mUpdate.flush();
}

void FollowingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    mUpdate.windowShown();
}
