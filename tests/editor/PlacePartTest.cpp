#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "WindowTest.h"

namespace {

class PlacePartTest : public WindowTest {
protected:
    void place(const char* command, const QString& keys, int unitDownPresses = 0,
               const char* closeWith = "Command1") {
        user.enterValue(command, keys, unitDownPresses, closeWith);
    }
    QString caption(int slot) { return form.valueLabels(slot).front()->text(); }
};

TEST_F(PlacePartTest, PartsAppearAtTheirPaletteSlotsWithValueAndUnit) {
    struct Row {
        const char* command;
        const char* keys;
        int unitDownPresses;
        int slot;
        const char* caption;
        double value;
        QPoint pixels;
    };
    const Row rows[] = {
        {"Command1", "100", 0, 1, " 100Ω", 100, {240, 216}},
        {"Command1", "4.7", 1, 2, " 4.7ＫΩ", 4700, {352, 216}},
        {"Command2", "2", 2, 6, " 2μＨ", 0.000002, {240, 312}},
        {"Command3", "10", 2, 11, " 10ＰＦ", 1e-11, {240, 384}},
        {"Command3", "0.5", 1, 12, " .5μＦ", 0.5e-6, {352, 384}},
    };
    form.show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        place(row.command, QString::fromUtf8(row.keys), row.unitDownPresses);
        EXPECT_TRUE(form.picture(row.slot)->isVisible());
        EXPECT_EQ(form.picture(row.slot)->pos(), row.pixels);
        EXPECT_EQ(caption(row.slot), QString::fromUtf8(row.caption));
        EXPECT_DOUBLE_EQ(form.model().slotValue[row.slot], row.value);
        EXPECT_EQ(form.model().slotUsed[row.slot], 1);
        EXPECT_EQ(form.model().lastPartName, "Picture" + std::to_string(row.slot));
    }
    EXPECT_EQ(form.picture(2)->accessibleName(), QStringLiteral("抵抗 4.7ＫΩ"));
}

TEST_F(PlacePartTest, NegativeValueIsTypedSignLast) {
    // A lone minus sign is not a number, so the sign goes in front of digits already typed.
    whenModalOpens([](QDialog* dialog) {
        auto* field = dialog->findChild<QLineEdit*>("Text1");
        QTest::keyClicks(field, QStringLiteral("3"));
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClicks(field, QStringLiteral("-"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    EXPECT_EQ(caption(11), QStringLiteral("-3Ｆ"));
    EXPECT_EQ(form.model().slotValue[11], -3);
}

TEST_F(PlacePartTest, TerminalsFollowThePalettePosition) {
    place("Command1", "1");
    place("Command2", "1");
    place("Command2", "1");
    const CircuitModel& model = form.model();
    EXPECT_EQ(model.resLeftX[1], 3600);
    EXPECT_EQ(model.resLeftY[1], 3600);
    EXPECT_EQ(model.resRightX[1], 4710);
    EXPECT_EQ(model.resRightY[1], 3600.0f);
    EXPECT_EQ(model.coilLeftX[2], 5280);
    EXPECT_EQ(model.coilLeftY[2], 5055);
    EXPECT_EQ(model.coilRightX[2], 6390);
    EXPECT_EQ(form.picture(7)->size(), QSize(74, 52));
}

TEST_F(PlacePartTest, LowestFreeSlotIsReused) {
    for (int i = 0; i < 3; ++i) place("Command1", "1");
    form.model().slotUsed[2] = 0;  // as after removing the second resistor
    place("Command1", "5");
    EXPECT_EQ(form.model().slotValue[2], 5);
    EXPECT_EQ(form.model().slotUsed[4], 0);
    EXPECT_EQ(form.picture(2)->x(), 352);
}

TEST_F(PlacePartTest, FullKindOpensNoDialog) {
    for (int s = 6; s <= 10; ++s) form.model().slotUsed[s] = 1;
    form.model().dialogCancelled = 1;
    expectNoModalDialog();
    QTest::mouseClick(form.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCoreApplication::processEvents();  // lets the check run now, not in a later test
    EXPECT_EQ(form.model().dialogCancelled, 0);
    EXPECT_EQ(form.model().lastPartName, "");
}

TEST_F(PlacePartTest, CancelledDialogPlacesNothing) {
    form.show();
    place("Command3", "22", 1, "Command2");
    EXPECT_FALSE(form.picture(11)->isVisible());
    EXPECT_EQ(form.model().slotUsed[11], 0);
    EXPECT_EQ(caption(11), QString());
    EXPECT_EQ(form.model().dialogCancelled, 0);
    EXPECT_EQ(form.model().capacitanceInput, 22);  // the dialog's own values stay
}

TEST_F(PlacePartTest, ClosingUntouchedReusesTheLastTypedNumber) {
    place("Command1", "33");
    place("Command1", "");
    EXPECT_EQ(form.model().slotValue[2], 33);
    EXPECT_EQ(caption(2), QStringLiteral(" 33Ω"));
}

TEST_F(PlacePartTest, ValueBeyondTheDoubleRangeIsRefused) {
    place("Command1", "1e308", 2);
    EXPECT_EQ(form.model().slotUsed[1], 0);
    EXPECT_EQ(form.model().slotValue[1], 0);
    EXPECT_EQ(form.model().lastPartName, "");
}

}  // namespace
