#pragma once

// The frequency response window on its own, shown, with drawings of a resistor, a coil and a
// capacitor to follow.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "response/ResponseWindow.h"
#include "tests/engine/DrawingBuilder.h"

// A resistor, a coil and a capacitor in series (the left terminal of each on the right terminal
// of the next), or the resistor in series with the coil and the capacitor stacked, or the
// resistor alone.
enum class Shape { Series, Tank, Resistor };
struct Rlc {
    double r, l, c;
    Shape shape = Shape::Series;
};

inline CircuitModel rlcDrawing(const Rlc& rlc, double frequency = 0) {
    CircuitModel model = drawing::emptyModel();
    if (rlc.shape == Shape::Tank) {
        drawing::stack(model, 6, 11);
        drawing::placePartAt(model, 1, 4710, 3600);
    } else {
        drawing::placePartAt(model, 1, 5000, 5000);
        if (rlc.shape == Shape::Series) {
            drawing::placePartAt(model, 6, 3890, 5000);
            drawing::placePartAt(model, 11, 2780, 5000);
        }
    }
    model.slotValue[1] = rlc.r, model.slotValue[6] = rlc.l, model.slotValue[11] = rlc.c;
    model.frequency = frequency;
    return model;
}

inline QStringList listed(const ResponseWindow& window) {
    QStringList rows;
    auto* list = window.findChild<QListWidget*>("resonances");
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    rows.sort();
    return rows;
}

class ResponseWindowTest : public ::testing::Test {
protected:
    ResponseWindow window{nullptr};

    ResponseWindowTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void show(const CircuitModel& model) {
        window.follow(model);
        window.flush();
    }
    QString text(const char* label) { return window.findChild<QLabel*>(label)->text(); }
    void type(const char* field, const QString& text) {
        auto* edit = window.findChild<QLineEdit*>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};
