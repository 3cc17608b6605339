#pragma once

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "UserActions.h"

// A main window shown on the (offscreen) screen and driven by a user, and what a test reads off
// it. Positions are client-area pixels, 15 twips each.
class WindowTest : public ::testing::Test {
protected:
    Form1 form;
    UserActions user{form};
    // A spot of bare background below the palette rows.
    const QPoint background{600, 520};

    WindowTest() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QString field(int n) {
        return form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))->text();
    }
    QString label(const char* name) { return form.findChild<QLabel*>(name)->text(); }
    bool visible(const char* name) { return form.findChild<QWidget*>(name)->isVisible(); }
    bool red(int slot) {
        return form.valueLabels(slot).front()->palette().color(QPalette::WindowText) ==
               QColor(255, 0, 0);
    }
    // Picks an item of the result unit list with the arrow keys, as a user does.
    void pickResultUnit(int index) {
        auto* units = form.findChild<QComboBox*>("Combo1");
        units->setFocus();
        while (units->currentIndex() < index) QTest::keyClick(units, Qt::Key_Down);
        while (units->currentIndex() > index) QTest::keyClick(units, Qt::Key_Up);
    }
    // Two 100 Ω resistors stacked and closed by two vertical lines: 50 Ω when calculated.
    void drawTwoStackedResistors() {
        user.enterValue("Command1", QStringLiteral("100"));
        user.enterValue("Command1", QStringLiteral("100"));
        user.drag(form.picture(1), {300, 250});
        user.drag(form.picture(2), {300, 315});
        user.click("Command7");
        user.click("Command7");
        user.drag(form.lineImage(1), {374, 274});
        user.drag(form.lineImage(2), {292, 274});
    }
};
