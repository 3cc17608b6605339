#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <iostream>

#include "Ngspice.h"
#include "UserActions.h"

namespace {

QString shown(double value) {
    // The result fields show values rounded half up to three decimals.
    return QString::number(std::floor(1000 * value + 0.5) / 1000, 'g', 15);
}

// R1 + ((R2 + L1) ∥ (R3 + C1)) at 50 Hz. The reduction cannot take two series branches in
// parallel in one pass: each branch is reduced and turned into an impedance part first, then the
// two impedance parts are stacked in parallel and joined to R1. Only clicks, typing and drags.
TEST(StagedReductionTest, ThreeStagesAgreeWithNgspice) {
    Form1 form;
    UserActions user(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto click6and9 = [&] {
        user.click("Command6");
        user.click("Command9");
    };

    user.enterValue("Command4", QStringLiteral("50"));
    // Stage 1: R2 = 100 Ω with L1 = 0.1 H to its left, in series.
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command2", QStringLiteral("0.1"));
    user.drag(form.picture(1), {300, 300});
    user.drag(form.picture(6), {226, 299});
    click6and9();
    ASSERT_TRUE(form.picture(16)->isVisible());

    // Stage 2: R3 = 220 Ω with C1 = 10 μF to its left, far right and down so R3 starts the walk.
    user.enterValue("Command1", QStringLiteral("220"));
    user.enterValue("Command3", QStringLiteral("10"), 1);
    user.drag(form.picture(1), {700, 480});
    user.drag(form.picture(11), {626, 481});
    click6and9();
    ASSERT_TRUE(form.picture(17)->isVisible());
    EXPECT_TRUE(form.picture(16)->isVisible()) << "the first stage's part was not reduced";

    // Stage 3: the two impedance parts stacked and closed by two lines, R1 = 47 Ω to the left.
    user.drag(form.picture(16), {300, 300});
    user.drag(form.picture(17), {300, 365});
    user.click("Command7");
    user.click("Command7");
    user.drag(form.lineImage(1), {374, 323});
    user.drag(form.lineImage(2), {292, 323});
    user.enterValue("Command1", QStringLiteral("47"));
    user.drag(form.picture(1), {226, 299});
    user.click("Command6");

    const std::optional<Complex> spice = ngspiceImpedance(
        "R1 in a 47\n"
        "R2 a b 100\nL1 b 0 0.1\n"
        "R3 a c 220\nC1 c 0 1e-05\n",
        50);
    ASSERT_TRUE(spice.has_value()) << "ngspice gave no result";
    const CircuitModel& model = form.model();
    const double magnitude = std::hypot(spice->re, spice->im);
    EXPECT_NEAR(model.resultRe, spice->re, 1e-6 * magnitude);
    EXPECT_NEAR(model.resultIm, spice->im, 1e-6 * magnitude);
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), shown(spice->re));
    EXPECT_EQ(form.findChild<QLineEdit*>("Text3")->text(), shown(spice->im));
    EXPECT_EQ(form.findChild<QLineEdit*>("Text1")->text(), shown(magnitude));
    std::cout << std::setprecision(12) << "[ staged   ] engine " << model.resultRe << " + j"
              << model.resultIm << ", ngspice " << spice->re << " + j" << spice->im << "\n";
}

}  // namespace
