#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "WindowTest.h"

namespace {

class ImpedanceToPartTest : public WindowTest {
protected:
    QString valueLabel(int slot, int element) { return form.valueLabels(slot)[element]->text(); }
    void calculateAndConvert() {
        user.click("Command6");
        ASSERT_TRUE(visible("Command9"));
        user.click("Command9");
    }
};

TEST_F(ImpedanceToPartTest, OneResistorBecomesAnImpedancePart) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command7");
    user.drag(form.lineImage(1), {600, 300});
    calculateAndConvert();
    const CircuitModel& model = form.model();
    EXPECT_FALSE(form.picture(1)->isVisible());
    EXPECT_EQ(model.slotUsed[1], 0);
    EXPECT_EQ(model.resRightX[1], 0);
    EXPECT_FALSE(form.lineImage(1)->isVisible());
    EXPECT_EQ(model.vLineUsed[1], 0);
    EXPECT_EQ(model.vLineBottomY[1], 0);
    EXPECT_TRUE(form.picture(16)->isVisible());
    EXPECT_EQ(form.picture(16)->geometry(), QRect(240, 448, 74, 65));
    EXPECT_EQ(valueLabel(16, 0), QStringLiteral("100Ω"));
    EXPECT_EQ(valueLabel(16, 1), QStringLiteral("＋ｊ0Ω"));
    EXPECT_EQ(form.picture(16)->accessibleName(), QStringLiteral("インピーダンス 100Ω ＋ｊ0Ω"));
    EXPECT_EQ(model.impPartRe[1], 100);
    EXPECT_EQ(model.impPartIm[1], 0);
    EXPECT_EQ(model.slotUsed[16], 1);
    EXPECT_EQ(model.impLeftY[1], 7065);
    EXPECT_EQ(model.impRightX[1], 4710);
    EXPECT_EQ(model.lastPartName, "Picture16");
    EXPECT_FALSE(visible("Command4"));
    EXPECT_FALSE(visible("Command9"));
    EXPECT_TRUE(form.findChild<QLineEdit*>("Text1")->text().isEmpty());
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), QString());
}

TEST_F(ImpedanceToPartTest, CapacitiveResultShowsMinusJ) {
    user.enterValue("Command1", QStringLiteral("30"));
    // 1 / (40 ohm * 6.283184 * 1000 Hz): a reactance of -40 ohm.
    user.enterValue("Command3", QStringLiteral("3.978873577"), 1);
    user.enterValue("Command4", QStringLiteral("1"), 1);
    user.drag(form.picture(1), {300, 300});
    user.drag(form.picture(11), {226, 301});  // right terminal on the resistor's left one
    calculateAndConvert();
    EXPECT_EQ(valueLabel(16, 0), QStringLiteral("30Ω"));
    EXPECT_EQ(valueLabel(16, 1), QStringLiteral("－ｊ40Ω"));
    EXPECT_NEAR(form.model().impPartIm[1], -40, 1e-4);  // full precision, not rounded
}

TEST_F(ImpedanceToPartTest, LabelsUseTheResultUnitRoundedHalfUp) {
    user.enterValue("Command1", QStringLiteral("1500"));
    auto* units = form.findChild<QComboBox*>("Combo1");
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);  // "ＫΩ" recalculates
    user.click("Command9");
    EXPECT_EQ(valueLabel(16, 0), QStringLiteral("2ＫΩ"));
    EXPECT_EQ(form.model().impPartRe[1], 1500);
}

TEST_F(ImpedanceToPartTest, ReducedImpedancePartFreesItsSlotForTheNewOne) {
    user.enterValue("Command1", QStringLiteral("100"));
    calculateAndConvert();
    calculateAndConvert();  // the impedance part alone is reduced and converted again
    EXPECT_TRUE(form.picture(16)->isVisible());
    EXPECT_FALSE(form.picture(17)->isVisible());
    EXPECT_EQ(form.model().impPartRe[1], 100);
}

TEST_F(ImpedanceToPartTest, UnreducedPartsStayWhereTheyAre) {
    user.enterValue("Command1", QStringLiteral("100"));
    calculateAndConvert();
    user.enterValue("Command2", QStringLiteral("1"));
    user.enterValue("Command1", QStringLiteral("5"));
    user.drag(form.picture(1), {700, 500});  // farthest right and down: the start part
    calculateAndConvert();
    EXPECT_TRUE(form.picture(16)->isVisible());
    EXPECT_EQ(form.picture(16)->pos(), QPoint(240, 448));
    EXPECT_TRUE(form.picture(6)->isVisible());
    EXPECT_EQ(form.picture(6)->pos(), QPoint(240, 312));
    EXPECT_TRUE(form.picture(17)->isVisible());
    EXPECT_EQ(form.picture(17)->pos(), QPoint(352, 448));
    EXPECT_EQ(form.model().impPartRe[2], 5);
    EXPECT_EQ(form.model().lastPartName, "Picture17");
}

TEST_F(ImpedanceToPartTest, SixthConversionIsRefusedAndLosesNothing) {
    // Five resistors, each alone at the bottom right so that it is the start part, converted.
    const auto convertLoneResistor = [&] {
        user.enterValue("Command1", QStringLiteral("100"));
        user.drag(form.picture(1), {766, 500});
        user.click("Command6");
    };
    for (int k = 1; k <= 5; ++k) {
        convertLoneResistor();
        user.click("Command9");
        ASSERT_TRUE(form.picture(15 + k)->isVisible()) << k;
    }
    convertLoneResistor();
    user.click("Command7");
    QString message;
    whenModalOpens([&](QDialog* box) {
        message = box->findChild<QLabel*>("qt_msgbox_label")->text();
        box->accept();
    });
    user.click("Command9");
    EXPECT_EQ(message, QStringLiteral("インピーダンス素子は５個までです"));
    EXPECT_TRUE(form.picture(1)->isVisible());
    EXPECT_TRUE(form.lineImage(1)->isVisible());
    for (int s = 16; s <= 20; ++s) EXPECT_TRUE(form.picture(s)->isVisible()) << s;
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("100"));
    EXPECT_TRUE(visible("Command9"));
    EXPECT_EQ(form.valueLabels(1)[0]->palette().color(QPalette::WindowText), QColor(Qt::red));

    // All five in use, one of them the whole result: converting it frees its slot first.
    user.drag(form.picture(1), {10, 10});
    user.drag(form.picture(20), {766, 500});
    user.click("Command6");
    ASSERT_TRUE(visible("Command9"));
    expectNoModalDialog();
    user.click("Command9");
    EXPECT_FALSE(visible("Command9"));
    EXPECT_TRUE(form.picture(20)->isVisible());
    EXPECT_NE(form.picture(20)->pos(), QPoint(766, 500)) << "a new part in the palette row";
    for (int s = 16; s <= 20; ++s) EXPECT_EQ(form.model().slotUsed[s], 1) << s;
}

TEST_F(ImpedanceToPartTest, ImpedancePartIsAnOrdinaryPart) {
    user.enterValue("Command1", QStringLiteral("100"));
    calculateAndConvert();
    user.enterValue("Command1", QStringLiteral("100"));
    user.drag(form.picture(16), {300, 300});
    user.drag(form.picture(1), {374, 301});  // its left terminal on the impedance part's right
    user.enterValue("Command4", QStringLiteral("50"));
    EXPECT_FALSE(visible("Command4")) << "the frequency command stays hidden";
    user.click("Command6");
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("200"));
    user.click("Command10");
    EXPECT_TRUE(visible("Command4"));
    EXPECT_FALSE(form.picture(16)->isVisible());
}

}  // namespace
