#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "WindowTest.h"

namespace {

// Circuits drawn and calculated only by clicking, typing and dragging. Positions are client-area
// pixels (15 twips each); every drop point lies on the bare background when the drag happens.
class EndToEndTest : public WindowTest {
protected:
    // Two parts one above the other, 975 twips apart at their lead lines, closed by a line at
    // the right terminals and one a little left of the left terminals.
    void closeStack(int rightLine, int leftLine, QPoint upperTerminalsLeft, int width) {
        user.click("Command7");
        user.click("Command7");
        user.drag(form.lineImage(rightLine), upperTerminalsLeft + QPoint(width, 0));
        user.drag(form.lineImage(leftLine), upperTerminalsLeft - QPoint(8, 0));
    }
};

TEST_F(EndToEndTest, TwoStackedResistorsGiveHalfTheResistance) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command1", QStringLiteral("100"));
    user.drag(form.picture(1), {300, 250});  // lead line at y 250 + 24
    user.drag(form.picture(2), {300, 315});  // 65 px = 975 twips lower
    closeStack(1, 2, {300, 274}, 74);
    user.click("Command6");
    EXPECT_EQ(field(1), QStringLiteral("50"));
    EXPECT_EQ(field(2), QStringLiteral("50"));
    EXPECT_EQ(field(4), QStringLiteral("0"));
    EXPECT_TRUE(red(1));
    EXPECT_TRUE(red(2));
}

TEST_F(EndToEndTest, ResistorInSeriesWithACoil) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command2", QStringLiteral("0.1"));
    user.enterValue("Command4", QStringLiteral("50"));
    user.drag(form.picture(1), {300, 250});
    user.drag(form.picture(6), {226, 249});  // right terminal on the resistor's left one
    user.click("Command6");
    EXPECT_EQ(field(2), QStringLiteral("100"));
    EXPECT_EQ(field(3), QStringLiteral("31.416"));
    EXPECT_EQ(field(1), QStringLiteral("104.819"));
    EXPECT_EQ(field(4), QStringLiteral("17.441"));
    EXPECT_TRUE(red(1));
    EXPECT_TRUE(red(6));
}

TEST_F(EndToEndTest, ResistorInParallelWithACapacitor) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command3", QStringLiteral("10"), 1);
    user.enterValue("Command4", QStringLiteral("50"));
    user.drag(form.picture(1), {300, 250});
    user.drag(form.picture(11), {300, 316});  // lead line 316 + 23 = 274 + 65
    closeStack(1, 2, {300, 274}, 74);
    user.click("Command6");
    EXPECT_EQ(field(2), QStringLiteral("91.017"));
    EXPECT_EQ(field(3), QStringLiteral("-28.594"));
    EXPECT_EQ(field(1), QStringLiteral("95.403"));
    EXPECT_EQ(field(4), QStringLiteral("-17.441"));
}

TEST_F(EndToEndTest, ChainOfThreeColumnsJoinedByAHorizontalLine) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command1", QStringLiteral("220"));
    user.enterValue("Command1", QStringLiteral("330"));
    user.enterValue("Command1", QStringLiteral("1"), 1);  // left at its palette slot, unjoined
    user.drag(form.picture(1), {500, 300});
    user.drag(form.picture(2), {426, 300});  // touching the first one
    user.click("Command8");
    user.drag(form.lineImage(11), {385, 324});  // from the second one's left terminal
    user.drag(form.picture(3), {311, 300});     // to the third one's right terminal
    user.click("Command6");
    EXPECT_EQ(field(1), QStringLiteral("650"));
    EXPECT_TRUE(red(1) && red(2) && red(3));
    EXPECT_FALSE(red(4));
}

}  // namespace
