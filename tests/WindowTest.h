#pragma once

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <ostream>

#include "UserActions.h"

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

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
    // What the drawing shows, control by control: each part and line with its visibility, place
    // and labels, the frequency labels and "周波数"; with `results`, also the result fields,
    // the marks, the conversion command and the unit list.
    QStringList shownState(bool results = true) {
        QStringList state;
        const auto element = [&](QWidget* widget) {
            QString text = widget->objectName();
            if (!widget->isVisible()) {
                state << text + QStringLiteral(" hidden");
                return;
            }
            const QRect r = widget->geometry();
            state << text + QStringLiteral(" %1,%2 %3x%4")
                                .arg(r.x())
                                .arg(r.y())
                                .arg(r.width())
                                .arg(r.height());
        };
        for (int s = 1; s <= 20; ++s) {
            element(form.picture(s));
            if (!form.picture(s)->isVisible()) continue;  // nobody reads a hidden part's labels
            for (const ValueLabel* label : form.valueLabels(s)) {
                const bool marked = label->palette().color(QPalette::WindowText) == Qt::red;
                state << label->objectName() + u'=' + label->text() +
                             (results && marked ? "(red)" : "");
            }
        }
        for (int n = 1; n <= 20; ++n) element(form.lineImage(n));
        element(form.findChild<QWidget*>("Command4"));
        state << QStringLiteral("frequency=") + label("Label18") + u' ' + label("Label19");
        if (!results) return state;
        element(form.findChild<QWidget*>("Command9"));
        for (int n = 1; n <= 4; ++n) state << QStringLiteral("Text%1=").arg(n) + field(n);
        state << form.findChild<QComboBox*>("Combo1")->currentText();
        return state;
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
