#include "editor/DragController.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "toolkit/ImageFile.h"
#include "toolkit/Twips.h"

DragController::DragController(QWidget* clientArea, QObject* parent)
    : QObject(parent), mClientArea(clientArea) {}

namespace {

constexpr int kCursorHotSpot = 16;  // the centre of the 32 x 32 cursor images

}  // namespace

void DragController::addDraggable(QWidget* widget, const char* cursorImage) {
    mCursorOf[widget] = cursorImage;
    mSources[widget] = widget;
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        mSources[child] = widget;
        child->installEventFilter(this);
    }
}

bool DragController::eventFilter(QObject* watched, QEvent* event) {
    const auto source = mSources.find(watched);
    if (source == mSources.end()) return false;
    switch (event->type()) {
        // The second press of a quick double-click arrives as a double-click: it starts a drag
        // like any press and must not reach the window, where it would remove an element.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) begin(source->second);
            return true;
        case QEvent::MouseMove:
            if (mDragged) move(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            if (mDragged && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                finish(static_cast<QMouseEvent*>(event));
            return true;
        default: return false;
    }
}

void DragController::begin(QWidget* source) {
    if (mDragged) return;
    mDragged = source;
    QApplication::setOverrideCursor(dragCursor(source));
    emit started(source);
}

const QCursor& DragController::dragCursor(QWidget* source) {
    const std::string_view resource = mCursorOf[source];
    auto cursor = mCursors.find(resource);
    if (cursor == mCursors.end()) {
        const QPixmap image = readPixmap(QString::fromLatin1(resource), "PNG");
        cursor = mCursors.emplace(resource, QCursor(image, kCursorHotSpot, kCursorHotSpot)).first;
    }
    return cursor->second;
}

void DragController::move(const QMouseEvent* event) {
    const QPoint pointer = mClientArea->mapFromGlobal(event->globalPosition().toPoint());
    // Only the bare background reports the drag: over any visible control, the dragged
    // element included, the element stays where it was last moved.
    if (!mClientArea->rect().contains(pointer) || mClientArea->childAt(pointer) != nullptr) return;
    emit dragOver(mDragged, static_cast<float>(pixelsToTwips(pointer.x())),
                  static_cast<float>(pixelsToTwips(pointer.y())));
}

void DragController::finish(const QMouseEvent* event) {
    QWidget* source = mDragged;
    mDragged = nullptr;
    QApplication::restoreOverrideCursor();
    const QPoint pointer = mClientArea->mapFromGlobal(event->globalPosition().toPoint());
    QWidget* target =
        mClientArea->rect().contains(pointer) ? mClientArea->childAt(pointer) : nullptr;
    if (target != nullptr) emit dropped(source, target);
    emit finished(source);
}
