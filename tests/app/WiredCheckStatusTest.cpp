// The wired check in the status bar after each calculation, and the analysis windows following
// the drawing as the mouse drags it.

#include <QStatusBar>

#include "WindowTest.h"
#include "following/StepsWindow.h"
#include "response/ResponseWindow.h"
#include "toolkit/StatusText.h"

namespace {

class WiredCheckStatusTest : public WindowTest {
protected:
    QString status() { return form.statusBar()->findChild<QLabel*>("wiredCheck")->text(); }
};

TEST_F(WiredCheckStatusTest, StatusBarSaysWhatTheWiringGives) {
    struct Row {
        const char* name;
        std::function<void()> draw;
        const char* says;
    };
    const Row rows[] = {
        {"two resistors stacked", [&] { drawTwoStackedResistors(); }, "検算：一致"},
        {"a part left unjoined",
         [&] {
             user.enterValue("Command1", QStringLiteral("100"));
             user.enterValue("Command1", QStringLiteral("47"));
         },
         "検算：一致　計算に入っていない素子：抵抗 100Ω"},
        {"a resistor laid over another, joined at both terminals",
         [&] {
             user.enterValue("Command1", QStringLiteral("100"));
             user.enterValue("Command1", QStringLiteral("100"));
             user.drag(form.picture(1), {300, 300});
             // 5 pixels off: its terminals lie within the join window of the first one's.
             user.drag(form.picture(2), {295, 295});
         },
         "Z = 50 ＋ｊ0（計算と異なります）　計算に入っていない素子：抵抗 100Ω"},
        {"a lone 0 Ω resistor: both port terminals are one node",
         [&] { user.enterValue("Command1", QStringLiteral("0")); }, "検算：端子間が短絡しています"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        user.click("Command10");
        row.draw();
        user.click("Command6");
        EXPECT_TRUE(status().contains(QString::fromUtf8(row.says))) << status().toStdString();
        user.doubleClick(background);  // withdraws the result: no stale verdict stays
        EXPECT_TRUE(status().isEmpty());
    }
}

TEST_F(WiredCheckStatusTest, AVerdictTooLongForTheStatusBarIsCutOffWithTheWholeInItsTooltip) {
    for (const char* command : {"Command1", "Command2"})
        for (int i = 0; i < 5; ++i) user.enterValue(command, QStringLiteral("123456"));
    user.click("Command6");
    auto* verdict = form.statusBar()->findChild<StatusText*>("wiredCheck");
    ASSERT_TRUE(status().startsWith(QStringLiteral("図の配線による検算：")));
    EXPECT_LE(verdict->geometry().right(), form.statusBar()->width());
    EXPECT_TRUE(verdict->shownText().endsWith(QStringLiteral("…")));
    EXPECT_TRUE(status().startsWith(verdict->shownText().chopped(1)));
    EXPECT_EQ(verdict->toolTip(), status());
}

TEST_F(WiredCheckStatusTest, OpenWindowsFollowADragMadeWithTheMouse) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command3", QStringLiteral("1"), 1);
    user.enterValue("Command4", QStringLiteral("1"), 1);
    form.findChild<QAction*>("actionFrequencyResponse")->trigger();
    form.findChild<QAction*>("actionReductionSteps")->trigger();
    auto* response = form.findChild<ResponseWindow*>();
    auto* steps = form.findChild<StepsWindow*>();
    ASSERT_NE(response, nullptr);
    ASSERT_NE(steps, nullptr);
    response->flush();
    steps->flush();
    const double before = response->points().front().z.re;
    // The capacitor's right terminal onto the resistor's left one: now they are in series.
    user.drag(form.picture(1), {300, 300});
    user.drag(form.picture(11), {226, 301});
    response->flush();
    steps->flush();
    EXPECT_NE(response->points().front().z.re, before);
    EXPECT_TRUE(steps->findChild<QLabel*>("notInResult")->text().endsWith(QStringLiteral("なし")));
    EXPECT_TRUE(field(1).isEmpty()) << "the windows never touch the result fields";
    EXPECT_FALSE(visible("Command9"));
}

}  // namespace
