// Undo and redo of every kind of editing step, through the "編集" menu.

#include <QAction>
#include <QMessageBox>
#include <QTimer>

#include <random>

#include "WindowTest.h"
#include "app/DrawingDocument.h"

namespace {

class UndoTest : public WindowTest {
protected:
    QAction* action(const char* name) { return form.findChild<QAction*>(name); }
    void undo() { action("actionUndo")->trigger(); }
    void redo() { action("actionRedo")->trigger(); }
    // A failing calculation's message box is answered.
    void calculate() {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        user.click("Command6");
    }
};

TEST_F(UndoTest, EachKindOfStepIsUndoneAndRedone) {
    struct Row {
        const char* step;
        std::function<void()> before, edit;
    };
    const auto none = [] {};
    const auto resistor = [this] { user.enterValue("Command1", QStringLiteral("100")); };
    const Row rows[] = {
        {"配置", none, resistor},
        {"配置", none, [this] { user.click("Command8"); }},
        {"ドラッグ", resistor,
         [this] {
             user.drag(form.picture(1), {300, 300});
         }},
        {"削除", resistor, [this] { user.doubleClick(background); }},
        {"クリア", resistor, [this] { user.click("Command10"); }},
        {"素子化",
         [this] {
             user.enterValue("Command1", QStringLiteral("100"));
             user.click("Command6");
         },
         [this] { user.click("Command9"); }},
        {"周波数", none, [this] { user.enterValue("Command4", QStringLiteral("50"), 1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        form.document().newDrawing();
        row.before();
        const QStringList before = shownState(false);
        row.edit();
        const QStringList after = shownState(false);
        ASSERT_NE(before, after);
        EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("元に戻す: ") + row.step);
        undo();
        EXPECT_EQ(shownState(false), before);
        EXPECT_EQ(action("actionRedo")->text(), QStringLiteral("やり直し: ") + row.step);
        // No stale result survives: nothing shown, nothing marked, nothing to convert.
        EXPECT_TRUE(field(1).isEmpty());
        EXPECT_FALSE(visible("Command9"));
        for (int s = 1; s <= 20; ++s) EXPECT_FALSE(red(s)) << s;
        redo();
        EXPECT_EQ(shownState(false), after);
    }
}

TEST_F(UndoTest, UnitChangesCalculationsAndDragsThatMoveNothingAreNoSteps) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command6");
    pickResultUnit(1);
    const QPoint at = form.picture(1)->pos();
    user.drag(form.picture(1), at);  // away and back again
    EXPECT_EQ(form.picture(1)->pos(), at);
    undo();  // the placing
    EXPECT_FALSE(form.picture(1)->isVisible());
    EXPECT_FALSE(action("actionUndo")->isEnabled());
    EXPECT_EQ(form.findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("ＫΩ"));
}

// The part dragged away and back is not the one handled last: the drag changes which element a
// double-click removes, but moves nothing, so it is no step either.
TEST_F(UndoTest, DragAwayAndBackOfAnEarlierPartIsNoStep) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command2", QStringLiteral("1"));
    const QPoint at = form.picture(1)->pos();
    user.drag(form.picture(1), at);
    undo();  // the coil's placing
    EXPECT_FALSE(form.picture(6)->isVisible());
    EXPECT_TRUE(form.picture(1)->isVisible());
    undo();  // the resistor's placing
    EXPECT_FALSE(form.picture(1)->isVisible());
    EXPECT_FALSE(action("actionUndo")->isEnabled());
}

TEST_F(UndoTest, RandomEditsUndoToTheEmptyDrawingAndRedoToTheLast) {
    const QStringList empty = shownState(false);
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto somewhere = [&] { return QPoint(40 + pick(760), 200 + pick(320)); };
    // A kind with all five parts placed opens no dialog.
    const auto place = [&](const char* command, int firstSlot, const QString& value) {
        for (int s = firstSlot; s < firstSlot + 5; ++s)
            if (!form.picture(s)->isVisible()) return user.enterValue(command, value);
    };
    const std::vector<std::function<void()>> edits = {
        [&] { place("Command1", 1, QString::number(1 + pick(999))); },
        [&] { place("Command2", 6, QString::number(1 + pick(9))); },
        [&] { place("Command3", 11, QString::number(1 + pick(9))); },
        [&] { user.click(pick(2) ? "Command7" : "Command8"); },
        [&] {
            const int slot = 1 + pick(20);
            if (form.picture(slot)->isVisible()) user.drag(form.picture(slot), somewhere());
        },
        [&] {
            const int image = 1 + pick(20);
            if (form.lineImage(image)->isVisible()) user.drag(form.lineImage(image), somewhere());
        },
        [&] { user.doubleClick(background); },
        [&] { user.enterValue("Command4", QString::number(pick(100))); },
        [&] {
            calculate();
            if (visible("Command9")) user.click("Command9");
        },
        [&] {
            if (pick(4) == 0) user.click("Command10");
        },
    };
    int steps = 0;
    while (steps < 120) {
        edits[pick(static_cast<int>(edits.size()))]();
        steps = form.document().history().count();
    }
    const QStringList last = shownState(false);
    while (action("actionUndo")->isEnabled()) undo();
    EXPECT_EQ(shownState(false), empty);
    while (action("actionRedo")->isEnabled()) redo();
    EXPECT_EQ(shownState(false), last);
}

TEST_F(UndoTest, NewDrawingStartsANewHistory) {
    user.enterValue("Command1", QStringLiteral("100"));
    form.findChild<QAction*>("actionNew")->trigger();
    EXPECT_FALSE(action("actionUndo")->isEnabled());
    EXPECT_EQ(action("actionUndo")->text(), QStringLiteral("元に戻す"));
}

}  // namespace
