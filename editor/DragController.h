#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <map>
#include <string_view>

class QMouseEvent;

// The state a drag-over event reports while the pointer moves over the window; the window
// handles every event alike.
inline constexpr int kDragOver = 2;
class QWidget;

// Drags parts and lines by hand. A press on a draggable widget (or on a label inside it) starts
// the drag at once; Qt's implicit grab keeps the mouse events coming to the pressed widget,
// wherever the pointer goes. Each move over the bare background of the client area reports the
// pointer in twips; the release reports the control under the pointer. Qt's own QDrag would
// run a nested event loop and deliver none of this.
class DragController : public QObject {
    Q_OBJECT
public:
    explicit DragController(QWidget* clientArea, QObject* parent = nullptr);

    // Makes the widget draggable; children that do not take the mouse themselves (its value
    // labels) start the same drag. While it is dragged the pointer is the built-in 32 x 32 PNG
    // image named, read when a drag first needs it and then kept for every drag.
    void addDraggable(QWidget* widget, const char* cursorImage);

signals:
    // A press that starts a drag, and its release wherever it ends.
    void started(QWidget* source);
    void finished(QWidget* source);
    void dragOver(QWidget* source, float x, float y);
    void dropped(QWidget* source, QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(QWidget* source);
    void move(const QMouseEvent* event);
    void finish(const QMouseEvent* event);
    const QCursor& dragCursor(QWidget* source);

    QWidget* mClientArea;
    std::map<QObject*, QWidget*> mSources;  // watched widget -> the element it drags
    std::map<QWidget*, std::string_view> mCursorOf;
    std::map<std::string_view, QCursor> mCursors;  // by resource, as read
    QPointer<QWidget> mDragged;
};
