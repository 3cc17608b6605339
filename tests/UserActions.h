#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "ModalDialog.h"
#include "app/Form1.h"

// Drives the main window as a user does: clicks, typing into the value dialogs, and mouse drags
// sent to the window itself, so that Qt routes them and grabs the mouse as it does for a user.
class UserActions {
public:
    explicit UserActions(Form1& form) : mForm(form) {}
    ~UserActions() {
        // The pressed-button state is global to the application: never leave it pressed.
        if (mPressed) QTest::mouseRelease(window(), Qt::LeftButton, {}, mLast);
    }

    void click(const char* command) {
        QTest::mouseClick(mForm.findChild<QPushButton*>(command), Qt::LeftButton);
    }

    // Presses a command that opens a value dialog and fills it in: the keys are typed over the
    // selected "0", the unit is picked with the arrow keys, then the dialog is closed.
    void enterValue(const char* command, const QString& keys, int unitDownPresses = 0,
                    const char* closeWith = "Command1") {
        whenModalOpens([&](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), keys);
            auto* units = dialog->findChild<QComboBox*>("Combo1");
            for (int i = 0; i < unitDownPresses; ++i) QTest::keyClick(units, Qt::Key_Down);
            QTest::mouseClick(dialog->findChild<QPushButton*>(closeWith), Qt::LeftButton);
        });
        click(command);
    }

    // Positions are in pixels of the client area.
    void press(QWidget* element) {
        mLast = windowPoint(element->mapTo(mForm.clientArea(), element->rect().center()));
        QTest::mousePress(window(), Qt::LeftButton, {}, mLast);
        mPressed = true;
    }
    void moveTo(QPoint client) {
        mLast = windowPoint(client);
        QTest::mouseMove(window(), mLast);
    }
    void release() {
        QTest::mouseRelease(window(), Qt::LeftButton, {}, mLast);
        mPressed = false;
    }
    // Drags the element so that its top-left corner lands at the given point. The pointer
    // goes by an empty corner first, as a hand does: a target inside the element's own rectangle
    // would not be reached in one move, the pointer being over the element itself.
    void drag(QWidget* element, QPoint client) {
        press(element);
        moveTo({835, 545});
        moveTo(client);
        release();
    }
    void doubleClick(QPoint client) {
        QTest::mouseDClick(window(), Qt::LeftButton, {}, windowPoint(client));
    }

private:
    QWindow* window() { return mForm.windowHandle(); }
    QPoint windowPoint(QPoint client) { return mForm.clientArea()->mapTo(&mForm, client); }

    Form1& mForm;
    QPoint mLast;
    bool mPressed = false;
};
