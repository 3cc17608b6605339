#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// Ends a start-up probe once its window has been painted for the first time: the event loop
// quits on its next pass, after the backing store has been flushed to the screen. On the way out
// the probe prints the window's size, so that a bare window can be given the same one.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : QObject(&window), mWindow(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &mWindow && event->type() == QEvent::Paint && !mPainted) {
            mPainted = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("%dx%d\n", mWindow.width(), mWindow.height());
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget& mWindow;
    bool mPainted = false;
};
