#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

// Answers the next modal dialog from inside its own event loop, as a user would: the action
// runs once the dialog is shown and must close it. A dialog the action leaves open is
// rejected after a while so that a faulty test fails instead of hanging.
inline void whenModalOpens(std::function<void(QDialog*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog was open";
            return;
        }
        action(dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
}

// Fails the test if a modal dialog opens before the event loop next runs idle.
inline void expectNoModalDialog() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
            dialog->reject();
        }
    });
}
