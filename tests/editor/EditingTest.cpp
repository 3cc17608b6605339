#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "WindowTest.h"

namespace {

// Removing the last element by double-click, and clearing the drawing.
class EditingTest : public WindowTest {
protected:
    bool placed(int slot) { return form.picture(slot)->isVisible(); }
};

TEST_F(EditingTest, DoubleClickRemovesTheElementHandledLast) {
    // Steps: R/L/C place a part, V places a vertical line, dN drags Picture N, iN drags
    // Image N, D double-clicks the background.
    struct Row {
        const char* name;
        std::vector<std::string> steps;
        std::vector<int> removedSlots, keptSlots, removedImages;
    };
    const Row rows[] = {
        {"dragged part, not the one placed after it", {"R", "L", "d1", "D"}, {1}, {6}, {}},
        {"placing counts as handling", {"R", "L", "D"}, {6}, {1}, {}},
        {"a dragged line stays last until a drag", {"V", "i1", "C", "D"}, {}, {11}, {1}},
        {"twice in a row removes one element", {"R", "L", "D", "D"}, {6}, {1}, {}},
        {"a line never dragged cannot be removed", {"V", "D"}, {}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Form1 fresh;
        fresh.show();
        UserActions act(fresh);
        for (const std::string& step : row.steps) {
            if (step == "R") act.enterValue("Command1", QStringLiteral("1"));
            if (step == "L") act.enterValue("Command2", QStringLiteral("1"));
            if (step == "C") act.enterValue("Command3", QStringLiteral("1"));
            if (step == "V") act.click("Command7");
            if (step == "D") act.doubleClick(background);
            if (step[0] == 'd') act.drag(fresh.picture(std::stoi(step.substr(1))), {500, 450});
            if (step[0] == 'i') act.drag(fresh.lineImage(std::stoi(step.substr(1))), {500, 450});
        }
        for (int slot : row.removedSlots) {
            EXPECT_FALSE(fresh.picture(slot)->isVisible()) << slot;
            EXPECT_EQ(fresh.model().slotUsed[slot], 0);
            EXPECT_EQ(fresh.model().partRightX[slot], 0);
        }
        for (int slot : row.keptSlots) EXPECT_TRUE(fresh.picture(slot)->isVisible()) << slot;
        for (int n : row.removedImages) {
            EXPECT_FALSE(fresh.lineImage(n)->isVisible()) << n;
            EXPECT_EQ(fresh.model().vLineTopX[n], 0);
        }
        if (row.steps.front() == "V" && row.removedImages.empty()) {
            EXPECT_TRUE(fresh.lineImage(1)->isVisible());
        }
    }
}

TEST_F(EditingTest, DoubleClickOnAControlRemovesNothing) {
    user.enterValue("Command1", QStringLiteral("1"));
    for (const char* name : {"Label18", "Text1", "Frame2", "Picture1", "Label3"}) {
        QWidget* target = form.findChild<QWidget*>(name);
        user.doubleClick(target->mapTo(form.clientArea(), target->rect().center()));
        EXPECT_TRUE(placed(1)) << name;
    }
}

TEST_F(EditingTest, RemovingTheLastPartResetsTheFrequency) {
    user.enterValue("Command1", QStringLiteral("1"));
    user.enterValue("Command1", QStringLiteral("1"));
    user.enterValue("Command4", QStringLiteral("50"), 1);
    user.click("Command6");
    user.doubleClick(background);
    EXPECT_EQ(form.model().frequency, 50000);
    EXPECT_EQ(label("Label18"), QStringLiteral("50"));
    EXPECT_FALSE(visible("Command9")) << "a withdrawn result cannot be converted";
    EXPECT_TRUE(form.findChild<QLineEdit*>("Text1")->text().isEmpty());

    user.drag(form.picture(1), {500, 450});
    user.doubleClick(background);
    EXPECT_EQ(form.model().frequency, 0);
    EXPECT_EQ(label("Label18"), QStringLiteral("0"));
    EXPECT_EQ(label("Label19"), QStringLiteral("ＫＨｚ"));
    EXPECT_TRUE(visible("Command4"));
    EXPECT_FALSE(visible("Command9"));
    EXPECT_EQ(label("Label1"), QString());
}

TEST_F(EditingTest, DoubleClickRightAfterStartResetsOnlyTheFrequency) {
    form.model().frequency = 5;
    user.doubleClick(background);
    EXPECT_EQ(form.model().frequency, 0);
    EXPECT_EQ(label("Label18"), QStringLiteral("0"));
    EXPECT_TRUE(visible("Command4"));
}

TEST_F(EditingTest, ClearRemovesEverythingButKeepsTheUsersChoices) {
    user.enterValue("Command1", QStringLiteral("47"), 1);
    user.enterValue("Command2", QStringLiteral("2"));
    user.click("Command7");
    user.click("Command8");
    user.drag(form.lineImage(11), {500, 450});
    user.enterValue("Command4", QStringLiteral("3"), 2);
    form.findChild<QComboBox*>("Combo1")->setFocus();
    QTest::keyClick(form.findChild<QComboBox*>("Combo1"), Qt::Key_Down);
    form.model().slotMarked[6] = 1;

    user.click("Command10");
    const CircuitModel& model = form.model();
    for (int s = 1; s <= 20; ++s) {
        EXPECT_FALSE(placed(s)) << s;
        EXPECT_EQ(model.slotUsed[s], 0);
    }
    for (int n = 1; n <= 20; ++n) EXPECT_FALSE(form.lineImage(n)->isVisible()) << n;
    EXPECT_EQ(model.hLineUsed[1], 0);
    EXPECT_EQ(model.hLineRightX[1], 0);
    EXPECT_EQ(model.coilRightY[1], 0);
    EXPECT_EQ(model.frequency, 0);
    EXPECT_EQ(label("Label18"), QStringLiteral("0"));
    EXPECT_EQ(label("Label19"), QStringLiteral("ＭＨｚ"));
    EXPECT_EQ(label("Label1"), QString());
    EXPECT_EQ(model.slotMarked[6], 0);
    EXPECT_EQ(model.resultUnitFactor, 1e-3);
    EXPECT_EQ(model.resistanceInput, 47);
    EXPECT_EQ(model.slotValue[1], 47000);

    user.enterValue("Command1", QStringLiteral(""));
    EXPECT_TRUE(placed(1));
    EXPECT_EQ(form.valueLabels(1).front()->text(), QStringLiteral(" 47Ω"));
}

}  // namespace
